// Start-up benchmark: in one run it reports
//  - start-up time, from process start to the login window, on an up-to-date database
//  - the schema upgrade's time on that database
//  - the database round trips of start-up, and the time of one trivial SELECT
//    never run before (prepare, run, fetch), embedded and on the server
//
//   bench_startup                 (server figures when SABREL22_TEST_SERVER is set)
#include "BenchClock.h"
#include "db/NewDatabase.h"
#include "app/Program.h"
#include "db/SchemaUpgrade.h"
#include "shell/UnSenha.h"
#include "db/UnitLogon.h"
#include "platform/Dialogs.h"
#include "platform/FirebirdEnv.h"
#include "platform/StationPaths.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

// In the child: reaching the login window prints the clock and leaves.
class StopAtLogin : public Dialogs {
public:
    QString message(const QString&, const QString& t, const QString&, const QString&) override
    {
        std::fprintf(stderr, "mensagem: %s\n", qPrintable(t));
        return QStringLiteral("S");
    }
    QString inputBox(const QString&, const QString&, const QString& p) override { return p; }
    int exec(QDialog& w) override
    {
        if (qobject_cast<TFormProtecao*>(&w))
            std::printf("%.3f %lld\n", monotonicMs(), Logon ? (long long)Logon->roundTrips() : -1LL);
        return 0;
    }
    void errorBox(const QString& t) override { std::fprintf(stderr, "erro: %s\n", qPrintable(t)); }
    QString openPictureFile() override { return {}; }
    QString saveFileName(const QString&, const QString&) override { return {}; }
    void beep() override {}
};

double roundTripMs(const QString& databaseName, int runs)
{
    TLogon logon;
    if (!logon.connectTo(databaseName)) {
        std::fprintf(stderr, "%s\n", qPrintable(logon.lastError()));
        return -1;
    }
    std::vector<double> t;
    for (int i = 0; i < runs; ++i) {
        const double a = monotonicMs();
        // a new text each time: prepared, run and fetched, as a first statement is
        logon.scalar(QStringLiteral("SELECT %1 FROM RDB$DATABASE").arg(i));
        t.push_back(monotonicMs() - a);
    }
    return median(t);
}

} // namespace

int main(int argc, char* argv[])
{
    prepareFirebirdEnvironment();
    if (argc > 1 && QByteArray(argv[1]) == "--filho") {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QApplication app(argc, argv);
        StopAtLogin stop;
        setDialogs(&stop);
        return runProgram(app);
    }
    QCoreApplication app(argc, argv);
    QTemporaryDir root;
    station::setRoot(root.path());
    qputenv("SABREL22_ESTACAO", root.path().toLocal8Bit());
    const QString db = TLogon::databaseNameFor(QString());
    QDir().mkpath(QFileInfo(db).absolutePath());
    newdb::createInstallation(db);

    // Start-up: a fresh process each run; the clock is the system's monotonic one.
    std::vector<double> startup;
    long long trips = 0;
    for (int i = 0; i < 11; ++i) {
        QProcess child;
        const double launched = monotonicMs();
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--filho")});
        child.waitForFinished(60000);
        const QList<QByteArray> out = QByteArray(child.readAllStandardOutput()).trimmed().split(' ');
        const double atLogin = out.value(0).toDouble();
        trips = out.value(1).toLongLong();
        if (atLogin <= 0) {
            std::fprintf(stderr, "a partida não chegou ao login: %s\n", child.readAllStandardError().constData());
            return 1;
        }
        if (i > 0)   // the first run warms the disk cache
            startup.push_back(atLogin - launched);
    }

    std::vector<double> upgrade;
    {
        TLogon logon;
        logon.connectTo(db);
        for (int i = 0; i < 30; ++i) {
            const double a = monotonicMs();
            SchemaUpgrade u(logon);
            u.cleanUp();
            u.run();
            upgrade.push_back(monotonicMs() - a);
        }
    }

    const double embedded = roundTripMs(db, 2000);
    std::printf("partida até a janela de login (banco em dia): mediana %.1f ms, %lld idas e voltas ao banco\n",
                median(startup), trips);
    std::printf("atualização do esquema (banco em dia):         mediana %.2f ms\n", median(upgrade));
    std::printf("SELECT trivial novo, embutido:                  mediana %.3f ms\n", embedded);
    const QString server = qEnvironmentVariable("SABREL22_TEST_SERVER");
    if (server.isEmpty()) {
        std::printf("SELECT trivial novo, servidor:                  sem servidor (defina SABREL22_TEST_SERVER)\n");
    } else {
        const QString dir = qEnvironmentVariable("SABREL22_TEST_SERVER_DIR", QStringLiteral("/tmp"));
        const QString remote = server + QLatin1Char(':') + dir + QStringLiteral("/bench.fdb");
        QFile::remove(dir + QStringLiteral("/bench.fdb"));
        newdb::createDatabaseFile(remote);
        const double rt = roundTripMs(remote, 2000);
        std::printf("SELECT trivial novo, servidor:                  mediana %.3f ms\n", rt);
        QFile::remove(dir + QStringLiteral("/bench.fdb"));
    }
    return 0;
}
