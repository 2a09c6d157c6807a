#pragma once
// One attachment through Firebird's object interface: its transactions, its
// prepared statements and the conversion of values between Qt and the wire.
// Only the data module (TLogon) uses it.

#include "db/DbError.h"
#include "db/RowSet.h"

#include <QHash>
#include <QString>
#include <memory>

class Params;

namespace Firebird {
class IAttachment;
class ITransaction;
}

class FirebirdSession {
public:
    enum class TxKind { Read, Write, SnapshotRead, SnapshotWrite };

    FirebirdSession();
    ~FirebirdSession();
    FirebirdSession(const FirebirdSession&) = delete;
    FirebirdSession& operator=(const FirebirdSession&) = delete;

    // Attaches (throws DbError on failure); detach() lets go of everything.
    void attach(const QString& databaseName, const QString& user, const QString& password);
    void detach();
    bool attached() const { return m_attachment != nullptr; }
    // Counts the attachments made: a transaction of an earlier one is gone for good.
    int generation() const { return m_generation; }
    // Changes with every attachment and every DDL statement run: what was learnt of
    // the tables before holds only while it stays the same.
    int schemaEpoch() const { return m_schemaEpoch; }

    // The current write transaction of an action; none outside actions.
    // snapshot: every statement of the action sees the database as it was when the
    // action began (concurrency isolation), its own writes aside.
    void beginWrite(int lockTimeoutSeconds, bool snapshot = false);
    void commitWrite();
    void rollbackWrite();   // never throws
    bool inWrite() const { return m_write != nullptr; }

    // A read-only snapshot: the SELECTs run outside an action between begin and end
    // see the database as it was at the begin, all of them alike. end never throws.
    void beginSnapshotRead();
    void endSnapshotRead();

    // Runs a statement in the action's write transaction when there is one; otherwise
    // a SELECT runs in the session's read-only transaction and anything else in a
    // write transaction of its own, waiting lockTimeoutSeconds at most for rows
    // another station holds, committed at once. A lost reply to that commit throws
    // a connection-lost DbError that says the outcome is unknown.
    // countRows asks the database how many rows an INSERT, UPDATE or DELETE changed
    // (one more round trip on a server).
    RowSet run(const QString& sql, const Params& params, bool* wasWrite = nullptr, bool countRows = false,
               int lockTimeoutSeconds = 1);

    // The optimizer's plan of a statement ("PLAN (MESA INDEX (IX_MESA_ID))"), for tests.
    QString plan(const QString& sql);

    qint64 roundTrips() const { return m_roundTrips; }

    // Drops every prepared statement (after DDL, whose tables they may describe).
    void clearStatements();

    struct Prepared;

private:
    std::shared_ptr<Prepared> prepare(const QString& sql, Firebird::ITransaction* tx);
    RowSet execute(const std::shared_ptr<Prepared>& p, const QString& sql, const Params& params,
                   Firebird::ITransaction* tx, bool countRows);
    Firebird::ITransaction* readTransaction();
    Firebird::ITransaction* start(TxKind kind, int lockTimeoutSeconds);
    [[noreturn]] void fail(const class FbFailure& f, const QString& sql);

    Firebird::IAttachment* m_attachment = nullptr;
    Firebird::ITransaction* m_read = nullptr;
    Firebird::ITransaction* m_write = nullptr;
    Firebird::ITransaction* m_snapshot = nullptr;
    QHash<QString, std::shared_ptr<Prepared>> m_statements;
    qint64 m_roundTrips = 0;
    int m_generation = 0;
    int m_schemaEpoch = 0;
};
