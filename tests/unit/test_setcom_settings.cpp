// The five settings files of the tab and printer settings: defaults, loading
// rules, field checks and the order of saving.
#include "QtPrinters.h"
#include "SetComFiles.h"
#include "printing/SetComSettings.h"
#include "platform/LineFile.h"
#include "platform/StationPaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using namespace setcomfiles;

class SetComFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_root.isValid());
        station::setRoot(m_root.path());
    }
    void TearDown() override { station::setRoot(QString()); }

    static void write(const QString& name, const QStringList& lines)
    {
        LineFile::save(station::pathForWriting(name), lines);
    }
    static std::optional<QStringList> read(const QString& name)
    {
        const auto f = LineFile::load(station::path(name));
        return f ? std::optional<QStringList>(f->lines()) : std::nullopt;
    }
    QString vavoz() const { return m_root.path() + QStringLiteral("/Miltrex/vavoz"); }

    QTemporaryDir m_root;
};

QStringList setupOf(std::initializer_list<const char*> lines)
{
    QStringList out;
    for (const char* l : lines)
        out << QString::fromUtf8(l);
    return out;
}

} // namespace

TEST_F(SetComFiles, ConfirmingWithoutFilesWritesEveryDefault)
{
    SetComValues v = SetComSettings::load();
    SetComSettings::save(v);

    EXPECT_EQ(read(kSetup), setupOf({"Tx Opcional", "10", "5,00", "S", "S", "S", "S", "S", "0", "7", "Obrigado",
                                     "Volte Sempre", "VI - Video (Visualiza)", "VI - Video (Visualiza)",
                                     "VI - Video (Visualiza)", "VI - Video (Visualiza)", "N", "#27 + #118 + #140",
                                     "VI - Video (Visualiza)", "VI - Video (Visualiza)", "N", "N", "Couver/Outros"}));
    EXPECT_EQ(read(kPorts), QStringList(6, QStringLiteral("LPT1")));
    EXPECT_EQ(read(kFont), setupOf({"7", "6"}));
    EXPECT_EQ(read(kJoin), setupOf({"S"}));
    EXPECT_EQ(read(kMessage), setupOf({"     Obrigado e volte sempre", "    Agradecemos a preferencia"}));
}

TEST_F(SetComFiles, FontSizesLoadAsWholeNumbersOrSeven)
{
    struct Case {
        std::optional<QStringList> file;
        QString receipt, kitchen;
    };
    const Case cases[] = {
        {std::nullopt, "7", "6"},
        {QStringList{"16", "26"}, "16", "26"},
        {QStringList{"0", "14"}, "0", "14"},
        {QStringList{"abc", "12"}, "7", "12"},
        {QStringList{"9,5", "x"}, "7", "7"},
        {QStringList{"9"}, "9", "7"},          // short file: the missing line is not a number
        {QStringList{}, "7", "7"},
        {QStringList{"", ""}, "7", "7"},
    };
    for (const Case& c : cases) {
        QFile::remove(station::path(kFont));
        if (c.file)
            write(kFont, *c.file);
        SetComValues v = SetComSettings::load();
        EXPECT_EQ(v.receiptFontSize, c.receipt) << c.file.value_or(QStringList{"<none>"}).join('|').toStdString();
        EXPECT_EQ(v.kitchenFontSize, c.kitchen) << c.file.value_or(QStringList{"<none>"}).join('|').toStdString();
        SetComSettings::save(v);
        EXPECT_EQ(read(kFont), (QStringList{c.receipt, c.kitchen}));
    }
}

// What every printout reads of fonte.INI: the one reader of a font size, with
// each line's own default.
TEST_F(SetComFiles, PrintoutsReadTheFontSizeAsAWholeNumberAboveZero)
{
    struct Case {
        std::optional<QStringList> file;
        int receipt, kitchen;
    };
    const Case cases[] = {
        {std::nullopt, 7, 14},
        {QStringList{"16", "26"}, 16, 26},
        {QStringList{" 9 ", "12 "}, 9, 12},
        {QStringList{"0", "-3"}, 7, 14},       // no size below 1 can be printed
        {QStringList{"doze", "9,5"}, 7, 14},
        {QStringList{"1e20", "99999999999"}, 7, 14},
        {QStringList{"8"}, 8, 14},             // short file
        {QStringList{}, 7, 14},
    };
    for (const Case& c : cases) {
        QFile::remove(station::path(kFont));
        if (c.file)
            write(kFont, *c.file);
        const std::string file = c.file.value_or(QStringList{"<none>"}).join('|').toStdString();
        EXPECT_EQ(SetComSettings::receiptFontSize(), c.receipt) << file;
        EXPECT_EQ(SetComSettings::kitchenFontSize(), c.kitchen) << file;
    }
    // A fonte.INI that cannot be read (a folder by that name) reads as the defaults.
    QFile::remove(station::path(kFont));
    ASSERT_TRUE(QDir().mkpath(vavoz() + QStringLiteral("/fonte.INI")));
    EXPECT_EQ(SetComSettings::receiptFontSize(), 7);
    EXPECT_EQ(SetComSettings::kitchenFontSize(), 14);
}

TEST_F(SetComFiles, TwentyLineSetupGetsTheNewLinesDefaults)
{
    const QStringList old = setupOf({"Servico", "12,5", "8,00", "N", "S", "N", "S", "15", "2", "9", "Valeu",
                                     "Ate logo", "Termica", "Informa porta", "Monitor Cozinha", "Nao Imprimir", "S",
                                     "#27 + #112", "Visualizar", "Cozinha 2"});
    ASSERT_EQ(old.size(), 20);
    write(kSetup, old);

    SetComValues v = SetComSettings::load();
    EXPECT_EQ(v.blockDelivery, "N");
    EXPECT_EQ(v.forceLineFeed, "");
    EXPECT_EQ(v.coverCaption, "Couver/Outros");

    SetComSettings::save(v);
    const auto written = read(kSetup);
    ASSERT_TRUE(written);
    ASSERT_EQ(written->size(), 23);
    for (int line = 0; line < 20; ++line) {
        if (line == 10 || line == 11)
            continue;
        EXPECT_EQ(written->at(line), old.at(line)) << "line " << line;
    }
    EXPECT_EQ(written->at(10), "Obrigado");
    EXPECT_EQ(written->at(11), "Volte Sempre");
    EXPECT_EQ(written->mid(20), setupOf({"N", "", "Couver/Outros"}));
}

TEST_F(SetComFiles, ShortSetupLeavesItsMissingFieldsEmpty)
{
    write(kSetup, setupOf({"Servico", "10"}));
    const SetComValues v = SetComSettings::load();
    EXPECT_EQ(v.serviceCaption, "Servico");
    EXPECT_EQ(v.coverCharge, "");
    EXPECT_EQ(v.printPreBill, "");
    EXPECT_EQ(v.destination(PrinterSlot::Kitchen4), "");
    EXPECT_EQ(v.drawerCommand, "");
    EXPECT_EQ(v.controlByte, "0");
    // Step 7 of loading still applies.
    EXPECT_EQ(v.blockDelivery, "N");
    EXPECT_EQ(v.coverCaption, "Couver/Outros");
}

TEST_F(SetComFiles, ControlByteLineSelectsByPosition)
{
    const std::pair<QString, QString> cases[] = {
        {"0", "0"}, {"3", "3"}, {"2", "2"}, {" 1", "1"}, {"x", "0"}, {"", "0"}, {"2,0", "0"},
        {"4", ""},   // a position outside the list selects nothing
        {"-1", "0"}, {"$1", "0"},   // no whole number: the first
    };
    for (const auto& [line8, shown] : cases) {
        QStringList setup(23);
        setup[8] = line8;
        write(kSetup, setup);
        SetComValues v = SetComSettings::load();
        EXPECT_EQ(v.controlByte, shown) << line8.toStdString();
        SetComSettings::save(v);
        EXPECT_EQ(read(kSetup)->at(8), shown) << line8.toStdString();
    }
}

TEST_F(SetComFiles, ConstantFooterLinesAreNotRead)
{
    QStringList setup = SetComSettings::setupLines(SetComSettings::defaults());
    setup[10] = "Ate a proxima";
    setup[11] = "";
    write(kSetup, setup);
    SetComValues v = SetComSettings::load();
    SetComSettings::save(v);
    EXPECT_EQ(read(kSetup)->at(10), "Obrigado");
    EXPECT_EQ(read(kSetup)->at(11), "Volte Sempre");
}

TEST_F(SetComFiles, DeliveryBlockAndCoverCaptionAreRepairedOnLoading)
{
    struct Case {
        QString line20, line22, block, caption;
    };
    const Case cases[] = {
        {"S", "Couvert", "S", "Couvert"},
        {"N", " Show ", "N", " Show "},
        {"s", "   ", "N", "Couver/Outros"},
        {"X", "", "N", "Couver/Outros"},
        {" S", "\t", "N", "Couver/Outros"},
    };
    for (const Case& c : cases) {
        QStringList setup = SetComSettings::setupLines(SetComSettings::defaults());
        setup[20] = c.line20;
        setup[22] = c.line22;
        write(kSetup, setup);
        const SetComValues v = SetComSettings::load();
        EXPECT_EQ(v.blockDelivery, c.block) << c.line20.toStdString();
        EXPECT_EQ(v.coverCaption, c.caption) << c.line22.toStdString();
    }
}

TEST_F(SetComFiles, EveryValueSurvivesARoundTrip)
{
    SetComValues v = SetComSettings::defaults();
    v.serviceCaption = "Serviço opcional";
    v.servicePercent = "12,5";
    v.coverCharge = "7,50";
    v.printPreBill = "N";
    v.printKitchenOrders = "N";
    v.kitchenOneByOne = "N";
    v.printPaymentReceipt = "N";
    v.previewTab = "18";
    v.controlByte = "2";
    v.feedLines = "4";
    v.drawerEnabled = "S";
    v.drawerCommand = "#27 + #112 + #0";
    v.blockDelivery = "S";
    v.forceLineFeed = "S";
    v.coverCaption = "Show ao vivo";
    v.destinations = {"  Termica Caixa  ", "Informa porta", "Monitor Cozinha", "Nao Imprimir", "Visualizar",
                      "bar"};
    v.ports = {"LPT2", "COM1", "/dev/usb/lp0", "", "LPT1 ", "COM3"};
    v.receiptFontSize = "16";
    v.kitchenFontSize = "26";
    v.joinItems = "N";
    v.message = {"", "  Volte sempre!  ", "Café & pão", ""};
    SetComValues saved = v;
    SetComSettings::save(saved);

    const SetComValues loaded = SetComSettings::load();
    EXPECT_EQ(SetComSettings::setupLines(loaded), SetComSettings::setupLines(v));
    EXPECT_EQ(QStringList(loaded.ports.begin(), loaded.ports.end()), QStringList(v.ports.begin(), v.ports.end()));
    EXPECT_EQ(loaded.receiptFontSize, "16");
    EXPECT_EQ(loaded.kitchenFontSize, "26");
    EXPECT_EQ(loaded.joinItems, "N");
    EXPECT_EQ(loaded.message, v.message);
    // Destinations by their setup.INI lines.
    const auto setup = read(kSetup);
    EXPECT_EQ(setup->at(12), "  Termica Caixa  ");
    EXPECT_EQ(setup->at(15), "Informa porta");
    EXPECT_EQ(setup->at(13), "Monitor Cozinha");
    EXPECT_EQ(setup->at(14), "Nao Imprimir");
    EXPECT_EQ(setup->at(18), "Visualizar");
    EXPECT_EQ(setup->at(19), "bar");
}

TEST_F(SetComFiles, MessageFileReplacesTheDefaultLinesWhole)
{
    write(kMessage, {});
    EXPECT_EQ(SetComSettings::load().message, QStringList());
    write(kMessage, {"Linha 1", "", "   Linha 3", "Linha 4", "Linha 5", "Linha 6"});
    EXPECT_EQ(SetComSettings::load().message,
              (QStringList{"Linha 1", "", "   Linha 3", "Linha 4", "Linha 5", "Linha 6"}));
}

TEST_F(SetComFiles, PortsAndJoinFileAreReadAsTheyAre)
{
    write(kPorts, {"COM2", " LPT3 "});
    write(kJoin, {});
    const SetComValues v = SetComSettings::load();
    EXPECT_EQ(QStringList(v.ports.begin(), v.ports.end()), (QStringList{"COM2", " LPT3 ", "", "", "", ""}));
    EXPECT_EQ(v.joinItems, "");
}

TEST_F(SetComFiles, FileNamesMatchWithoutRegardToCase)
{
    QDir().mkpath(m_root.path() + "/MILTREX/Vavoz");
    LineFile::save(m_root.path() + "/MILTREX/Vavoz/FONTE.ini", {"11", "12"});
    SetComValues v = SetComSettings::load();
    EXPECT_EQ(v.receiptFontSize, "11");
    v.receiptFontSize = "13";
    SetComSettings::save(v);
    EXPECT_EQ(LineFile::load(m_root.path() + "/MILTREX/Vavoz/FONTE.ini")->lines(), (QStringList{"13", "12"}));
}

// Saving goes junta, MensagemCupom, fonte, portas, setup and stops at the first
// file that cannot be written.
TEST_F(SetComFiles, SavingStopsAtTheFirstFileThatCannotBeWritten)
{
    const QStringList order = {"junta.INI", "MensagemCupom.INI", "fonte.INI", "portas.INI", "setup.INI"};
    for (qsizetype blocked = 0; blocked < order.size(); ++blocked) {
        QDir(vavoz()).removeRecursively();
        QDir().mkpath(vavoz() + "/" + order[blocked]);   // a folder where the file should be
        SetComValues v = SetComSettings::defaults();
        try {
            SetComSettings::save(v);
            ADD_FAILURE() << "saved over a folder: " << order[blocked].toStdString();
        } catch (const std::runtime_error& e) {
            EXPECT_TRUE(QString::fromUtf8(e.what()).contains(order[blocked])) << e.what();
        }
        for (qsizetype i = 0; i < order.size(); ++i) {
            if (i == blocked)
                continue;
            EXPECT_EQ(QFileInfo(vavoz() + "/" + order[i]).isFile(), i < blocked)
                << order[i].toStdString() << " with " << order[blocked].toStdString() << " blocked";
        }
    }
}

TEST_F(SetComFiles, SavingWritesNothingWhenTheFolderIsAFile)
{
    QDir().mkpath(m_root.path() + "/Miltrex");
    QFile blocker(vavoz());
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    SetComValues v = SetComSettings::defaults();
    try {
        SetComSettings::save(v);
        ADD_FAILURE() << "saved below a regular file";
    } catch (const std::runtime_error& e) {
        EXPECT_TRUE(QString::fromUtf8(e.what()).contains("junta.INI")) << e.what();
    }
    EXPECT_TRUE(QFileInfo(vavoz()).isFile());
    EXPECT_EQ(QFileInfo(vavoz()).size(), 0);
}

TEST_F(SetComFiles, ChecksOnSavingApplyBeforeSetupOnly)
{
    SetComValues v = SetComSettings::defaults();
    v.feedLines = "sete";
    v.servicePercent = "10%";
    v.coverCharge = "5.00,0";
    QDir().mkpath(vavoz() + "/portas.INI");   // stops before the checks
    EXPECT_THROW(SetComSettings::save(v), std::runtime_error);
    EXPECT_EQ(v.feedLines, "sete");

    QDir(vavoz() + "/portas.INI").removeRecursively();
    SetComSettings::save(v);
    EXPECT_EQ(read(kSetup)->mid(1, 2), (QStringList{"0", "0"}));
    EXPECT_EQ(read(kSetup)->at(9), "7");
    EXPECT_EQ(v.feedLines, "7");
}

// ---- Field checks ----------------------------------------------------------------

TEST(SetComChecks, YesNoFields)
{
    struct Case {
        QString text, fallback, expected;
    };
    const Case cases[] = {
        {"S", "S", "S"}, {"N", "S", "N"}, {"S", "N", "S"}, {"N", "N", "N"},
        {"s", "S", "S"}, {"n", "S", "S"}, {"n", "N", "N"}, {"X", "S", "S"}, {"X", "N", "N"},
        {"", "S", "S"}, {"", "N", "N"}, {" S", "N", "N"}, {"SN", "S", "S"}, {"NN", "S", "S"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SetComSettings::yesNoOr(c.text, c.fallback), c.expected) << c.text.toStdString();
}

TEST(SetComChecks, NumbersTakeADecimalComma)
{
    const std::pair<QString, bool> cases[] = {
        {"10", true}, {"5,00", true}, {"12,5", true}, {"0", true}, {"-3", true}, {",5", true},
        {"", false}, {"abc", false}, {"10%", false}, {"1,2,3", false}, {"R$ 5", false},
    };
    for (const auto& [text, isNumber] : cases)
        EXPECT_EQ(SetComSettings::numberOr(text, "0"), isNumber ? text : QStringLiteral("0")) << text.toStdString();
}

TEST(SetComChecks, FeedLinesTakeAWholeNumber)
{
    const std::pair<QString, bool> cases[] = {
        {"7", true}, {"0", true}, {"12", true}, {" 3", true}, {"3 ", true},
        {"-2", false}, {"$A", false}, {"0x7", false}, {"+7", false},
        {"", false}, {"7,5", false}, {"sete", false}, {"99999999999", false},
    };
    for (const auto& [text, whole] : cases)
        EXPECT_EQ(SetComSettings::wholeNumberOr(text, "7"), whole ? text : QStringLiteral("7")) << text.toStdString();
}

TEST(SetComChecks, PortIsUsedOnlyForInformaPorta)
{
    const std::pair<QString, bool> cases[] = {
        {"Informa porta", true}, {"  Informa porta ", true}, {"\tInforma porta", true},
        {"informa porta", false}, {"Informa  porta", false}, {"Visualizar", false}, {"", false},
        {"VI - Video (Visualiza)", false},
    };
    for (const auto& [destination, uses] : cases)
        EXPECT_EQ(SetComSettings::usesPort(destination), uses) << destination.toStdString();
}

TEST(SetComChecks, DestinationListsPutThePrintersFirst)
{
    const QStringList installed = {"Termica", "Laser Escritorio"};
    for (int i = 0; i < kPrinterSlotCount; ++i) {
        const auto slot = PrinterSlot(i);
        const bool kitchen = SetComSettings::isKitchen(slot);
        QStringList expected = installed;
        expected << "Informa porta";
        if (kitchen)
            expected << "Monitor Cozinha";
        expected << "Nao Imprimir" << "Visualizar";
        EXPECT_EQ(SetComSettings::destinationChoices(installed, kitchen), expected) << i;
    }
    EXPECT_FALSE(SetComSettings::isKitchen(PrinterSlot::Conference));
    EXPECT_FALSE(SetComSettings::isKitchen(PrinterSlot::Closing));
    EXPECT_EQ(SetComSettings::destinationChoices({}, false),
              (QStringList{"Informa porta", "Nao Imprimir", "Visualizar"}));
}

TEST(SetComChecks, SlotsAndTheirSetupLines)
{
    const std::pair<PrinterSlot, int> cases[] = {
        {PrinterSlot::Conference, 12}, {PrinterSlot::Closing, 15}, {PrinterSlot::Kitchen1, 13},
        {PrinterSlot::Kitchen2, 14},   {PrinterSlot::Kitchen3, 18}, {PrinterSlot::Kitchen4, 19},
    };
    for (const auto& [slot, line] : cases)
        EXPECT_EQ(SetComSettings::setupLineOf(slot), line);
}

TEST(SetComChecks, FontSizeList)
{
    EXPECT_EQ(SetComSettings::fontSizes(),
              (QStringList{"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13", "14", "16", "18",
                           "20", "22", "24", "26"}));
    EXPECT_EQ(SetComSettings::controlBytes(), (QStringList{"0", "1", "2", "3"}));
}
