// Prepares a station: its folders, the settings files of its printers and, when
// it has none yet, a new database holding the full schema, the rows an
// installation needs and the restaurant's name, address, city and state.
// The options are in app/StationInstall.h (sabrel22-instalar --ajuda).
#include "app/StationInstall.h"
#include "db/DbError.h"
#include "db/UnitLogon.h"
#include "platform/FirebirdEnv.h"
#include "platform/StationPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>
#include <unistd.h>

namespace {

QString header(const newdb::Company& c)
{
    QString text = c.name;
    if (!c.address.isEmpty())
        text += QStringLiteral(", ") + c.address;
    if (!c.city.isEmpty())
        text += QStringLiteral(", ") + c.city;
    if (!c.state.isEmpty())
        text += QStringLiteral(" - ") + c.state;
    return text;
}

} // namespace

int main(int argc, char* argv[])
{
    prepareFirebirdEnvironment();
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const install::Options options = install::parseArguments(app.arguments());
    if (options.help) {
        out << install::usage();
        return 0;
    }
    if (!options.error.isEmpty()) {
        err << options.error << Qt::endl << install::usage();
        return 2;
    }

    try {
        QDir().mkpath(station::programFolder());
        if (install::writeStationSettings())
            out << QStringLiteral("Configuração das impressoras gravada: todas as impressões no visualizador, "
                                  "até que as impressoras sejam escolhidas em \"Configura Impr. Comanda\".")
                << Qt::endl;
    } catch (const std::exception& e) {
        err << QString::fromUtf8(e.what()) << Qt::endl;
        return 1;
    }

    // Named once the settings made the station's folders: "vavoz" and "Vavoz" are one.
    const bool local = options.database.isEmpty();
    const QString database = local ? TLogon::databaseNameFor(QString()) : options.database;
    // A server's database exists when it can be attached.
    TLogon logon;
    bool exists = false;
    if (local) {
        QDir().mkpath(QFileInfo(database).absolutePath());
        exists = QFileInfo::exists(database);
    } else {
        exists = logon.connectTo(database);
    }

    if (options.recalculateTotals) {
        if (!exists) {
            err << QStringLiteral("Banco de dados não encontrado: %1").arg(database) << Qt::endl;
            return 1;
        }
        if (!logon.isOpen() && !logon.connectTo(database)) {
            err << QStringLiteral("Erro ao abrir o banco de dados %1: %2").arg(database, logon.lastError()) << Qt::endl;
            return 1;
        }
        try {
            out << install::recalculateTotals(logon);
        } catch (const DbError& e) {
            err << QStringLiteral("Erro ao recalcular os totais do estoque: %1").arg(e.message()) << Qt::endl;
            return 1;
        }
        return 0;
    }

    if (exists) {
        if (options.any()) {
            if (const QString wrong = install::wrongOption(options); !wrong.isEmpty()) {
                err << wrong << Qt::endl;
                return 2;
            }
            if (!logon.isOpen() && !logon.connectTo(database)) {
                err << QStringLiteral("Erro ao abrir o banco de dados %1: %2").arg(database, logon.lastError()) << Qt::endl;
                return 1;
            }
            try {
                install::updateCompany(logon, options);
            } catch (const DbError& e) {
                err << QStringLiteral("Erro ao gravar os dados da empresa: %1").arg(e.message()) << Qt::endl;
                return 1;
            }
            out << QStringLiteral("Dados da empresa gravados.") << Qt::endl;
        }
        out << QStringLiteral("Estação pronta: %1").arg(station::root()) << Qt::endl;
        return 0;
    }

    QTextStream in(stdin);
    // Answers that come from a pipe are written out, so the questions read as a dialogue.
    const bool echo = !isatty(STDIN_FILENO);
    const std::optional<newdb::Company> company = install::askCompany(options, in, out, echo);
    if (!company)
        return 2;
    try {
        newdb::createInstallation(database, *company);
    } catch (const std::exception& e) {
        err << QStringLiteral("Erro ao criar o banco de dados: %1").arg(QString::fromUtf8(e.what())) << Qt::endl;
        return 1;
    }
    out << QStringLiteral("Banco de dados criado: %1").arg(database) << Qt::endl
        << QStringLiteral("Empresa: %1").arg(header(*company)) << Qt::endl
        << QStringLiteral("Usuário %1, senha %2").arg(QString::fromLatin1(newdb::kSupervisorName),
                                                       QString::fromLatin1(newdb::kSupervisorPassword))
        << Qt::endl;
    return 0;
}
