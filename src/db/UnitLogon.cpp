#include "db/UnitLogon.h"
#include "db/FirebirdSession.h"
#include "core/StationSettings.h"
#include "db/UnitErro.h"
#include "core/uMensagem.h"
#include "platform/LineFile.h"
#include "platform/StationPaths.h"
#include "platform/Dialogs.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QThread>
#include <QUuid>
#include <algorithm>

TLogon* Logon = nullptr;

namespace {

// Before running an action again: a short pause that grows and differs between
// stations, so two of them do not meet on the same row again and again.
void conflictPause(int attempt)
{
    const int ms = QRandomGenerator::global()->bounded(2, 10) * std::min(attempt, 6);
    QThread::msleep(ulong(ms));
}

// The last statement of every action: its key, in its own transaction.
const QString kWriteActionKey = QStringLiteral("INSERT INTO DIARIOACOES (CHAVE, DATA) VALUES (?, CURRENT_DATE)");

// The names ExecSqlOnDataset answers to (upper case) and the component each selects.
const std::pair<const char*, const char*> kByName[] = {
    {"ATUALIZA2", "Atualiza2"}, {"ATUALIZA3", "Atualiza3"}, {"PESQUISA", "Pesquisa"},
    {"EMPRESA", "Empresa"}, {"PRODUTOS", "Produtos"}, {"TIPOS", "Tipos"},
    {"CLIENTES", "Clientes"}, {"ESTFIC", "EstFic"}, {"RECARQ", "RecArq"},
    {"VENDEDOR", "Vendedor"}, {"FORNECEDOR", "Fornecedor"}, {"CONTCAIXA", "ContCaixa"},
    {"CONTDATA", "ContData"}, {"ENTREGADOR", "Entregador"}, {"ENTREGA", "ENTREGA"},
    {"DELIVERE", "DELIVERE"}, {"COMPRAS", "COMPRAS"}, {"COMPPED", "COMPPED"},
    {"PAGARQ", "PagArq"}, {"CONTA", "Conta"}, {"CAIXA", "Caixa"},
    {"CABMESA", "CabMesa"}, {"MESA", "Mesa"}, {"KITPROD", "KitProd"},
    {"KITMASTER", "KitMaster"}, {"FATURA", "Fatura"}, {"DESPESAS", "Despesas"},
    {"NAVEGAR", "Navegar"}, {"ACOMPMESA", "ACOMPMESA"}, {"DELIPED", "DELIPED"},
    {"DELIITEM", "DELIITEM"},
};

} // namespace

Params::Params(const QVariantList& values)
{
    m_values.reserve(size_t(values.size()));
    for (const QVariant& v : values)
        m_values.emplace_back(v);
}

TLogon::TLogon()
    : m_session(std::make_unique<FirebirdSession>())
{
}

TLogon::~TLogon()
{
    close();
}

QString TLogon::settleServerAddress(const QString& plnText, const std::optional<QString>& setupRedeFirstLine)
{
    QString candidate = plnText;
    QString address = plnText;                       // stored as returned
    if (TrimText(candidate) == QLatin1String("nil"))
        candidate.clear();
    if (TrimText(candidate).size() < 6)
        candidate.clear();
    if (setupRedeFirstLine && !candidate.isEmpty() && !setupRedeFirstLine->trimmed().isEmpty())
        address = *setupRedeFirstLine;               // exactly as read
    if (TrimText(address).size() < 8)
        address.clear();
    if (!address.isEmpty()) {
        const QChar first = TrimText(address).at(0);
        if (first < QLatin1Char('0') || first > QLatin1Char('9'))
            address.clear();
    }
    return address;
}

QString TLogon::databaseNameFor(const QString& serverAddress)
{
    if (TrimText(serverAddress).isEmpty())
        return station::path(QString::fromLatin1(kLocalDatabase));
    return TrimText(serverAddress) + QLatin1Char(':') + stationSettings::serverDatabasePath();
}

TLogon::StartResult TLogon::DataModuleCreate()
{
    const QString pln = stationSettings::pln(6);
    std::optional<QString> setupRede;
    try {
        // The file is read only when the station setting named a server.
        QString candidate = TrimText(pln);
        if (candidate != QLatin1String("nil") && candidate.size() >= 6) {
            if (auto f = LineFile::load(station::path(u"c:\\Miltrex\\vavoz\\SetupRede.Ini")))
                setupRede = f->line(0);
        }
    } catch (const std::exception& e) {
        dialogs().errorBox(QString::fromUtf8(e.what()));
        return StartResult::NotConnected;
    }
    ServerAddress = settleServerAddress(pln, setupRede);
    setLockTimeout(stationSettings::lockTimeoutSeconds());

    if (TrimText(ServerAddress).isEmpty()) {
        // A local file that cannot be opened is not reported here: the first
        // statement of the start-up fails and says why.
        return connectTo(databaseNameFor(QString())) ? StartResult::Connected : StartResult::NotConnected;
    }
    if (connectTo(databaseNameFor(ServerAddress)))
        return StartResult::Connected;

    TFormErro problem(ServerAddress);
    if (dialogs().exec(problem) != TFormErro::Connect)
        return StartResult::Aborted;
    if (connectTo(databaseNameFor(QString())))
        return StartResult::Connected;
    dialogs().errorBox(m_lastError);
    return StartResult::NotConnected;
}

bool TLogon::connectTo(const QString& databaseName)
{
    close();
    m_databaseName = databaseName;
    try {
        m_session->attach(databaseName, QString::fromLatin1(kUser), QString::fromLatin1(kPassword));
    } catch (const DbError& e) {
        m_lastError = e.message();
        return false;
    }
    m_lastError.clear();
    return true;
}

bool TLogon::isOpen() const
{
    return m_session->attached();
}

void TLogon::close()
{
    // A deliberate close: unlike a lost connection, nothing attaches again by itself.
    m_session->detach();
    m_databaseName.clear();
}

void TLogon::setLockTimeout(int seconds)
{
    m_lockTimeout = std::max(1, seconds);
}

FirebirdSession& TLogon::session()
{
    // After a lost connection the next statement attaches again.
    if (!m_session->attached()) {
        if (m_databaseName.isEmpty())
            throw DbError(QStringLiteral("Sem conexão com o banco de dados."));
        m_session->attach(m_databaseName, QString::fromLatin1(kUser), QString::fromLatin1(kPassword));
    }
    return *m_session;
}

qint64 TLogon::roundTrips() const
{
    return m_session->roundTrips();
}

RowSet TLogon::run(const QString& sql, const Params& params)
{
    return runStatement(sql, params, false);
}

qint64 TLogon::exec(const QString& sql, const Params& params)
{
    return runStatement(sql, params, true).rowsAffected();
}

RowSet TLogon::runStatement(const QString& sql, const Params& params, bool countRows)
{
    if (inAction()) {
        // A statement of an action runs in the action's transaction or not at all: a
        // lost connection took that transaction with it, and attaching again must not
        // let the rest of the action commit bit by bit.
        if (!m_session->attached() || m_session->generation() != m_actionGeneration || !m_session->inWrite())
            throw DbError::connectionLost(connectionLostMessage());
        return m_session->run(sql, params, nullptr, countRows);
    }
    QElapsedTimer clock;
    clock.start();
    for (int attempt = 1;; ++attempt) {
        FirebirdSession& s = session();
        bool wasWrite = false;
        try {
            return s.run(sql, params, &wasWrite, countRows, lockWaitSeconds(clock));
        } catch (const DbError& e) {
            if (!(wasWrite && runAgain(e, attempt, clock)))
                throw;
            conflictPause(attempt);
        }
    }
}

QVariant TLogon::scalar(const QString& sql, const Params& params)
{
    RowSet rows = run(sql, params);
    return rows.next() ? rows.value(0) : QVariant();
}

int TLogon::lockWaitSeconds(const QElapsedTimer& clock) const
{
    // What is left of the one wait all the tries share, in the whole seconds the
    // database counts: a try never waits past the end of it by more than the half
    // second runAgain allows.
    const qint64 leftMs = qint64(m_lockTimeout) * 1000 - clock.elapsed();
    return int(std::max<qint64>(1, leftMs / 1000));
}

bool TLogon::runAgain(const DbError& e, int attempt, const QElapsedTimer& clock) const
{
    // Another station committed the same rows first: run again at once. One that
    // still holds them has made this one wait; the database's own wait ends a little
    // early, so a rerun waits only for what is left of the lock timeout, and none
    // starts when less than half a second is left.
    return e.isConflict() && attempt < kActionTries
        && qint64(m_lockTimeout) * 1000 - clock.elapsed() >= kLastWaitMs;
}

void TLogon::writeActionKey(FirebirdSession& s, const QString& key)
{
    if (m_journalMissingAt == s.schemaEpoch())
        return;
    try {
        s.run(kWriteActionKey, {key});
    } catch (const DbError& e) {
        // A database the start-up upgrade has not brought up to date yet: its actions
        // commit as before, without a key to look up.
        if (!e.isUnknownTable())
            throw;
        m_journalMissingAt = s.schemaEpoch();
    }
}

void TLogon::runAction(const std::function<void()>& work)
{
    if (inAction()) {
        work();
        return;
    }
    const QString key = QUuid::createUuid().toString(QUuid::Id128);
    QElapsedTimer clock;
    clock.start();
    for (int attempt = 1;; ++attempt) {
        FirebirdSession& s = session();
        s.beginWrite(lockWaitSeconds(clock), m_snapshotAction);
        m_actionGeneration = s.generation();
        m_actionDepth = 1;
        try {
            work();
            m_actionDepth = 0;
            // The work went on past a lost connection (it caught the error): its
            // transaction is gone, and nothing of it may be reported as written.
            if (s.generation() != m_actionGeneration || !s.inWrite())
                throw DbError::connectionLost(connectionLostMessage());
            writeActionKey(s, key);
        } catch (const DbError& e) {
            m_actionDepth = 0;
            s.rollbackWrite();
            m_mostActionTries = std::max(m_mostActionTries, attempt);
            if (!runAgain(e, attempt, clock))
                throw;
            ++m_actionReruns;
            conflictPause(attempt);
            continue;
        } catch (...) {
            m_actionDepth = 0;
            s.rollbackWrite();
            throw;
        }
        m_mostActionTries = std::max(m_mostActionTries, attempt);
        if (m_beforeCommit)
            m_beforeCommit();
        try {
            s.commitWrite();
        } catch (const DbError& e) {
            if (!e.isConnectionLost())
                throw;
            settleLostCommit(key);
        }
        return;
    }
}

bool TLogon::beginSnapshotRead()
{
    if (m_inSnapshotRead || inAction())
        return false;   // an action's own transaction already reads one picture of its own
    session().beginSnapshotRead();
    m_inSnapshotRead = true;
    return true;
}

void TLogon::endSnapshotRead()
{
    m_inSnapshotRead = false;
    if (m_session)
        m_session->endSnapshotRead();
}

TLogon::KeyFound TLogon::lookUpActionKey(const QString& key)
{
    // The key is written again in a transaction of this station's own, rolled back
    // whatever happens. The database refuses it when the action committed and takes
    // it when the action never will; while the server is still ending the action's
    // transaction (its connection just went), the write waits for that end.
    FirebirdSession& s = session();
    s.beginWrite(m_lockTimeout);
    try {
        s.run(kWriteActionKey, {key});
    } catch (const DbError& e) {
        s.rollbackWrite();
        if (e.isConflict())
            return KeyFound::NotYet;
        if (e.isDuplicateKey())
            return KeyFound::Yes;
        throw;
    }
    s.rollbackWrite();
    return KeyFound::No;
}

void TLogon::settleLostCommit(const QString& key)
{
    // The commit request left and its reply was lost: the action may have been
    // committed or not. Attach again (the server may be coming back) and look its key
    // up, for a while; past that, the user is told the outcome is not known.
    QElapsedTimer clock;
    clock.start();
    const qint64 patienceMs = qint64(std::max(m_lockTimeout, 5)) * 2000;
    for (;;) {
        std::optional<KeyFound> found;
        try {
            found = lookUpActionKey(key);
        } catch (const DbError& e) {
            // Not attached again yet: try on. Anything else (a database without the
            // journal) leaves no way to know.
            if (!e.isConnectionLost())
                throw DbError::connectionLost(commitUncertainMessage());
        }
        if (found == KeyFound::Yes)
            return;
        if (found == KeyFound::No)
            throw DbError::connectionLost(commitLostNothingWrittenMessage());
        if (clock.elapsed() > patienceMs)
            throw DbError::connectionLost(commitUncertainMessage());
        QThread::msleep(200);
    }
}

QString TLogon::componentForName(const QString& name)
{
    const QString upper = UpperAZ(name);
    for (const auto& [n, component] : kByName) {
        if (upper == QLatin1String(n))
            return QString::fromLatin1(component);
    }
    return QStringLiteral("Atualiza");
}

RowSet TLogon::ExecSqlOnDataset(const QString& name, const QString& sql, const QString& mode,
                                const Params& params)
{
    const QString m = UpperAZ(mode);
    if (m != QLatin1String("OPEN") && m != QLatin1String("EXEC"))
        return RowSet();
    return run(sql, params);
}

QString CabMesaEstado(const QVariant& status)
{
    return status.isNull() || status.toInt() == 0 ? QStringLiteral("A") : QStringLiteral("F");
}

QString CabMesaEDelivery(const QVariant& delivery)
{
    return delivery.isNull() || decimalOf(delivery).isZero() ? QString() : QStringLiteral("Delivery");
}

QString MesaTP(const QString& cozinha)
{
    return cozinha == QLatin1String("1") || cozinha == QLatin1String("2") ? QStringLiteral("CZ") : QString();
}

qint64 TLogon::GenId(const QString& generator, int step)
{
    // Generator names are the program's own constants, never user text.
    const QString sql = QStringLiteral("SELECT GEN_ID(%1,%2) AS teste FROM GeraID").arg(generator).arg(step);
    RowSet rows = run(sql);
    if (!rows.next())
        throw DbError(QStringLiteral("A tabela GERAID não tem a linha de leitura dos geradores."));
    return integerOf(rows.value(0));
}

void TLogon::pruneActionJournal()
{
    try {
        run(QStringLiteral("DELETE FROM DIARIOACOES WHERE DATA < DATEADD(-%1 DAY TO CURRENT_DATE)").arg(kJournalDays));
    } catch (const DbError&) {
        // another station starting at the same moment prunes them, or the next start does
    }
}

QString TLogon::planOf(const QString& sql)
{
    return session().plan(sql);
}
