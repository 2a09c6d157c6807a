// Prepares a station: its folders and, when it has none yet, a new local database
// holding the full schema and the rows an installation needs.
//
//   sabrel22-instalar            the station of $SABREL22_ESTACAO (or the default root)
//   sabrel22-instalar DATABASE   a database file or "host:path" on a server
#include "db/NewDatabase.h"
#include "db/UnitLogon.h"
#include "platform/FirebirdEnv.h"
#include "platform/StationPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <cstdio>

int main(int argc, char* argv[])
{
    prepareFirebirdEnvironment();
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const bool local = args.size() < 2;
    const QString database = local ? TLogon::databaseNameFor(QString()) : args.at(1);
    if (local) {
        QDir().mkpath(station::programFolder());
        QDir().mkpath(QFileInfo(database).absolutePath());
        if (QFileInfo::exists(database)) {
            std::printf("Estação pronta: %s\n", qPrintable(station::root()));
            return 0;
        }
    }
    try {
        newdb::createInstallation(database);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "Erro ao criar o banco de dados: %s\n", e.what());
        return 1;
    }
    std::printf("Banco de dados criado: %s\nUsuário %s, senha %s\n", qPrintable(database),
                newdb::kSupervisorName, newdb::kSupervisorPassword);
    return 0;
}
