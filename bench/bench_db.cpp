// Data-layer benchmark: the same work through the layer and through Firebird's raw
// object interface, in one run, embedded and (with SABREL22_TEST_SERVER) on the
// server:
//  - a prepared one-row SELECT by key (the layer: Logon->run; raw: openCursor,
//    fetch, close in one read-only read-committed transaction kept open)
//  - a one-row write transaction (start, prepared UPDATE with a value, commit); the
//    layer's action also writes its key into the action journal
//  - what the journal adds to every action: the raw one-row write transaction without
//    and with the key's INSERT, alternating (its commit writes the key's pages too)
// Each figure is the median of several batches, with the layer's round trips.
//
//   bench_db
#include "BenchDatabases.h"
#include "BenchClock.h"
#include "db/NewDatabase.h"
#include "db/UnitLogon.h"
#include "platform/FirebirdEnv.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QUuid>
#include <firebird/Interface.h>
#include <ibase.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <vector>

using namespace Firebird;

namespace {

constexpr int kBatches = 9;

// Runs batches of n operations of each of the two, alternating, so both meet the
// same disk and cache; the median time of one operation of each, in µs.
template <class A, class B>
std::pair<double, double> timePair(int n, A&& a, B&& b)
{
    for (int i = 0; i < n / 10; ++i) {   // warm-up
        a(i);
        b(i);
    }
    std::vector<double> ta, tb;
    for (int k = 0; k < kBatches; ++k) {
        double t = (monotonicMs() * 1e3);
        for (int i = 0; i < n; ++i)
            a(i);
        ta.push_back(((monotonicMs() * 1e3) - t) / n);
        t = (monotonicMs() * 1e3);
        for (int i = 0; i < n; ++i)
            b(i);
        tb.push_back(((monotonicMs() * 1e3) - t) / n);
    }
    return {median(ta), median(tb)};
}

const char* kSelect = "SELECT CODIGO, NOME, VALOR FROM PRODUTOS WHERE CODIGO = ?";
const char* kUpdate = "UPDATE PRODUTOS SET VALOR = ? WHERE CODIGO = ?";
const char* kKey = "INSERT INTO DIARIOACOES (CHAVE, DATA) VALUES (?, CURRENT_DATE)";

struct Raw {
    IMaster* master = fb_get_master_interface();
    ThrowStatusWrapper st{master->getStatus()};
    IAttachment* att = nullptr;
    ITransaction* read = nullptr;
    IStatement* select = nullptr;
    IStatement* update = nullptr;
    IStatement* key = nullptr;
    IMessageMetadata* keyIn = nullptr;
    IMessageMetadata* selIn = nullptr;
    IMessageMetadata* selOut = nullptr;
    IMessageMetadata* updIn = nullptr;
    std::vector<unsigned char> selInBuf, selOutBuf, updInBuf, keyInBuf;
    std::vector<unsigned char> writeTpb;

    explicit Raw(const QByteArray& db)
    {
        IXpbBuilder* dpb = master->getUtilInterface()->getXpbBuilder(&st, IXpbBuilder::DPB, nullptr, 0);
        dpb->insertString(&st, isc_dpb_user_name, TLogon::kUser);
        dpb->insertString(&st, isc_dpb_password, TLogon::kPassword);
        dpb->insertString(&st, isc_dpb_lc_ctype, "UTF8");
        IProvider* prov = master->getDispatcher();
        att = prov->attachDatabase(&st, db.constData(), dpb->getBufferLength(&st), dpb->getBuffer(&st));
        dpb->dispose();
        IXpbBuilder* tpb = master->getUtilInterface()->getXpbBuilder(&st, IXpbBuilder::TPB, nullptr, 0);
        tpb->insertTag(&st, isc_tpb_read_committed);
        tpb->insertTag(&st, isc_tpb_rec_version);
        tpb->insertTag(&st, isc_tpb_read);
        read = att->startTransaction(&st, tpb->getBufferLength(&st), tpb->getBuffer(&st));
        tpb->dispose();
        IXpbBuilder* w = master->getUtilInterface()->getXpbBuilder(&st, IXpbBuilder::TPB, nullptr, 0);
        w->insertTag(&st, isc_tpb_read_committed);
        w->insertTag(&st, isc_tpb_rec_version);
        w->insertTag(&st, isc_tpb_write);
        w->insertTag(&st, isc_tpb_wait);
        w->insertInt(&st, isc_tpb_lock_timeout, 5);
        writeTpb.assign(w->getBuffer(&st), w->getBuffer(&st) + w->getBufferLength(&st));
        w->dispose();
        select = att->prepare(&st, read, 0, kSelect, SQL_DIALECT_V6, IStatement::PREPARE_PREFETCH_METADATA);
        update = att->prepare(&st, read, 0, kUpdate, SQL_DIALECT_V6, IStatement::PREPARE_PREFETCH_METADATA);
        key = att->prepare(&st, read, 0, kKey, SQL_DIALECT_V6, IStatement::PREPARE_PREFETCH_METADATA);
        keyIn = key->getInputMetadata(&st);
        keyInBuf.assign(keyIn->getMessageLength(&st), 0);
        selIn = select->getInputMetadata(&st);
        selOut = select->getOutputMetadata(&st);
        updIn = update->getInputMetadata(&st);
        selInBuf.assign(selIn->getMessageLength(&st), 0);
        selOutBuf.assign(selOut->getMessageLength(&st), 0);
        updInBuf.assign(updIn->getMessageLength(&st), 0);
        prov->release();
    }
    ~Raw()
    {
        selIn->release(); selOut->release(); updIn->release(); keyIn->release();
        select->free(&st); update->free(&st); key->free(&st);
        read->commit(&st);
        att->detach(&st);
        st.dispose();
    }
    static void putText(IMessageMetadata* m, ThrowStatusWrapper& st, unsigned i, unsigned char* buf, const QByteArray& s)
    {
        *reinterpret_cast<short*>(buf + m->getNullOffset(&st, i)) = 0;
        unsigned char* at = buf + m->getOffset(&st, i);
        const quint16 len = quint16(s.size());
        std::memcpy(at, &len, 2);
        std::memcpy(at + 2, s.constData(), size_t(len));
    }
    void selectOne(const QByteArray& code)
    {
        putText(selIn, st, 0, selInBuf.data(), code);
        IResultSet* rs = select->openCursor(&st, read, selIn, selInBuf.data(), selOut, 0);
        int rows = 0;
        while (rs->fetchNext(&st, selOutBuf.data()) == IStatus::RESULT_OK)
            ++rows;
        rs->close(&st);
        if (rows != 1)
            std::abort();
    }
    // withKey: the action journal's key too, as the layer's actions write it.
    void writeOne(const QByteArray& code, qint64 thousandths, bool withKey = false)
    {
        ITransaction* tx = att->startTransaction(&st, unsigned(writeTpb.size()), writeTpb.data());
        *reinterpret_cast<short*>(updInBuf.data() + updIn->getNullOffset(&st, 0)) = 0;
        std::memcpy(updInBuf.data() + updIn->getOffset(&st, 0), &thousandths, 8);
        putText(updIn, st, 1, updInBuf.data(), code);
        update->execute(&st, tx, updIn, updInBuf.data(), nullptr, nullptr);
        if (withKey) {
            putText(keyIn, st, 0, keyInBuf.data(), QUuid::createUuid().toString(QUuid::Id128).toLatin1());
            key->execute(&st, tx, keyIn, keyInBuf.data(), nullptr, nullptr);
        }
        tx->commit(&st);
    }
};

void run(const char* where, const QString& db)
{
    TLogon logon;
    if (!connected(logon, db))
        return;
    logon.action([&] {
        for (int i = 0; i < 1000; ++i)
            logon.run(QStringLiteral("INSERT INTO PRODUTOS (ID, CODIGO, NOME, VALOR) VALUES (?, ?, ?, ?)"),
                      {i + 1, QStringLiteral("%1").arg(i, 6, 10, QLatin1Char('0')), QStringLiteral("PRODUTO %1").arg(i),
                       Decimal::fromCents(1000 + i)});
    });
    auto code = [](int i) { return QStringLiteral("%1").arg(i % 1000, 6, 10, QLatin1Char('0')); };
    const QString sel = QString::fromLatin1(kSelect), upd = QString::fromLatin1(kUpdate);

    Raw raw(db.toUtf8());
    const int nRead = 2000, nWrite = 300;
    const qint64 rt0 = logon.roundTrips();
    const auto [layerRead, rawRead] = timePair(
        nRead,
        [&](int i) {
            RowSet r = logon.run(sel, {code(i)});
            if (r.size() != 1)
                std::abort();
        },
        [&](int i) { raw.selectOne(code(i).toLatin1()); });
    const double readTrips = double(logon.roundTrips() - rt0) / (nRead * (kBatches + 0.1));
    const qint64 rt1 = logon.roundTrips();
    const auto [layerWrite, rawWrite] = timePair(
        nWrite,
        [&](int i) { logon.action([&] { logon.run(upd, {Decimal::fromCents(3000 + i), code(i)}); }); },
        [&](int i) { raw.writeOne(code(i).toLatin1(), 2000 + i); });
    const double writeTrips = double(logon.roundTrips() - rt1) / (nWrite * (kBatches + 0.1));

    // What the journal adds to a write transaction, statement and commit included:
    // the same raw transaction without and with the key, alternating.
    const auto [rawPlain, rawKeyed] = timePair(
        nWrite, [&](int i) { raw.writeOne(code(i).toLatin1(), 4000 + i); },
        [&](int i) { raw.writeOne(code(i).toLatin1(), 5000 + i, true); });

    std::printf("%s\n", where);
    std::printf("  SELECT de uma linha preparado: camada %7.1f µs, cliente cru %7.1f µs  (%.2fx; %.1f idas e voltas)\n",
                layerRead, rawRead, layerRead / rawRead, readTrips);
    std::printf("  gravação de uma linha (transação): camada %7.1f µs, cliente cru %7.1f µs  (%.2fx; %.1f idas e voltas)\n",
                layerWrite, rawWrite, layerWrite / rawWrite, writeTrips);
    std::printf("  diário de ações (cliente cru, gravação sem e com a chave): %7.1f µs e %7.1f µs: +%.1f µs por ação, "
                "+1 ida e volta (ida e volta crua %.1f µs)\n",
                rawPlain, rawKeyed, rawKeyed - rawPlain, rawRead);
}

} // namespace

int main(int argc, char* argv[])
{
    prepareFirebirdEnvironment();
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    onEachDatabase(dir.filePath(QStringLiteral("bench.fdb")), [](const char* where, const QString& db) { run(where, db); });
    return 0;
}
