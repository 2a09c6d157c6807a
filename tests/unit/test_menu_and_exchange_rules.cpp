// The rules of the digital menu, the CSV export, the product import, the label
// sheets, the mailing labels and the anniversary list that need no database.
#include "salesreports/Anniversaries.h"
#include "labels/BarcodeLabels.h"
#include "exchange/CsvExport.h"
#include "reports/FieldText.h"
#include "labels/MailingLabels.h"
#include "exchange/ProductImport.h"
#include "stock/CostCentreOutflow.h"
#include "menu/DigitalMenu.h"
#include "menu/TableQrCard.h"

#include <gtest/gtest.h>

namespace {
QString S(const char* text) { return QString::fromUtf8(text); }
Decimal D(const char* text) { return *Decimal::parse(QString::fromUtf8(text)); }
}

TEST(DigitalMenuRules, TheMemoBecomesLinesEachEndedByCrLfAndComesBackTheSame)
{
    struct Case { const char* memo; const char* stored; };
    const Case cases[] = {
        {"", ""},
        {"Arroz e feijão", "Arroz e feijão\r\n"},                      // 14 characters stored as 16
        {"Arroz\nFeijão\nFarofa", "Arroz\r\nFeijão\r\nFarofa\r\n"},
        {"Arroz\n", "Arroz\r\n"},                                        // the last break ends the line
        {"Arroz\n\n", "Arroz\r\n\r\n"},
        {"\n", "\r\n"},
        {"Arroz\r\nFeijão", "Arroz\r\nFeijão\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.memo);
        const QString stored = DigitalMenu::descriptionOf(S(c.memo));
        EXPECT_EQ(stored, S(c.stored));
        EXPECT_EQ(DigitalMenu::descriptionOf(DigitalMenu::memoTextOf(stored)), stored);
    }
    EXPECT_EQ(DigitalMenu::descriptionOf(S("Arroz e feijão")).size(), 16);
}

TEST(DigitalMenuRules, PictureFilesAndOptions)
{
    EXPECT_EQ(DigitalMenu::groupPictureFile(31), S("C:\\Miltrex\\webserver\\www\\cardapio\\image\\grupo31.jpg"));
    EXPECT_EQ(DigitalMenu::productPictureFile(S("000123")),
              S("C:\\Miltrex\\webserver\\www\\cardapio\\image\\card000123.jpg"));
    for (const char* code : {"", "  ", "12/3", "..\\x", "a:b", ".oculto"})
        EXPECT_TRUE(DigitalMenu::productPictureFile(S(code)).isEmpty()) << code;
    EXPECT_EQ(DigitalMenu::logoFile(), S("C:\\Miltrex\\webserver\\www\\cardapio\\image\\logo.jpg"));
    EXPECT_EQ(DigitalMenu::optionsOf(false, false), 0);
    EXPECT_EQ(DigitalMenu::optionsOf(true, false), 1);
    EXPECT_EQ(DigitalMenu::optionsOf(false, true), 2);
    EXPECT_EQ(DigitalMenu::optionsOf(true, true), 3);
}

TEST(TableQrCardRules, TheAddressUsesTheTableAsTyped)
{
    EXPECT_EQ(TableQrCard::tableAddress(S("192.168.0.10"), S("7")), S("http://192.168.0.10/cardapio.php?mesa=7"));
    EXPECT_EQ(TableQrCard::tableAddress(S("192.168.0.10"), S("007")), S("http://192.168.0.10/cardapio.php?mesa=007"));
    EXPECT_EQ(TableQrCard::tableAddress(S("192.168.0.10"), S("")), S("http://192.168.0.10/cardapio.php?mesa="));
    EXPECT_EQ(TableQrCard::networkLine({S("1.2.3.4"), S("Bar do Zé"), S("s3nh@")}), S("Rede : Bar do Zé  Senha : s3nh@"));
}

TEST(CsvRules, EveryValueFollowedByASemicolonAndQuotedOnlyWhenItMustBe)
{
    struct Case { std::vector<const char*> values; const char* line; };
    const Case cases[] = {
        {{"CODIGO", "NOME"}, "CODIGO;NOME;"},
        {{"000001", "", "12,5"}, "000001;;12,5;"},
        {{"PÃO; MANTEIGA"}, "\"PÃO; MANTEIGA\";"},
        {{"COPO 12\" GRANDE"}, "\"COPO 12\"\" GRANDE\";"},
        {{"DUAS\r\nLINHAS"}, "\"DUAS\r\nLINHAS\";"},
        {{"SÓ\nLF"}, "\"SÓ\nLF\";"},
        {{"D'ÁGUA"}, "D'ÁGUA;"},
        {{"  BLANKS  "}, "  BLANKS  ;"},
    };
    for (const Case& c : cases) {
        QStringList values;
        for (const char* v : c.values)
            values << S(v);
        EXPECT_EQ(CsvExport::line(values), S(c.line));
    }
}

TEST(CsvRules, ValuesInTheirStandardTextForm)
{
    EXPECT_EQ(finance::fieldText(QVariant()), QString());
    EXPECT_EQ(finance::fieldText(QVariant(qlonglong(42))), S("42"));
    EXPECT_EQ(finance::fieldText(QVariant::fromValue(D("12,500"))), S("12,5"));
    EXPECT_EQ(finance::fieldText(QVariant::fromValue(D("12"))), S("12"));
    EXPECT_EQ(finance::fieldText(QVariant::fromValue(D("1234567,89"))), S("1234567,89"));
    EXPECT_EQ(finance::fieldText(QVariant::fromValue(D("-0,05"))), S("-0,05"));
    EXPECT_EQ(finance::fieldText(QVariant(QDate(2024, 3, 5))), S("05/03/24"));
    EXPECT_EQ(finance::fieldText(QVariant(QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9)))), S("05/03/24 14:07:09"));
    EXPECT_EQ(finance::fieldText(QVariant(S("texto"))), S("texto"));
}

TEST(ProductImportRules, EachOutsideRowAsTheImportWritesIt)
{
    struct Case {
        QVariant code, description, unit, price, cost;
        const char* wantCode; const char* wantName; const char* wantUnit; const char* wantPrice; const char* wantCost;
    };
    const QString name45 = S("PRODUTO COM UM NOME QUE TEM QUARENTA E CINCO!");
    ASSERT_EQ(name45.size(), 45);
    const Case cases[] = {
        {qlonglong(7), S("COCA"), S("UNID"), QVariant::fromValue(D("12,3456")), QVariant::fromValue(D("5,004")),
         "000007", "COCA", "UN", "12,35", "5"},
        {qlonglong(1234567), S("X"), S("KG"), QVariant::fromValue(D("1")), QVariant(),
         "1234567", "X", "KG", "1", "0"},
        {S("42"), name45, S("L"), QVariant::fromValue(D("0,005")), QVariant::fromValue(D("0,004")),
         "000042", "PRODUTO COM UM NOME QUE TEM QUARENTA E ", "L", "0,01", "0"},
        {QVariant::fromValue(D("8")), S("COPO D'ÁGUA"), QVariant(), QVariant(), QVariant(),
         "000008", "COPO D'ÁGUA", "", "0", "0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.wantCode);
        const ImportedProduct p = ProductImport::productOf(c.code, c.description, c.unit, c.price, c.cost);
        EXPECT_EQ(p.code, S(c.wantCode));
        EXPECT_EQ(p.name, S(c.wantName));
        EXPECT_EQ(p.unit, S(c.wantUnit));
        EXPECT_EQ(p.price, D(c.wantPrice));
        EXPECT_EQ(p.cost, D(c.wantCost));
    }
    EXPECT_EQ(ProductImport::productOf(qlonglong(1), name45, {}, {}, {}).name.size(), 39);
}

TEST(ProductImportRules, ACodeThatIsNoWholeNumberOrTooLongOrATextTheDatabaseCannotHoldRefuses)
{
    const QVariant bad[] = {QVariant(), QVariant(S("")), QVariant(S("12A")), QVariant(S("1,5")),
                            QVariant::fromValue(D("7,5")), QVariant(S("'; drop table produtos --")),
                            QVariant(S("1e20")), QVariant(S("123456789012345678901"))};
    for (const QVariant& code : bad)
        EXPECT_THROW(ProductImport::productOf(code, S("X"), S("UN"), {}, {}), ImportRefused) << code.toString().toStdString();
    EXPECT_THROW(ProductImport::productOf(qlonglong(123456789012345LL), S("X"), S("UN"), {}, {}), ImportRefused);
    EXPECT_EQ(ProductImport::productOf(qlonglong(12345678901234LL), S("X"), S("UN"), {}, {}).code, S("12345678901234"));
    EXPECT_EQ(ProductImport::productOf(qlonglong(-5), S("X"), S("UN"), {}, {}).code, S("-000005"));
    EXPECT_THROW(ProductImport::productOf(qlonglong(1), S("COPO 🍺"), S("UN"), {}, {}), ImportRefused);
}

TEST(LabelRules, CopyChoicesAndTheirCounts)
{
    const QStringList choices = labeltext::copyChoices();
    ASSERT_EQ(choices.size(), 16);
    EXPECT_EQ(choices.first(), S("01 de cada"));
    EXPECT_EQ(choices.at(1), S("04 de cada"));
    EXPECT_EQ(choices.at(2), S("08 de cada"));
    EXPECT_EQ(choices.last(), S("60 de cada"));
    for (int i = 0; i < choices.size(); ++i)
        EXPECT_EQ(BarcodeLabels::copiesOf(i), choices.at(i).left(2).toInt()) << i;
}

TEST(LabelRules, MailingValuesTakeTheirDefaultsWhenNotAWholeNumberWithinAPage)
{
    struct Case { const char* typed; int height; int margin; int filter; };
    const Case cases[] = {
        {"95", 95, 95, 95},       {" 120 ", 120, 7, 120},   {"abc", 95, 7, 0},
        {"", 95, 7, 0},           {"1e20", 95, 7, 0},       {"-5", 95, 7, 0},
        {"0", 95, 0, 0},          {"99999999999", 95, 7, 0}, {"'; delete from clientes", 95, 7, 0},
        {"12,5", 95, 7, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        EXPECT_EQ(MailingLabels::labelHeight(S(c.typed)), c.height);
        EXPECT_EQ(MailingLabels::topMargin(S(c.typed)), c.margin);
        EXPECT_EQ(MailingLabels::filterValue(S(c.typed)), c.filter);
    }
}

TEST(AnniversaryRules, TheDayOfTheYearAnd29February)
{
    EXPECT_EQ(Anniversaries::dayInYear(QDate(1980, 3, 7), 2025), QDate(2025, 3, 7));
    EXPECT_EQ(Anniversaries::dayInYear(QDate(1980, 2, 29), 2025), QDate(2025, 2, 28));
    EXPECT_EQ(Anniversaries::dayInYear(QDate(1980, 2, 29), 2024), QDate(2024, 2, 29));
    EXPECT_EQ(Anniversaries::dayInYear(QDate(1999, 12, 31), 2024), QDate(2024, 12, 31));
    EXPECT_FALSE(Anniversaries::dayInYear(QDate(), 2024).isValid());
    EXPECT_EQ(Anniversaries::dayText(QDate(1980, 3, 7)), S("Dia:07 Mes: 03"));
    EXPECT_EQ(Anniversaries::dayText(QDate(1980, 12, 25)), S("Dia:25 Mes: 12"));
}

TEST(CostCentreRules, TheListTextAndTheCodeItNames)
{
    EXPECT_EQ(CostCentreOutflow::costCentreText(3, S("COZINHA")), S("0003  -  COZINHA"));
    EXPECT_EQ(CostCentreOutflow::costCentreText(12345, S("X")), S("12345  -  X"));
    EXPECT_EQ(CostCentreOutflow::costCentreCode(S("0003  -  COZINHA")), std::optional<qint64>(3));
    EXPECT_EQ(CostCentreOutflow::costCentreCode(S("")), std::nullopt);
    EXPECT_EQ(CostCentreOutflow::costCentreCode(S("    -  X")), std::nullopt);
}
