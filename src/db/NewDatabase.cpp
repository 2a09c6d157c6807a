#include "db/NewDatabase.h"
#include "db/Schema.h"
#include "db/UnitLogon.h"

#include <ibase.h>

namespace newdb {

void createDatabaseFile(const QString& databaseName)
{
    // Paths are the program's own; a quote would end the literal, so refuse it.
    if (databaseName.contains(QLatin1Char('\'')))
        throw DbError(QStringLiteral("Nome de banco de dados inválido: %1").arg(databaseName));
    const QByteArray sql = QStringLiteral(
        "CREATE DATABASE '%1' USER '%2' PASSWORD '%3' PAGE_SIZE 16384 DEFAULT CHARACTER SET WIN1252")
        .arg(databaseName, QString::fromLatin1(TLogon::kUser), QString::fromLatin1(TLogon::kPassword))
        .toUtf8();
    ISC_STATUS_ARRAY status;
    isc_db_handle db = 0;
    isc_tr_handle tr = 0;
    if (isc_dsql_execute_immediate(status, &db, &tr, 0, sql.constData(), 3, nullptr)) {
        char buffer[512];
        QString message;
        const ISC_STATUS* p = status;
        while (fb_interpret(buffer, sizeof buffer, &p))
            message += QString::fromLocal8Bit(buffer) + QLatin1Char(' ');
        throw DbError(message.trimmed());
    }
    isc_detach_database(status, &db);
}

void createSchema(TLogon& logon)
{
    for (const schema::Generator& g : schema::generators())
        logon.run(QStringLiteral("CREATE GENERATOR %1").arg(QString::fromLatin1(g.name)));
    for (const schema::Table& t : schema::tables()) {
        logon.run(schema::createTableSql(t));
        if (t.primaryKey && !schema::keyInCreate(t))
            logon.run(schema::addPrimaryKeySql(t));
    }
    for (const schema::Index& i : schema::indexes())
        logon.run(schema::createIndexSql(i));
    for (const schema::Table& t : schema::tables()) {
        const QString trigger = schema::createTriggerSql(t);
        if (!trigger.isEmpty())
            logon.run(trigger);
    }
    for (const schema::Trigger& t : schema::triggers())
        logon.run(t.sql);
}

void seedInstallation(TLogon& logon, const Company& company)
{
    logon.action([&] {
        logon.run(QStringLiteral("INSERT INTO GERAID (ID) VALUES (0)"));
        logon.run(QStringLiteral("INSERT INTO EMPRESA (EMPRESA, ENDERECO, CIDADE, ESTADO, SCC4, SCC5, TITULO) "
                                 "VALUES (?, ?, ?, ?, 0, 0, ?)"),
                  {company.name, company.address, company.city, company.state, QStringLiteral("MESA")});
        logon.run(QStringLiteral("INSERT INTO MILTREX (ID, NOME, SENHA, MASTER, SISTEMA) "
                                 "VALUES (GEN_ID(SENHA,1), ?, ?, 'S', ?)"),
                  {QString::fromLatin1(kSupervisorName), QString::fromLatin1(kSupervisorPassword),
                   // every right but the two single-purpose station bits
                   65535 - 256 - 32768});
        logon.run(QStringLiteral("INSERT INTO FORMAPAGA (ID, NOME, BX, CD, DAV) VALUES (GEN_ID(FORMAPAGA,1), ?, 'S', 1, 'N')"),
                  {QStringLiteral("Dinheiro")});
        logon.run(QStringLiteral("INSERT INTO CLIENTES (CODIGO, NOME, LIMITE, FIDELIDADE) VALUES (1, ?, 0, 0)"),
                  {QStringLiteral("CLIENTE CONSUMIDOR")});
        // the cash shift's one row, closed: the first opening has a row to hold
        logon.run(QStringLiteral("INSERT INTO CONTCAIXA (CAIXA, NUMEDADOR) VALUES (0, 0)"));
    });
}

void takeTurnCreating(TLogon& logon)
{
    logon.run(QStringLiteral("SELECT ID FROM GERAID WITH LOCK"));
}

bool ensureCashShiftRow(TLogon& logon)
{
    if (integerOf(logon.scalar(QStringLiteral("SELECT COUNT(*) FROM CONTCAIXA"))) > 0)
        return false;
    return logon.action([&] {
        // Nothing to lock in an empty table: GERAID's one row stands in for it, so
        // of stations finding it empty at once, one writes the row and the others,
        // run again once it committed, find it.
        takeTurnCreating(logon);
        if (integerOf(logon.scalar(QStringLiteral("SELECT COUNT(*) FROM CONTCAIXA"))) > 0)
            return false;
        logon.run(QStringLiteral("INSERT INTO CONTCAIXA (CAIXA, NUMEDADOR) VALUES (0, 0)"));
        return true;
    });
}

void createInstallation(const QString& databaseName, const Company& company)
{
    createDatabaseFile(databaseName);
    TLogon logon;
    if (!logon.connectTo(databaseName))
        throw DbError(logon.lastError());
    createSchema(logon);
    seedInstallation(logon, company);
}

} // namespace newdb
