#pragma once
// The frame of a benchmark program: Firebird's environment, the Qt application
// (offscreen widgets when it opens windows), a station root of its own for station
// "01" of "EMPRESA DO ANO", and the body's exit code (an error it throws printed,
// 1). onYearDatabases() runs a benchmark on the generated year (BenchYear.h), then
// on its copy on the test server.
#include "BenchDatabases.h"
#include "BenchYear.h"
#include "core/Globals.h"
#include "platform/FirebirdEnv.h"
#include "platform/StationPaths.h"

#include <QApplication>
#include <QCoreApplication>
#include <QTemporaryDir>
#include <cstdio>
#include <exception>
#include <functional>
#include <memory>

enum class BenchApp { Console, Windows };

inline int benchMain(int argc, char* argv[], BenchApp kind, const std::function<int(const QString& root)>& body)
{
    if (kind == BenchApp::Windows && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    prepareFirebirdEnvironment();
    std::unique_ptr<QCoreApplication> app;
    if (kind == BenchApp::Windows)
        app = std::make_unique<QApplication>(argc, argv);
    else
        app = std::make_unique<QCoreApplication>(argc, argv);
    QTemporaryDir root;
    station::setRoot(root.path());
    ctx::station().TerminalNumber = QStringLiteral("01");
    ctx::company().CompanyName = QStringLiteral("EMPRESA DO ANO");
    try {
        return body(root.path());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "erro: %s\n", e.what());
        return 1;
    }
}

// run(where, database) on `local` ("embutido": the year's own file or a private copy
// of it), then on a copy of the year on the test server ("servidor local", named
// `serverName`), removed afterwards, when SABREL22_TEST_SERVER names one.
inline void onYearDatabases(const QString& local, const QString& serverName,
                            const std::function<void(const char*, const QString&)>& run)
{
    if (benchyear::yearsOfBusiness() > 1)
        std::printf("%d anos de movimento; os números são do último ano\n", benchyear::yearsOfBusiness());
    run("embutido", local);
    const QString server = benchyear::copyOfYearOnServer(serverName);
    if (server.isEmpty()) {
        sayNoServer();
        return;
    }
    run("servidor local", server);
    benchyear::removeServerCopy(server);
}
