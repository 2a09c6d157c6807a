// The program ends when the system asks: the real program (build/sabrel22) on a
// station of its own, made by the installer, gets SIGTERM, SIGINT or SIGHUP at its
// main window, at its login window and while a sale is being written. Each time it
// ends with status 0 within two seconds, the database is sound (gfix), the exit is
// recorded as "Sair" records it, and a second start finds the tabs and the sale as
// they were committed. The keys of SABREL22_TECLAS log in and pay as a user does.
#include "ClosingSeeds.h"
#include "TestStation.h"
#include "cash/CashShift.h"
#include "platform/QuitSignals.h"

#include <QCoreApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>

using seeds::D;

namespace {

QString S(const char* s) { return QString::fromUtf8(s); }

constexpr int kExitLimitMs = 2000;

// A station the installer prepared, in a folder of its own.
class Station {
public:
    Station()
    {
        QProcess install;
        install.setProcessEnvironment(environment());
        install.start(QStringLiteral(SABREL22_INSTALLER),
                      {S("--empresa"), S("Cantina do Porto"), S("--endereco"), S("Rua das Flores, 12"), S("--cidade"),
                       S("Santos"), S("--estado"), S("SP")});
        install.closeWriteChannel();
        if (!install.waitForFinished(120000) || install.exitCode() != 0)
            ADD_FAILURE() << "the installer failed: " << install.readAll().toStdString();
    }

    QString database() const { return m_root.filePath(S("Miltrex/vavoz/RUZUZIDEDI22.FDB")); }

    QProcessEnvironment environment() const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(S("SABREL22_ESTACAO"), m_root.path());
        env.insert(S("QT_QPA_PLATFORM"), S("offscreen"));
        env.remove(S("SABREL22_PARAR_NO_LOGIN"));
        env.remove(S("SABREL22_TECLAS"));
        return env;
    }

    // What the station's database holds, read by an attachment that goes before the
    // program starts again (one process at a time opens a station's file).
    template <class F>
    auto read(F&& reading)
    {
        std::unique_ptr<TLogon> l = attachStation(database());
        auto result = reading(*l);
        l->close();
        return result;
    }

    void writeFile(const char* name, const QStringList& lines)
    {
        QFile f(m_root.filePath(S("Miltrex/vavoz/") + S(name)));
        if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            f.write(lines.join(S("\r\n")).toLatin1() + "\r\n");
    }

private:
    QTemporaryDir m_root;
};

// The program running on a station, its standard output read as it comes.
class Program {
public:
    Program(const Station& station, const QString& keys, bool stopAtLogin = false)
    {
        QProcessEnvironment env = station.environment();
        if (stopAtLogin)
            env.insert(S("SABREL22_PARAR_NO_LOGIN"), S("1"));
        else
            env.insert(S("SABREL22_TECLAS"), keys);
        m_process.setProcessEnvironment(env);
        m_process.setProcessChannelMode(QProcess::MergedChannels);
        m_process.start(QStringLiteral(SABREL22_PROGRAM), {});
        m_process.closeWriteChannel();
    }
    ~Program()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(5000);
        }
    }

    // True once the program said `line` (within the time given).
    bool says(const char* line, int ms = 60000)
    {
        QElapsedTimer clock;
        clock.start();
        while (!m_output.contains(QByteArray(line) + '\n')) {
            if (clock.elapsed() > ms || m_process.state() == QProcess::NotRunning)
                return false;
            m_process.waitForReadyRead(100);
            m_output += m_process.readAll();
        }
        return true;
    }

    // Sends the signal; the milliseconds until the program ended (-1: it did not).
    qint64 endWith(int signal)
    {
        ::kill(pid_t(m_process.processId()), signal);
        QElapsedTimer clock;
        clock.start();
        if (!m_process.waitForFinished(15000))
            return -1;
        m_output += m_process.readAll();
        return clock.elapsed();
    }

    // Sends the signal: the program ends with status 0 within the limit.
    void expectEndsOn(int signal)
    {
        const qint64 ms = endWith(signal);
        if (ms < 0) {
            ADD_FAILURE() << "the program did not end";
            return;
        }
        EXPECT_LT(ms, kExitLimitMs);
        EXPECT_TRUE(endedNormally()) << output();
        EXPECT_EQ(exitCode(), 0) << output();
    }

    bool endedNormally() const { return m_process.exitStatus() == QProcess::NormalExit; }
    int exitCode() const { return m_process.exitCode(); }
    std::string output() const { return m_output.toStdString(); }

private:
    QProcess m_process;
    QByteArray m_output;
};

// gfix's validation of the whole database: no output and status 0 when sound.
void expectSound(const Station& station)
{
    QProcess gfix;
    gfix.setProcessChannelMode(QProcess::MergedChannels);
    gfix.start(S("gfix"), {S("-v"), S("-full"), S("-user"), S("SYSDBA"), station.database()});
    ASSERT_TRUE(gfix.waitForFinished(120000));
    EXPECT_EQ(gfix.exitCode(), 0);
    EXPECT_EQ(gfix.readAll().trimmed(), QByteArray()) << "gfix found faults";
}

int countOf(TLogon& l, const char* sql, const Params& params = {})
{
    return int(integerOf(l.scalar(S(sql), params)));
}

const QString kLogin = S("SUPERVISOR{Enter}1234{Enter}");

} // namespace

// At the main window, after a log-in: each signal ends the program as "Sair" does.
TEST(QuitSignals, EachSignalEndsTheProgramAtItsMainWindowAsItsExitDoes)
{
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        SCOPED_TRACE(signal);
        Station station;
        station.read([](TLogon& l) {
            seeds::openTab(l, S("000007"));
            seeds::addItem(l, S("000007"), S("000001"), S("CERVEJA"), D("2"), D("8"));
            return 0;
        });
        {
            Program program(station, kLogin);
            ASSERT_TRUE(program.says("Teclas digitadas.")) << program.output();
            program.expectEndsOn(signal);
        }
        expectSound(station);
        station.read([](TLogon& l) {
            EXPECT_EQ(countOf(l, "select count(*) from HISTORICO where ACAO = 'Entrou Programa'"), 1);
            EXPECT_EQ(countOf(l, "select count(*) from HISTORICO where ACAO = 'Saiu Programa'"), 1);
            EXPECT_EQ(countOf(l, "select count(*) from MESA where MESA = '000007'"), 1);
            return 0;
        });
        // the next start opens the station as usual
        Program again(station, QString(), true);
        EXPECT_TRUE(again.says("Janela de login aberta.")) << again.output();
    }
}

// At the login window, a modal window: it closes and the program ends.
TEST(QuitSignals, TheLoginWindowClosesAndTheProgramEnds)
{
    Station station;
    Program program(station, QString());
    ASSERT_TRUE(program.says("Teclas digitadas.")) << program.output();
    program.expectEndsOn(SIGTERM);
    expectSound(station);
}

// The signal arrives while a sale is being written (the payment's closing, inside its
// one action): the sale is written whole, then the program ends.
TEST(QuitSignals, ASaleBeingWrittenIsWrittenWholeThenTheProgramEnds)
{
    Station station;
    station.writeFile("fechasim.INI", {S("N")});
    station.read([](TLogon& l) {
        CashShift(l).open(QDate::currentDate(), D("0"), S("ANA"), S("SUPERVISOR"));
        // a cashier whose station is the sales screen alone: sales screen, close a sale, close a tab
        l.run(S("insert into MILTREX (ID, NOME, SENHA, MASTER, SISTEMA) values (GEN_ID(SENHA,1), 'CAIXA', '1', 'N', ?)"),
              {256 | 32 | 8192});
        seeds::openTab(l, S("000005"));
        seeds::addItem(l, S("000005"), S("000001"), S("CERVEJA"), D("2"), D("8"));
        seeds::openTab(l, S("000006"));
        seeds::addItem(l, S("000006"), S("000002"), S("SUCO"), D("1"), D("6"));
        return 0;
    });
    {
        // log in, take table 5, F9 pays it in cash (the bill's own amount), F11 closes it
        Program program(station, S("CAIXA{Enter}1{Enter}5{Enter}{F9}{Enter}{Enter}{Enter}{Enter}{Enter}{Enter}"
                                   "{Espera}{F11}"));
        ASSERT_TRUE(program.says("Gravação em andamento.")) << program.output();
        program.expectEndsOn(SIGTERM);
    }
    expectSound(station);
    station.read([](TLogon& l) {
        EXPECT_EQ(countOf(l, "select count(*) from FATURA"), 1);
        EXPECT_EQ(countOf(l, "select count(*) from RECARQ"), 1);
        EXPECT_EQ(countOf(l, "select count(*) from CABMESA where MESA = '000005'"), 0);
        EXPECT_EQ(countOf(l, "select count(*) from MESA where MESA = '000005'"), 0);
        EXPECT_EQ(countOf(l, "select count(*) from MESA where MESA = '000006'"), 1) << "the other tab stays";
        return 0;
    });
}

// In the program's own process: the handlers only wake the event loop, which then
// reads each signal once; the database engine's handlers give way to them again.
TEST(QuitSignals, TheHandlerWakesTheLoopWithEachSignal)
{
    std::vector<int> seen;
    {
        QuitSignals quit([&](int s) { seen.push_back(s); });
        TestStation st;   // an attachment: the engine has put its own handlers on
        quit.install();
        for (int s : {SIGTERM, SIGINT, SIGHUP})
            ::raise(s);
        EXPECT_TRUE(QuitSignals::arrived());
        QElapsedTimer clock;
        clock.start();
        while (seen.size() < 3 && clock.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    EXPECT_EQ(seen, (std::vector<int>{SIGTERM, SIGINT, SIGHUP}));
}
