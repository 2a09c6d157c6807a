#pragma once
// The data module: this station's attachment to the database, and the one way to
// run SQL on it.
//
// Reads run in a read-only, read-committed transaction of their own: they see what
// other stations committed and never hold garbage collection back. Writes run in
// read committed, record version, with a lock wait of a few seconds (station
// setting): a station that holds a row makes the others wait that long at most.
//
// A business action that writes several rows is one function run by action():
// every statement inside it, reads included, runs in the action's one write
// transaction; it commits when the function returns and rolls back when it throws.
// When another station changed the same rows first (update conflict, lock timeout,
// deadlock) the action is rolled back and run again whole, a few times: the tries
// share one wait, so a station never waits for others longer than the lock timeout
// in all (half a second aside); after the last try the user gets a plain message and
// nothing is written. So an action must not show windows or print: compose inside,
// show and print after.
//
// Every action writes its own key into the action journal (DIARIOACOES) as its last
// statement, inside its transaction. When the connection is lost after the commit
// request left, the reply saying whether it was done is lost with it: the layer
// attaches again and looks the key up. Found, the action was committed and action()
// returns as after any commit (the sale goes on to its receipt); absent, nothing was
// written and action() throws a DbError that says so (the user may try again); when
// the database cannot be reached again in time, the DbError says the outcome is not
// known. A connection lost before the commit request fails the action with nothing
// written, and no statement of that action runs on the new connection: the rest of
// an action never commits on its own. The journal keeps a few days of keys.
//
// Read committed lets a row change between a read and a write of the same action:
// add with the database's own arithmetic ("SET ESTOQUE = ESTOQUE - ?"), or read the
// row "WITH LOCK" before writing back what was read. The monitoring tables (MON$)
// are read afresh only inside an action.
//
//   const Printout receipt = Logon->action([&] {
//       Logon->run("update CABMESA set STATUS = 1 where MESA = ?", {mesa});
//       Logon->run("insert into FATURA (...) values (?, ?)", {numero, total});
//       return composeReceipt(...);
//   });
//   RoutePrintout(...receipt...);   // after the commit
//
// A statement outside any action that writes commits on its own. Values always go
// in as bound parameters, typed from the statement's own description: a value that
// does not fit its parameter (letters in a number, too many digits, a text longer
// than the column) throws DbError naming the parameter, and nothing is written.
// Statements are prepared once per attachment and kept.

#include "db/DbError.h"
#include "db/RowSet.h"

#include <QString>
#include <QVariantList>
#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <type_traits>
#include <vector>

// One value bound to a "?" of a statement.
struct SqlValue {
    QVariant value;
    SqlValue() = default;
    SqlValue(const QVariant& v) : value(v) {}
    SqlValue(const Decimal& d) : value(QVariant::fromValue(d)) {}
    SqlValue(const QString& s) : value(s) {}
    SqlValue(const char* s) : value(QString::fromUtf8(s)) {}
    SqlValue(QLatin1String s) : value(QString(s)) {}
    SqlValue(int i) : value(qlonglong(i)) {}
    SqlValue(qint64 i) : value(qlonglong(i)) {}
    SqlValue(long i) : value(qlonglong(i)) {}
    SqlValue(const QDate& d) : value(d) {}
    SqlValue(const QTime& t) : value(t) {}
    SqlValue(const QDateTime& t) : value(t) {}
    SqlValue(const QByteArray& b) : value(b) {}
    SqlValue(std::nullptr_t) {}
};

// The values of a statement's "?", in order.
class Params {
public:
    Params() = default;
    Params(std::initializer_list<SqlValue> values) : m_values(values) {}
    Params(const QVariantList& values);
    void append(const SqlValue& v) { m_values.push_back(v); }
    int size() const { return int(m_values.size()); }
    const QVariant& at(int i) const { return m_values.at(size_t(i)).value; }

private:
    std::vector<SqlValue> m_values;
};

class FirebirdSession;   // the attachment and its prepared statements (UnitLogon.cpp)

class TLogon {
public:
    // The fixed login of the program's database user.
    static constexpr const char* kUser = "SYSDBA";
    static constexpr const char* kPassword = "plumbgate";
    // The database as the stations name it, mapped to the station root when local.
    static constexpr const char* kLocalDatabase = "c:\\Miltrex\\Vavoz\\RUZUZIDEDI22.FDB";
    // How many times an action runs before a conflict with another station is reported.
    static constexpr int kActionTries = 20;
    // A rerun starts only while this much of the lock wait is left (milliseconds).
    static constexpr int kLastWaitMs = 500;
    // Days the action journal keeps its keys.
    static constexpr int kJournalDays = 3;

    enum class StartResult { Connected, NotConnected, Aborted };

    TLogon();
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

    // Attaches to a database name ("path" embedded, "host:path" server).
    // Returns false and keeps lastError() on failure.
    bool connectTo(const QString& databaseName);
    bool isOpen() const;
    QString lastError() const { return m_lastError; }
    QString databaseName() const { return m_databaseName; }
    void close();

    // Seconds a write waits for a row another station holds (station setting).
    void setLockTimeout(int seconds);
    int lockTimeout() const { return m_lockTimeout; }

    QString ServerAddress;

    // --- statements ------------------------------------------------------------
    // Runs one statement: a SELECT (or anything with RETURNING) gives its rows,
    // read whole; any other gives an empty row set.
    RowSet run(const QString& sql, const Params& params = {});
    // Runs an INSERT, UPDATE or DELETE and gives how many rows it changed.
    qint64 exec(const QString& sql, const Params& params = {});
    // The first column of the first row; a null QVariant when there is no row.
    QVariant scalar(const QString& sql, const Params& params = {});

    // One business action in one write transaction (see above). Nested calls join
    // the outer action. Returns what the function returns.
    template <class F>
    auto action(F&& work) -> std::invoke_result_t<F&>
    {
        using R = std::invoke_result_t<F&>;
        if constexpr (std::is_void_v<R>) {
            runAction([&] { work(); });
        } else {
            std::optional<R> result;
            runAction([&] { result.emplace(work()); });
            return std::move(*result);
        }
    }
    bool inAction() const { return m_actionDepth > 0; }

    // An action whose statements all see the database as it was when it began
    // (snapshot isolation), its own writes aside: for work that reads a set of rows
    // and removes or replaces exactly those, while other stations go on adding.
    // Rerun whole on a conflict like any action. Not nested inside another action.
    template <class F>
    void snapshotAction(F&& work)
    {
        m_snapshotAction = true;
        try {
            runAction([&] { work(); });
        } catch (...) {
            m_snapshotAction = false;
            throw;
        }
        m_snapshotAction = false;
    }

    // Reads that must agree with each other: the SELECTs run by `work` (outside any
    // action) see one snapshot of the database, taken at its start.
    template <class F>
    auto snapshotRead(F&& work) -> std::invoke_result_t<F&>
    {
        const bool outer = beginSnapshotRead();
        struct End {
            TLogon* logon;
            bool outer;
            ~End() { if (outer) logon->endSnapshotRead(); }
        } end{this, outer};
        return work();
    }

    // --- the shared queries, as the windows have always named them ---------------
    // The component that ExecSqlOnDataset selects for a name ("Atualiza" when none).
    static QString componentForName(const QString& name);
    // Runs an SQL text on the query chosen by name: "OPEN" gives its rows, "EXEC"
    // executes it (mode compared without regard to case); any other mode runs
    // nothing. The rows belong to the caller.
    RowSet ExecSqlOnDataset(const QString& name, const QString& sql, const QString& mode,
                            const Params& params = {});
    // Nothing is held open between statements, so there is nothing left to close;
    // kept for the windows that call it when they end.
    void CloseSharedDatasets() {}

    // "SELECT GEN_ID(<generator>,<step>) AS teste FROM GeraID".
    qint64 GenId(const QString& generator, int step = 1);

    // Round trips to the database since the attachment (statements run, fetches,
    // transaction starts and ends), for the benchmarks.
    qint64 roundTrips() const;
    // Actions run again because another station changed or held the same rows, and
    // the most tries one action took, since this data module was made: for the
    // benchmarks of several stations.
    qint64 actionReruns() const { return m_actionReruns; }
    int mostActionTries() const { return m_mostActionTries; }

    // Deletes the action journal's keys older than kJournalDays (at start). Never throws:
    // a station that cannot prune leaves it to the next start.
    void pruneActionJournal();

    // For tests: the optimizer's plan of a statement, as Firebird gives it.
    QString planOf(const QString& sql);
    // For tests: runs right before an action's commit request leaves this station.
    void setBeforeCommit(std::function<void()> hook) { m_beforeCommit = std::move(hook); }

private:
    enum class KeyFound { Yes, No, NotYet };
    RowSet runStatement(const QString& sql, const Params& params, bool countRows);
    void runAction(const std::function<void()>& work);
    bool beginSnapshotRead();   // false when one is already open (a nested call)
    void endSnapshotRead();
    bool runAgain(const DbError& e, int attempt, const class QElapsedTimer& clock) const;
    int lockWaitSeconds(const class QElapsedTimer& clock) const;
    void writeActionKey(FirebirdSession& s, const QString& key);
    void settleLostCommit(const QString& key);
    KeyFound lookUpActionKey(const QString& key);
    FirebirdSession& session();

    std::unique_ptr<FirebirdSession> m_session;
    QString m_databaseName;
    QString m_lastError;
    int m_lockTimeout = 5;
    int m_actionDepth = 0;
    bool m_snapshotAction = false;
    bool m_inSnapshotRead = false;
    int m_actionGeneration = 0;       // the attachment the running action's transaction belongs to
    int m_journalMissingAt = -1;      // schema epoch at which the journal was found missing
    qint64 m_actionReruns = 0;
    int m_mostActionTries = 0;
    std::function<void()> m_beforeCommit;
};

// Calculated fields of the shared table queries.
QString CabMesaEstado(const QVariant& status);        // "A" when STATUS is 0 or null, else "F"
QString CabMesaEDelivery(const QVariant& delivery);   // "Delivery" when DELIVERY is not 0, else ""
QString MesaTP(const QString& cozinha);               // "CZ" when COZINHA is "1" or "2"

// The program's data module, created first at start.
extern TLogon* Logon;
