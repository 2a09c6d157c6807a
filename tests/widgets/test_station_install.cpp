// A new station's installation: the settings files the printer settings window
// writes when it is confirmed as it opens, every printout in the preview until
// the printers are chosen, and the restaurant's name, address, city and state,
// asked once and printed on the headers.
#include "ScriptedDialogs.h"
#include "TestStation.h"
#include "app/StationInstall.h"
#include "tabs/TabVoucher.h"
#include "core/Globals.h"
#include "db/NewDatabase.h"
#include "platform/StationPaths.h"
#include "printing/RoutePrintout.h"
#include "printing/SetComSettings.h"
#include "printing/UnitSetCom.h"
#include "sales/CounterReports.h"
#include "shell/Credentials.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <gtest/gtest.h>

namespace {

const char* const kFiles[] = {SetComSettings::kSetupFile, SetComSettings::kPortsFile, SetComSettings::kFontFile,
                              SetComSettings::kJoinFile, SetComSettings::kMessageFile};

// The five files' bytes; an empty entry for a file that is not there.
QList<QByteArray> settingsBytes()
{
    QList<QByteArray> all;
    for (const char* name : kFiles) {
        QFile f(station::path(QString::fromLatin1(name)));
        all << (f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray());
    }
    return all;
}

// The files of a station where `before` was written, then the settings window
// opened and confirmed at once.
QList<QByteArray> writtenByTheWindow(const std::function<void(TestStation&)>& before)
{
    TestStation st(false);
    ScriptedDialogs d;
    before(st);
    TFormSetCom w;
    w.confirm();
    EXPECT_TRUE(d.errors.isEmpty());
    return settingsBytes();
}

QList<QByteArray> writtenByTheInstallation(const std::function<void(TestStation&)>& before)
{
    TestStation st(false);
    before(st);
    EXPECT_TRUE(install::writeStationSettings());
    return settingsBytes();
}

} // namespace

TEST(StationInstall, SettingsFilesAreThoseTheWindowWritesWhenConfirmedAsItOpens)
{
    const std::vector<std::pair<const char*, std::function<void(TestStation&)>>> stations = {
        {"no file", [](TestStation&) {}},
        {"fonts and ports of an older station", [](TestStation& st) {
             st.writeFile(QString::fromLatin1(SetComSettings::kFontFile), {"16", "26"});
             st.writeFile(QString::fromLatin1(SetComSettings::kPortsFile), {"COM2", "LPT2"});
         }},
    };
    for (const auto& [name, before] : stations) {
        SCOPED_TRACE(name);
        const QList<QByteArray> window = writtenByTheWindow(before);
        const QList<QByteArray> installed = writtenByTheInstallation(before);
        ASSERT_EQ(window.size(), installed.size());
        for (int i = 0; i < window.size(); ++i) {
            EXPECT_FALSE(installed[i].isEmpty()) << kFiles[i];
            EXPECT_EQ(installed[i], window[i]) << kFiles[i];
        }
    }

    // The defaults: every slot on the video, the ports LPT1.
    TestStation st(false);
    ASSERT_TRUE(install::writeStationSettings());
    const QStringList setup = st.readFile(QString::fromLatin1(SetComSettings::kSetupFile));
    ASSERT_EQ(setup.size(), SetComSettings::kSetupLineCount);
    for (int line : {12, 13, 14, 15, 18, 19})
        EXPECT_EQ(setup[line], "VI - Video (Visualiza)") << line;
    EXPECT_EQ(st.readFile(QString::fromLatin1(SetComSettings::kPortsFile)), QStringList(6, "LPT1"));

    // A station whose printers are set keeps its settings.
    QStringList chosen = setup;
    chosen[15] = "Termica Caixa";
    st.writeFile(QString::fromLatin1(SetComSettings::kSetupFile), chosen);
    EXPECT_FALSE(install::writeStationSettings());
    EXPECT_EQ(st.readFile(QString::fromLatin1(SetComSettings::kSetupFile)), chosen);
}

// Until the printers are chosen every printout shows in the preview, whether a
// printer is installed or not: none goes to a printer the user did not choose.
TEST(StationInstall, EveryPrintoutOfANewStationShowsInThePreview)
{
    TestStation st(false);
    ASSERT_TRUE(install::writeStationSettings());
    Printout text;
    text.lines << "CUPOM DE TESTE";
    for (int i = 0; i < kPrinterSlotCount; ++i) {
        const auto slot = PrinterSlot(i);
        for (const bool trim : {true, false}) {
            ScriptedDialogs d;
            RouteOptions options;
            options.monitorTest = SetComSettings::isKitchen(slot);
            options.controlByte = true;
            options.trimKeywords = trim;
            EXPECT_EQ(RoutePrintout(text, slot, options), RouteResult::Previewed) << i;
            EXPECT_EQ(d.windowsShown, QStringList{"TFormVisao"}) << i;
            EXPECT_TRUE(d.errors.isEmpty()) << i;
        }
    }
    ScriptedDialogs d;
    EXPECT_EQ(RouteDeliveryPrintout(text), RouteResult::Previewed);
    EXPECT_EQ(d.windowsShown, QStringList{"TFormVisao"});
    EXPECT_TRUE(d.messages.empty());
}

TEST(StationInstall, CompanyIsAskedForWhatTheOptionsDidNotGive)
{
    struct Case {
        const char* name;
        QStringList arguments;
        QString typed;
        std::optional<newdb::Company> company;
        QStringList said;   // texts the dialogue must hold
    };
    auto company = [](const char* n, const char* a, const char* c, const char* s) {
        return std::optional<newdb::Company>(newdb::Company{QString::fromUtf8(n), QString::fromUtf8(a),
                                                           QString::fromUtf8(c), QString::fromUtf8(s)});
    };
    const QString longName(41, QLatin1Char('A'));
    const std::vector<Case> cases = {
        {"all typed, in capitals", {}, "Cantina d'Ávila\n  Rua das Flores, 12 \nSão Vicente\nsp\n",
         company("CANTINA D'ÁVILA", "RUA DAS FLORES, 12", "SÃO VICENTE", "SP"), {"Nome do restaurante", "Estado"}},
        {"all given", {"--empresa", "Bar do Zé", "--endereco=Av. Brasil 1", "--cidade", "Rio", "--estado", "rj"}, "",
         company("BAR DO ZÉ", "AV. BRASIL 1", "RIO", "RJ"), {}},
        {"the name given, the rest left blank", {"--empresa", "Bar"}, "\n\n\n", company("BAR", "", "", ""), {"Cidade"}},
        {"the input ends after the name", {}, "Bar\n", company("BAR", "", "", ""), {}},
        {"a blank name is asked again", {}, "\n   \nBar\n\n\n\n", company("BAR", "", "", ""), {"obrigatório"}},
        {"wrong values are asked again", {},
         QStringLiteral("%1\nBar\n%2\nRua 1\nCidade de nome longo demais\nSantos\nXX\n'; drop table empresa; --\n"
                        "Bar 😀\nsp\n").arg(longName, longName),
         company("BAR", "RUA 1", "SANTOS", "SP"), {"no máximo 40", "no máximo 20", "unidade da federação"}},
        {"characters the database cannot store", {}, "Bar 😀\nBar\n\n\n\n", company("BAR", "", "", ""),
         {"não guarda"}},
        {"SQL in a name is a name", {}, "'; DELETE FROM EMPRESA; --\n\n\n\n",
         company("'; DELETE FROM EMPRESA; --", "", "", ""), {}},
        {"no name and no input", {}, "", std::nullopt, {"--empresa"}},
        {"a wrong option", {"--empresa", "Bar", "--estado", "São Paulo"}, "", std::nullopt, {"unidade da federação"}},
        {"an option too long", {"--cidade", longName}, "Bar\n\n\n", std::nullopt, {"no máximo 20"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const install::Options options = install::parseArguments(QStringList{"sabrel22-instalar"} + c.arguments);
        ASSERT_TRUE(options.error.isEmpty()) << options.error.toStdString();
        QString typed = c.typed;
        QString said;
        QTextStream in(&typed, QIODevice::ReadOnly);
        QTextStream out(&said, QIODevice::WriteOnly);
        const std::optional<newdb::Company> got = install::askCompany(options, in, out);
        out.flush();
        ASSERT_EQ(got.has_value(), c.company.has_value()) << said.toStdString();
        if (got) {
            EXPECT_EQ(got->name, c.company->name);
            EXPECT_EQ(got->address, c.company->address);
            EXPECT_EQ(got->city, c.company->city);
            EXPECT_EQ(got->state, c.company->state);
        }
        for (const QString& text : c.said)
            EXPECT_TRUE(said.contains(text)) << text.toStdString() << " in: " << said.toStdString();
        if (c.arguments.size() == 8) {
            EXPECT_TRUE(said.isEmpty()) << said.toStdString();   // nothing asked
        }
    }

    const install::Options database = install::parseArguments({"sabrel22-instalar", "--estado", "SP", "10.0.0.2:/db/X.FDB"});
    EXPECT_EQ(database.database, "10.0.0.2:/db/X.FDB");
    EXPECT_EQ(database.state, std::optional<QString>("SP"));
    EXPECT_FALSE(install::parseArguments({"sabrel22-instalar", "--cor", "azul"}).error.isEmpty());
    EXPECT_FALSE(install::parseArguments({"sabrel22-instalar", "a.fdb", "b.fdb"}).error.isEmpty());
    EXPECT_FALSE(install::parseArguments({"sabrel22-instalar", "--empresa"}).error.isEmpty());
}

// What the installation was given heads the receipts and reports from the first
// login on; the options of a later run replace what they name.
TEST(StationInstall, TheCompanyPrintsOnTheHeaders)
{
    TestStation st(false);
    QTemporaryDir dir;
    const QString db = dir.filePath("NOVA.FDB");
    newdb::createInstallation(db, {"CANTINA DO PORTO", "RUA DAS FLORES, 12", "SANTOS", "SP"});
    TLogon logon;
    ASSERT_TRUE(logon.connectTo(db));
    auto login = [&] {
        LoginSession session(logon);
        ASSERT_EQ(session.confirm(QString::fromLatin1(newdb::kSupervisorName), QString::fromLatin1(newdb::kSupervisorPassword)),
                  LoginSession::Outcome::Accepted);
    };
    login();
    const Printout voucher = tabs::voucherHead("RECIBO");
    EXPECT_EQ(voucher.lines.mid(1, 3), (QStringList{"CANTINA DO PORTO", "RUA DAS FLORES, 12", "SANTOS  -  SP"}));
    const CompanyHeader header = CompanyHeader::fromGlobals();
    EXPECT_EQ(header.name, "CANTINA DO PORTO");
    EXPECT_EQ(header.city + header.state, "SANTOSSP");

    install::Options later = install::parseArguments({"sabrel22-instalar", "--cidade", "Guarujá"});
    ASSERT_TRUE(install::wrongOption(later).isEmpty());
    install::updateCompany(logon, later);
    login();
    EXPECT_EQ(tabs::voucherHead("RECIBO").lines.mid(1, 3), (QStringList{"CANTINA DO PORTO", "RUA DAS FLORES, 12", "GUARUJÁ  -  SP"}));
}
