// Start-up rules that need neither a database nor a window.
#include "TestStation.h"
#include "shell/Credentials.h"
#include "shell/Startup.h"
#include "db/UnitLogon.h"
#include "platform/InstanceLock.h"
#include "platform/LineFile.h"
#include "platform/StationPaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <csignal>
#include <sys/resource.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

TEST(ServerAddress, SettlesAsTheStationsAlwaysHave)
{
    struct Case { const char* pln; std::optional<QString> setupRede; const char* expected; };
    const Case cases[] = {
        {"nil", QStringLiteral("192.168.0.10"), ""},          // "nil": local, file not read
        {"  nil  ", QStringLiteral("192.168.0.10"), ""},
        {"12345", QStringLiteral("192.168.0.10"), ""},        // fewer than 6: file not read, dropped
        {"servidor1", std::nullopt, ""},                      // does not begin with a digit
        {"192.168.0.9", QStringLiteral("192.168.0.10"), "192.168.0.10"},
        {"192.168.0.9", QStringLiteral("   "), "192.168.0.9"},// blank first line keeps the library's
        {"192.168.0.9", std::nullopt, "192.168.0.9"},
        {"1.2.3.4", std::nullopt, ""},                        // 7 characters: dropped
        {"1.2.3.45", std::nullopt, "1.2.3.45"},               // 8 stay
        {"192.168.0.9", QStringLiteral("servidor"), ""},      // the file's line is checked too
    };
    for (const Case& c : cases)
        EXPECT_EQ(TLogon::settleServerAddress(QString::fromLatin1(c.pln), c.setupRede), QString::fromLatin1(c.expected))
            << c.pln;
}

TEST(ServerAddress, DatabaseNameIsLocalFileOrServerPath)
{
    TestStation st(false);
    EXPECT_EQ(TLogon::databaseNameFor(QString()), st.root() + QStringLiteral("/Miltrex/Vavoz/RUZUZIDEDI22.FDB"));
    st.writeFile(QStringLiteral("estacao.ini"), {QStringLiteral("192.168.0.9"), QString(), QStringLiteral("/srv/db/R.FDB")});
    EXPECT_EQ(TLogon::databaseNameFor(QStringLiteral("192.168.0.9")), QStringLiteral("192.168.0.9:/srv/db/R.FDB"));
}

TEST(ExecSqlOnDataset, NamesSelectTheirQueryWithoutRegardToCase)
{
    const std::pair<const char*, const char*> cases[] = {
        {"Pesquisa", "Pesquisa"}, {"PESQUISA", "Pesquisa"}, {"pesquisa", "Pesquisa"},
        {"formapaga", "Atualiza"}, {"cliente", "Atualiza"}, {"tipo", "Atualiza"},
        {"Atualiza", "Atualiza"}, {"atualiza2", "Atualiza2"}, {"despesas", "Despesas"},
        {"Entrega", "ENTREGA"}, {"DeliItem", "DELIITEM"}, {" Pesquisa", "Atualiza"},
    };
    for (const auto& [name, component] : cases)
        EXPECT_EQ(TLogon::componentForName(QString::fromLatin1(name)), QString::fromLatin1(component)) << name;
}

TEST(Credentials, MatchTrimmedAndUpperCasedInAToZOnly)
{
    struct Case { const char* typedName; const char* typedPw; const char* name; const char* pw; bool match; };
    const Case cases[] = {
        {"maria ", "abc", "Maria", "abc", true},
        {"MARIA", "ABC", "maria", "abc", true},         // stored lower-case a-z matches capitals
        {"JOÃO", "1", "joão", "1", false},              // stored lower-case ã never matches
        {"JOÃO", "1", "JOÃO", "1", true},
        {"", "", "", "", false},                        // a blank name never logs in
        {"   ", "x", "   ", "x", false},
        {"ANA", "1", "ANA", "2", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(credentialsMatch(QString::fromUtf8(c.typedName), QString::fromUtf8(c.typedPw),
                                   QString::fromUtf8(c.name), QString::fromUtf8(c.pw)), c.match)
            << c.typedName << "/" << c.name;
}

TEST(StationFiles, TerminalNumberAndPitchCode)
{
    TestStation st(false);
    EXPECT_EQ(startup::readTerminalNumber(), QStringLiteral("01"));      // no file
    const std::pair<QStringList, const char*> terminals[] = {
        {{QStringLiteral("3")}, "3"}, {{QStringLiteral("abc")}, "01"}, {{}, "01"}, {{QStringLiteral("12")}, "12"},
    };
    for (const auto& [lines, expected] : terminals) {
        st.writeFile(QStringLiteral("terminal.ini"), lines);
        EXPECT_EQ(startup::readTerminalNumber(), QString::fromLatin1(expected));
    }

    EXPECT_EQ(startup::condensedOnCode(), QString(QChar(0x12)));         // no file
    const std::pair<QStringList, QString> pitch[] = {
        {{QStringLiteral("x"), QStringLiteral("1")}, QStringLiteral("\x1b(s10h")},
        {{QStringLiteral("x"), QStringLiteral("1 ")}, QString(QChar(0x12))},
        {{QStringLiteral("x"), QStringLiteral("0")}, QString(QChar(0x12))},
        {{QStringLiteral("1")}, QString(QChar(0x12))},
    };
    for (const auto& [lines, expected] : pitch) {
        st.writeFile(QStringLiteral("c:\\Miltrex\\MrxSETUP.INI"), lines);
        EXPECT_EQ(startup::condensedOnCode(), expected);
    }
}

TEST(StationFiles, TerminalAnswerRules)
{
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"7", "02", "07"}, {"12", "02", "12"}, {"123", "02", "123"},
        {"x", "02", "02"}, {"x", "abc", "1"},
    };
    for (const auto& [answer, current, expected] : cases)
        EXPECT_EQ(startup::terminalFromAnswer(QString::fromLatin1(answer), QString::fromLatin1(current)),
                  QString::fromLatin1(expected)) << answer;
}

TEST(StationPaths, WindowsNamesMapWithoutRegardToCase)
{
    TestStation st(false);
    st.writeFile(QStringLiteral("c:\\Miltrex\\vavoz\\fechasim.INI"), {QStringLiteral("S")});
    // Another spelling of the same folder and file finds the same file.
    EXPECT_EQ(station::path(u"C:\\MILTREX\\VAVOZ\\FECHASIM.ini"), station::path(u"c:\\Miltrex\\vavoz\\fechasim.INI"));
    EXPECT_TRUE(station::path(u"C:\\MILTREX\\VAVOZ\\FECHASIM.ini").endsWith(QLatin1String("/fechasim.INI")));
    EXPECT_EQ(st.readFile(QStringLiteral("c:/miltrex/VAVOZ/fechasim.ini")), QStringList{QStringLiteral("S")});
    // Bare names live in the program folder; real absolute paths stay as they are.
    EXPECT_EQ(station::path(u"terminal.ini"), st.root() + QStringLiteral("/programa/terminal.ini"));
    EXPECT_EQ(station::path(u"/home/x/logo.png"), QStringLiteral("/home/x/logo.png"));
}

TEST(InstanceLock, SecondCopyRefusedAndDeadHolderReleases)
{
    TestStation st(false);
    {
        InstanceLock first(QStringLiteral("InstanciaIniciadaSabrel22"));
        ASSERT_TRUE(first.tryAcquire());
        InstanceLock second(QStringLiteral("InstanciaIniciadaSabrel22"));
        EXPECT_FALSE(second.tryAcquire());
    }
    // A copy that dies holding the lock does not block the next start.
    pid_t child = fork();
    if (child == 0) {
        InstanceLock held(QStringLiteral("InstanciaIniciadaSabrel22"));
        _exit(held.tryAcquire() ? 0 : 1);   // dies without releasing anything
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_EQ(WEXITSTATUS(status), 0);
    InstanceLock next(QStringLiteral("InstanciaIniciadaSabrel22"));
    EXPECT_TRUE(next.tryAcquire());
}

TEST(StationFiles, ASaveCutShortLeavesAFileTheNextStartRemoves)
{
    TestStation st(false);
    const QString setup = station::pathForWriting(u"c:\\Miltrex\\vavoz\\setup.INI");
    LineFile::save(setup, {QStringLiteral("Taxa Servico"), QStringLiteral("10")});
    // A station killed in the middle of a save (here: past the size a file may have,
    // which ends the process as a power failure ends the program).
    const QStringList longer(40, QString(80, QLatin1Char('x')));
    for (int i = 0; i < 2; ++i) {
        const pid_t child = fork();
        if (child == 0) {
            rlimit none{0, 0}, small{64, 64};
            ::setrlimit(RLIMIT_CORE, &none);
            ::setrlimit(RLIMIT_FSIZE, &small);
            LineFile::save(setup, longer);
            _exit(0);
        }
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ) << status;
    }
    QDir vavoz(QFileInfo(setup).absolutePath());
    vavoz.setNameFilters({QStringLiteral("*.INI*"), QStringLiteral(".*")});   // the folder holds the database too
    vavoz.setFilter(QDir::Files | QDir::Hidden);
    vavoz.setSorting(QDir::Name);
    EXPECT_EQ(vavoz.entryList().size(), 3) << vavoz.entryList().join(u' ').toStdString();
    EXPECT_EQ(LineFile::load(setup)->line(1), QStringLiteral("10"));   // the old file stays whole

    // Files of the user's own beside them, and one left in the program folder.
    for (const QString& other : {vavoz.filePath(QStringLiteral(".leiame")), vavoz.filePath(QStringLiteral(".copia.backup")),
                                 vavoz.filePath(QStringLiteral("setup.INI.Ab12Cd"))}) {
        QFile f(other);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    QDir().mkpath(station::programFolder());
    QFile left(QDir(station::programFolder()).filePath(QStringLiteral(".terminal.ini.Zz09Qq")));
    ASSERT_TRUE(left.open(QIODevice::WriteOnly));
    left.close();

    EXPECT_EQ(startup::removeUnfinishedSaves(), 3);
    vavoz.refresh();
    EXPECT_EQ(vavoz.entryList(), (QStringList{QStringLiteral(".copia.backup"), QStringLiteral(".leiame"), QStringLiteral("setup.INI"),
                                 QStringLiteral("setup.INI.Ab12Cd")}));
    EXPECT_TRUE(QDir(station::programFolder()).entryList(QDir::Files | QDir::Hidden).isEmpty());
    EXPECT_EQ(startup::removeUnfinishedSaves(), 0);
}
