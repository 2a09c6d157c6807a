#pragma once
// Where every benchmark runs: a new installation's database on this station, then,
// when SABREL22_TEST_SERVER names one, a new one on that server (in
// SABREL22_TEST_SERVER_DIR), removed afterwards.
#include "db/NewDatabase.h"
#include "db/UnitLogon.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <functional>

// The benchmark's attachment to `db`; false, with the reason printed, when it fails.
inline bool connected(TLogon& logon, const QString& db)
{
    if (logon.connectTo(db))
        return true;
    std::fprintf(stderr, "%s\n", qPrintable(logon.lastError()));
    return false;
}

// The line a benchmark prints in place of the server's figures.
inline void sayNoServer()
{
    std::printf("servidor: sem servidor (defina SABREL22_TEST_SERVER e SABREL22_TEST_SERVER_DIR)\n");
}

// run(where, databaseName) is called once per database.
inline void onEachDatabase(const QString& localPath, const std::function<void(const char*, const QString&)>& run)
{
    QDir().mkpath(QFileInfo(localPath).absolutePath());
    newdb::createInstallation(localPath);
    run("embutido", localPath);

    const QString server = qEnvironmentVariable("SABREL22_TEST_SERVER");
    if (server.isEmpty()) {
        sayNoServer();
        return;
    }
    const QString dir = qEnvironmentVariable("SABREL22_TEST_SERVER_DIR", QStringLiteral("/tmp"));
    const QString path = dir + QStringLiteral("/bench-%1.fdb").arg(QCoreApplication::applicationPid());
    QFile::remove(path);
    newdb::createInstallation(server + QLatin1Char(':') + path);
    run("servidor local", server + QLatin1Char(':') + path);
    QFile::remove(path);
}
