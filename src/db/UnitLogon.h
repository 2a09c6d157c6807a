#pragma once
// The data module: the one database connection of the run and its shared queries.
//
// Windows reach the database through Logon: a named scratch query
// (ExecSqlOnDataset) or a fresh statement (run / scalar). Values always go in as
// bound parameters. A shared query holds only what its last user put there:
// nobody may rely on what another handler left in it.

#include "db/DbError.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>
#include <map>
#include <memory>
#include <optional>

class TLogon {
public:
    // The fixed login of the program's database user.
    static constexpr const char* kUser = "SYSDBA";
    static constexpr const char* kPassword = "plumbgate";
    // The database as the stations name it, mapped to the station root when local.
    static constexpr const char* kLocalDatabase = "c:\\Miltrex\\Vavoz\\RUZUZIDEDI22.FDB";

    enum class StartResult { Connected, NotConnected, Aborted };

    explicit TLogon(const QString& connectionName = QStringLiteral("Logon"));
    ~TLogon();
    TLogon(const TLogon&) = delete;
    TLogon& operator=(const TLogon&) = delete;

    // Data-module creation: settles ServerAddress, connects; on a failed server
    // connection shows the connection-problem window ("Conectar" retries with the
    // local file, "Abortar" gives Aborted). Errors go to the standard error box.
    StartResult DataModuleCreate();

    // Steps 2 to 5 of settling the address, as a plain function:
    // plnText is what the station setting gives; setupRedeFirstLine is the first
    // line of SetupRede.Ini, or nullopt when that file does not exist.
    static QString settleServerAddress(const QString& plnText,
                                       const std::optional<QString>& setupRedeFirstLine);
    // The database name for an address (empty: the local file).
    static QString databaseNameFor(const QString& serverAddress);

    // Opens the connection to a database name ("path" embedded, "host:path" server).
    // Returns false and keeps lastError() on failure.
    bool connectTo(const QString& databaseName);
    bool isOpen() const;
    QString lastError() const { return m_lastError; }
    void close();

    QSqlDatabase database() const;
    QString connectionName() const { return m_connection; }

    QString ServerAddress;

    // --- shared queries -----------------------------------------------------
    // A shared query by its component name ("Atualiza", "Pesquisa", "QGeraId", ...).
    QSqlQuery& dataset(const QString& componentName);
    // The component that ExecSqlOnDataset selects for a name.
    static QString componentForName(const QString& name);

    // Closes the chosen query, replaces its text, and opens ("OPEN") or executes
    // ("EXEC") it; any other mode leaves it closed. Errors raise DbError.
    void ExecSqlOnDataset(const QString& name, const QString& sql, const QString& mode,
                          const QVariantList& params = {});
    // Closes the shared table queries, ignoring errors.
    void CloseSharedDatasets();
    // Closes one shared query (ends its snapshot).
    void closeDataset(const QString& componentName);
    // Opens a shared table query with the text it holds at start ("select * from produtos").
    QSqlQuery& openDataset(const QString& componentName);
    static QString initialSql(const QString& componentName);

    // --- plain statements on a fresh query ----------------------------------
    QSqlQuery run(const QString& sql, const QVariantList& params = {});
    QVariant scalar(const QString& sql, const QVariantList& params = {});
    // "SELECT GEN_ID(<generator>,<step>) AS teste FROM GeraID".
    qint64 GenId(const QString& generator, int step = 1);

private:
    QString m_connection;
    QString m_lastError;
    std::map<QString, std::unique_ptr<QSqlQuery>> m_datasets;
};

// Calculated fields of the shared table queries.
QString CabMesaEstado(const QVariant& status);        // "A" when STATUS is 0 or null, else "F"
QString CabMesaEDelivery(const QVariant& delivery);   // "Delivery" when DELIVERY is not 0, else ""
QString MesaTP(const QString& cozinha);               // "CZ" when COZINHA is "1" or "2"

// The program's data module, created first at start.
extern TLogon* Logon;

// Runs a prepared statement with bound values; throws DbError.
void execOrThrow(QSqlQuery& q, const QString& sql, const QVariantList& params);
