#include "db/FirebirdSession.h"
#include "db/UnitLogon.h"

#include <firebird/Interface.h>
#include <ibase.h>

#include <QDate>
#include <QDateTime>
#include <QTime>

#include <charconv>
#include <cstring>
#include <vector>

using namespace Firebird;

namespace {

IMaster* master()
{
    static IMaster* m = fb_get_master_interface();
    return m;
}

// The error of one call, kept apart from Firebird's exception so the status can be
// read after the wrapper is gone.
} // namespace

class FbFailure {
public:
    explicit FbFailure(const FbException& e)
    {
        const intptr_t* v = e.getStatus()->getErrors();
        while (v && *v != isc_arg_end) {
            const intptr_t arg = *v++;
            if (arg == isc_arg_gds) {
                codes.push_back(long(*v++));
            } else if (arg == isc_arg_cstring) {
                v += 2;
            } else {
                ++v;
            }
        }
        char buffer[2048];
        master()->getUtilInterface()->formatStatus(buffer, sizeof buffer, e.getStatus());
        text = QString::fromUtf8(buffer);
    }
    std::vector<long> codes;
    QString text;
};

namespace {

constexpr unsigned kUtf8 = 4;
constexpr int kMaxStatements = 300;

struct Field {
    unsigned type = 0;
    int subType = 0;
    unsigned length = 0;
    int scale = 0;
    unsigned charSet = 0;
    unsigned offset = 0;
    unsigned nullOffset = 0;
};

std::vector<Field> describe(ThrowStatusWrapper& st, IMessageMetadata* meta)
{
    std::vector<Field> fields;
    const unsigned n = meta->getCount(&st);
    fields.reserve(n);
    for (unsigned i = 0; i < n; ++i) {
        Field f;
        f.type = meta->getType(&st, i) & ~1u;
        f.subType = meta->getSubType(&st, i);
        f.length = meta->getLength(&st, i);
        f.scale = meta->getScale(&st, i);
        f.charSet = meta->getCharSet(&st, i);
        f.offset = meta->getOffset(&st, i);
        f.nullOffset = meta->getNullOffset(&st, i);
        fields.push_back(f);
    }
    return fields;
}

qint64 pow10(int n)
{
    qint64 r = 1;
    while (n-- > 0)
        r *= 10;
    return r;
}

QString typeName(const Field& f)
{
    switch (f.type) {
    case SQL_TEXT: case SQL_VARYING: return QStringLiteral("texto");
    case SQL_SHORT: case SQL_LONG: case SQL_INT64:
        return f.scale == 0 ? QStringLiteral("número inteiro") : QStringLiteral("número");
    case SQL_FLOAT: case SQL_DOUBLE: case SQL_D_FLOAT: return QStringLiteral("número");
    case SQL_TYPE_DATE: return QStringLiteral("data");
    case SQL_TYPE_TIME: return QStringLiteral("hora");
    case SQL_TIMESTAMP: return QStringLiteral("data e hora");
    case SQL_BLOB: return QStringLiteral("texto longo");
    case SQL_BOOLEAN: return QStringLiteral("sim ou não");
    default: return QStringLiteral("tipo %1").arg(f.type);
    }
}

[[noreturn]] void badValue(int index, const Field& f, const QVariant& v, const QString& why = QString())
{
    QString shown = textOf(v);
    if (shown.size() > 40)
        shown = shown.left(40) + QStringLiteral("...");
    QString msg = QStringLiteral("Valor inválido para o parâmetro %1 (%2): \"%3\"").arg(index + 1).arg(typeName(f), shown);
    if (!why.isEmpty())
        msg += QStringLiteral(" - ") + why;
    throw DbError(msg);
}

// A value as an exact number for a numeric parameter; anything else is refused.
Decimal numberFor(int index, const Field& f, const QVariant& v)
{
    const int t = v.typeId();
    if (t == qMetaTypeId<Decimal>())
        return v.value<Decimal>();
    switch (t) {
    case QMetaType::LongLong: case QMetaType::Int: case QMetaType::Long: case QMetaType::Short:
    case QMetaType::UInt: case QMetaType::ULongLong:
        return Decimal(v.toLongLong());
    case QMetaType::QString: {
        try {
            if (auto d = Decimal::parseSql(v.toString().trimmed()))
                return *d;
        } catch (const std::overflow_error&) {
        }
        badValue(index, f, v);
    }
    default:
        // double and float never carry amounts here; refusing them keeps every amount exact
        badValue(index, f, v, QStringLiteral("use um valor exato"));
    }
}

// An exact number into a scaled parameter. Digits past the parameter's scale are
// rounded once, half away from zero (the program's rule for money): an amount bound
// into a NUMERIC(18,2) reaches the database in cents whoever wrote it, the same
// Decimal that works for a FLOAT column, and a writer that rounds first is stored as
// it holds it. Refusing sub-cent values instead would turn an amount one writer did
// not round into a failed sale.
void putScaled(int index, const Field& f, const QVariant& v, unsigned char* at)
{
    const Decimal d = numberFor(index, f, v);
    const int places = -f.scale;
    if (places < 0 || places > Decimal::kScale)
        badValue(index, f, v);
    if (places == 0 && !d.isWhole())
        badValue(index, f, v, QStringLiteral("esperado um número inteiro"));
    const qint64 scaled = d.roundTo(places).raw() / pow10(Decimal::kScale - places);
    switch (f.type) {
    case SQL_SHORT: {
        if (scaled < -32768 || scaled > 32767)
            badValue(index, f, v, QStringLiteral("fora da faixa"));
        const qint16 x = qint16(scaled);
        std::memcpy(at, &x, sizeof x);
        break;
    }
    case SQL_LONG: {
        if (scaled < INT32_MIN || scaled > INT32_MAX)
            badValue(index, f, v, QStringLiteral("fora da faixa"));
        const qint32 x = qint32(scaled);
        std::memcpy(at, &x, sizeof x);
        break;
    }
    default: {
        const qint64 x = scaled;
        std::memcpy(at, &x, sizeof x);
    }
    }
}

unsigned bytesPerChar(unsigned charSet)
{
    switch (charSet) {
    case kUtf8: return 4;
    case 3: return 3;            // UNICODE_FSS
    default: return 1;
    }
}

QByteArray textBytesFor(int index, const Field& f, const QVariant& v)
{
    QString s;
    const int t = v.typeId();
    if (t == QMetaType::QByteArray)
        return v.toByteArray();
    if (t == qMetaTypeId<Decimal>())
        s = v.value<Decimal>().toString();
    else if (t == QMetaType::QDate)
        s = v.toDate().toString(QStringLiteral("yyyy-MM-dd"));
    else if (t == QMetaType::QString || t == QMetaType::LongLong || t == QMetaType::Int || t == QMetaType::Long
             || t == QMetaType::QChar || t == QMetaType::Bool)
        s = v.toString();
    else
        badValue(index, f, v);
    if (f.type != SQL_BLOB) {
        const unsigned maxChars = f.length / bytesPerChar(f.charSet);
        if (unsigned(s.size()) > maxChars)
            badValue(index, f, v, QStringLiteral("texto maior que %1 caracteres").arg(maxChars));
    }
    return f.charSet == kUtf8 || f.charSet == 3 || f.type == SQL_BLOB ? s.toUtf8() : s.toLatin1();
}

ISC_DATE iscDate(const QDate& d) { return ISC_DATE(d.toJulianDay() - 2400001); }
QDate qDate(ISC_DATE d) { return QDate::fromJulianDay(qint64(d) + 2400001); }
ISC_TIME iscTime(const QTime& t) { return ISC_TIME(t.msecsSinceStartOfDay()) * 10; }
QTime qTime(ISC_TIME t) { return QTime::fromMSecsSinceStartOfDay(int(t / 10)); }

QDate dateFor(int index, const Field& f, const QVariant& v)
{
    if (v.typeId() == QMetaType::QDate && v.toDate().isValid())
        return v.toDate();
    if (v.typeId() == QMetaType::QDateTime && v.toDateTime().isValid())
        return v.toDateTime().date();
    if (v.typeId() == QMetaType::QString) {
        const QDate d = QDate::fromString(v.toString().trimmed(), Qt::ISODate);
        if (d.isValid())
            return d;
    }
    badValue(index, f, v);
}

// A float or double read back as the shortest decimal that is that same number:
// 1234.56 stored in a FLOAT reads 1234.56, not 1234.560059.
template <class T>
Decimal shortestDecimal(T value)
{
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed);
    if (r.ec != std::errc())
        throw DbError(QStringLiteral("Número do banco de dados fora da faixa."));
    const auto d = Decimal::parseSql(QString::fromLatin1(buf, int(r.ptr - buf)));
    if (!d)
        throw DbError(QStringLiteral("Número do banco de dados fora da faixa."));
    return d->roundTo(3);
}

} // namespace

struct FirebirdSession::Prepared {
    IStatement* statement = nullptr;
    IMessageMetadata* in = nullptr;
    IMessageMetadata* out = nullptr;
    unsigned type = 0;
    std::vector<Field> inFields, outFields;
    std::vector<unsigned char> inBuffer, outBuffer;
    QStringList columns;

    ~Prepared()
    {
        CheckStatusWrapper st(master()->getStatus());
        if (in)
            in->release();
        if (out)
            out->release();
        if (statement) {
            statement->free(&st);
            if (st.getState() & IStatus::STATE_ERRORS)
                statement->release();   // the attachment is gone: let go of the handle alone
        }
        st.dispose();
    }
};

FirebirdSession::FirebirdSession() = default;

FirebirdSession::~FirebirdSession()
{
    detach();
}

void FirebirdSession::fail(const FbFailure& f, const QString& sql)
{
    DbError error(f.codes, f.text, sql);
    if (error.isConnectionLost())
        detach();
    throw error;
}

void FirebirdSession::attach(const QString& databaseName, const QString& user, const QString& password)
{
    detach();
    ThrowStatusWrapper st(master()->getStatus());
    IXpbBuilder* dpb = nullptr;
    try {
        dpb = master()->getUtilInterface()->getXpbBuilder(&st, IXpbBuilder::DPB, nullptr, 0);
        dpb->insertString(&st, isc_dpb_user_name, user.toUtf8().constData());
        dpb->insertString(&st, isc_dpb_password, password.toUtf8().constData());
        dpb->insertString(&st, isc_dpb_lc_ctype, "UTF8");
        IProvider* provider = master()->getDispatcher();
        const QByteArray name = databaseName.toUtf8();
        m_attachment = provider->attachDatabase(&st, name.constData(), dpb->getBufferLength(&st), dpb->getBuffer(&st));
        provider->release();
        dpb->dispose();
        st.dispose();
        ++m_roundTrips;
        ++m_generation;
        ++m_schemaEpoch;
    } catch (const FbException& e) {
        FbFailure f(e);
        if (dpb)
            dpb->dispose();
        st.dispose();
        throw DbError(f.codes, f.text);
    }
}

void FirebirdSession::detach()
{
    m_statements.clear();
    CheckStatusWrapper st(master()->getStatus());
    for (ITransaction** tx : {&m_write, &m_read, &m_snapshot}) {
        if (*tx) {
            (*tx)->rollback(&st);
            if (st.getState() & IStatus::STATE_ERRORS)
                (*tx)->release();
            st.init();
            *tx = nullptr;
        }
    }
    if (m_attachment) {
        m_attachment->detach(&st);
        if (st.getState() & IStatus::STATE_ERRORS)
            m_attachment->release();
        m_attachment = nullptr;
    }
    st.dispose();
}

void FirebirdSession::clearStatements()
{
    m_statements.clear();
    ++m_schemaEpoch;
}

ITransaction* FirebirdSession::start(TxKind kind, int lockTimeoutSeconds)
{
    if (!m_attachment)
        throw DbError(connectionLostMessage());
    ThrowStatusWrapper st(master()->getStatus());
    IXpbBuilder* tpb = nullptr;
    try {
        tpb = master()->getUtilInterface()->getXpbBuilder(&st, IXpbBuilder::TPB, nullptr, 0);
        if (kind == TxKind::SnapshotRead || kind == TxKind::SnapshotWrite) {
            tpb->insertTag(&st, isc_tpb_concurrency);
        } else {
            tpb->insertTag(&st, isc_tpb_read_committed);
            tpb->insertTag(&st, isc_tpb_rec_version);
        }
        if (kind == TxKind::Read || kind == TxKind::SnapshotRead) {
            tpb->insertTag(&st, isc_tpb_read);
            tpb->insertTag(&st, isc_tpb_nowait);
        } else {
            tpb->insertTag(&st, isc_tpb_write);
            tpb->insertTag(&st, isc_tpb_wait);
            tpb->insertInt(&st, isc_tpb_lock_timeout, std::max(1, lockTimeoutSeconds));
        }
        ITransaction* tx = m_attachment->startTransaction(&st, tpb->getBufferLength(&st), tpb->getBuffer(&st));
        tpb->dispose();
        st.dispose();
        ++m_roundTrips;
        return tx;
    } catch (const FbException& e) {
        FbFailure f(e);
        if (tpb)
            tpb->dispose();
        st.dispose();
        fail(f, QString());
    }
}

ITransaction* FirebirdSession::readTransaction()
{
    // Read only and read committed: it sees every commit at once and, being
    // pre-committed, never holds back garbage collection, so one serves the run.
    if (!m_read)
        m_read = start(TxKind::Read, 0);
    return m_read;
}

void FirebirdSession::beginWrite(int lockTimeoutSeconds, bool snapshot)
{
    if (m_write)
        throw DbError(QStringLiteral("Já existe uma transação de gravação aberta."));
    m_write = start(snapshot ? TxKind::SnapshotWrite : TxKind::Write, lockTimeoutSeconds);
}

void FirebirdSession::beginSnapshotRead()
{
    if (!m_snapshot)
        m_snapshot = start(TxKind::SnapshotRead, 0);
}

void FirebirdSession::endSnapshotRead()
{
    if (!m_snapshot)
        return;
    CheckStatusWrapper st(master()->getStatus());
    m_snapshot->commit(&st);   // read only: nothing to keep, the handle goes either way
    if (st.getState() & IStatus::STATE_ERRORS)
        m_snapshot->release();
    else
        ++m_roundTrips;
    m_snapshot = nullptr;
    st.dispose();
}

void FirebirdSession::commitWrite()
{
    if (!m_write)
        return;
    ThrowStatusWrapper st(master()->getStatus());
    try {
        m_write->commit(&st);   // releases the handle
        m_write = nullptr;
        st.dispose();
        ++m_roundTrips;
    } catch (const FbException& e) {
        FbFailure f(e);
        st.dispose();
        rollbackWrite();
        fail(f, QStringLiteral("COMMIT"));
    }
}

void FirebirdSession::rollbackWrite()
{
    if (!m_write)
        return;
    CheckStatusWrapper st(master()->getStatus());
    m_write->rollback(&st);
    if (st.getState() & IStatus::STATE_ERRORS)
        m_write->release();
    else
        ++m_roundTrips;
    m_write = nullptr;
    st.dispose();
}

std::shared_ptr<FirebirdSession::Prepared> FirebirdSession::prepare(const QString& sql, ITransaction* tx)
{
    if (auto it = m_statements.find(sql); it != m_statements.end())
        return it.value();
    ThrowStatusWrapper st(master()->getStatus());
    auto p = std::make_shared<Prepared>();
    try {
        const QByteArray text = sql.toUtf8();
        p->statement = m_attachment->prepare(&st, tx, 0, text.constData(), SQL_DIALECT_V6,
                                             IStatement::PREPARE_PREFETCH_METADATA);
        ++m_roundTrips;
        p->type = p->statement->getType(&st);
        p->in = p->statement->getInputMetadata(&st);
        p->out = p->statement->getOutputMetadata(&st);
        p->inFields = describe(st, p->in);
        p->outFields = describe(st, p->out);
        p->inBuffer.assign(p->in->getMessageLength(&st), 0);
        p->outBuffer.assign(p->out->getMessageLength(&st), 0);
        const unsigned n = p->out->getCount(&st);
        for (unsigned i = 0; i < n; ++i)
            p->columns << QString::fromUtf8(p->out->getAlias(&st, i));
        st.dispose();
    } catch (const FbException& e) {
        FbFailure f(e);
        st.dispose();
        fail(f, sql);
    }
    // DDL is run once and changes what other statements describe: never kept.
    if (p->type != isc_info_sql_stmt_ddl) {
        // Texts made on the fly (reports, filters) would grow the cache for ever:
        // past a few hundred it starts again.
        if (m_statements.size() >= kMaxStatements)
            m_statements.clear();
        m_statements.insert(sql, p);
    }
    return p;
}

RowSet FirebirdSession::run(const QString& sql, const Params& params, bool* wasWrite, bool countRows,
                            int lockTimeoutSeconds)
{
    if (!m_attachment)
        throw DbError(connectionLostMessage());
    if (m_write) {
        if (wasWrite)
            *wasWrite = true;
        return execute(prepare(sql, m_write), sql, params, m_write, countRows);
    }
    const std::shared_ptr<Prepared> p = prepare(sql, readTransaction());
    const bool read = p->type == isc_info_sql_stmt_select;
    if (wasWrite)
        *wasWrite = !read;
    if (read)
        return execute(p, sql, params, m_snapshot ? m_snapshot : readTransaction(), false);
    // A write outside any action commits on its own.
    beginWrite(lockTimeoutSeconds);
    RowSet rows;
    try {
        rows = execute(p, sql, params, m_write, countRows);
    } catch (...) {
        rollbackWrite();
        throw;
    }
    try {
        commitWrite();
    } catch (const DbError& e) {
        // The commit request may have reached the server: nothing here tells whether it was done.
        if (e.isConnectionLost())
            throw DbError::connectionLost(commitUncertainMessage());
        throw;
    }
    return rows;
}

QString FirebirdSession::plan(const QString& sql)
{
    if (!m_attachment)
        throw DbError(connectionLostMessage());
    const std::shared_ptr<Prepared> p = prepare(sql, m_write ? m_write : readTransaction());
    ThrowStatusWrapper st(master()->getStatus());
    try {
        const char* text = p->statement->getPlan(&st, false);
        ++m_roundTrips;
        st.dispose();
        return text ? QString::fromUtf8(text).trimmed() : QString();
    } catch (const FbException& e) {
        FbFailure f(e);
        st.dispose();
        fail(f, sql);
    }
}

namespace {

// Blobs opened while a statement runs; released when it fails midway.
using OpenBlobs = std::vector<IBlob*>;

// A long text written as a blob in segments of 32 KiB; its id.
ISC_QUAD writeBlob(IAttachment* attachment, ThrowStatusWrapper& st, ITransaction* tx, const QByteArray& b,
                   OpenBlobs& openBlobs)
{
    ISC_QUAD id;
    IBlob* blob = attachment->createBlob(&st, tx, &id, 0, nullptr);
    openBlobs.push_back(blob);
    for (int pos = 0; pos < b.size(); pos += 32768)
        blob->putSegment(&st, unsigned(std::min<int>(32768, b.size() - pos)), b.constData() + pos);
    blob->close(&st);
    openBlobs.pop_back();
    return id;
}

QByteArray readBlob(IAttachment* attachment, ThrowStatusWrapper& st, ITransaction* tx, ISC_QUAD id,
                    OpenBlobs& openBlobs)
{
    IBlob* blob = attachment->openBlob(&st, tx, &id, 0, nullptr);
    openBlobs.push_back(blob);
    QByteArray data;
    char chunk[32768];
    for (;;) {
        unsigned got = 0;
        const int r = blob->getSegment(&st, sizeof chunk, chunk, &got);
        if (r == IStatus::RESULT_OK || r == IStatus::RESULT_SEGMENT)
            data.append(chunk, int(got));
        else
            break;
    }
    blob->close(&st);
    openBlobs.pop_back();
    return data;
}

// One parameter into the input message, in its column's own type; a value that
// does not fit is refused with DbError.
void bindParam(IAttachment* attachment, ThrowStatusWrapper& st, ITransaction* tx, int i, const Field& f,
               const QVariant& v, unsigned char* in, OpenBlobs& openBlobs)
{
    short* nullFlag = reinterpret_cast<short*>(in + f.nullOffset);
    unsigned char* at = in + f.offset;
    if (v.isNull() || !v.isValid()) {
        *nullFlag = -1;
        return;
    }
    *nullFlag = 0;
    switch (f.type) {
    case SQL_VARYING: {
        const QByteArray b = textBytesFor(i, f, v);
        if (unsigned(b.size()) > f.length)
            badValue(i, f, v, QStringLiteral("texto longo demais"));
        const quint16 len = quint16(b.size());
        std::memcpy(at, &len, 2);
        std::memcpy(at + 2, b.constData(), size_t(b.size()));
        break;
    }
    case SQL_TEXT: {
        const QByteArray b = textBytesFor(i, f, v);
        if (unsigned(b.size()) > f.length)
            badValue(i, f, v, QStringLiteral("texto longo demais"));
        std::memset(at, ' ', f.length);
        std::memcpy(at, b.constData(), size_t(b.size()));
        break;
    }
    case SQL_SHORT: case SQL_LONG: case SQL_INT64:
        putScaled(i, f, v, at);
        break;
    case SQL_FLOAT: {
        const QByteArray t = numberFor(i, f, v).toString().toLatin1();
        const float x = std::strtof(t.constData(), nullptr);
        std::memcpy(at, &x, sizeof x);
        break;
    }
    case SQL_DOUBLE: case SQL_D_FLOAT: {
        const QByteArray t = numberFor(i, f, v).toString().toLatin1();
        const double x = std::strtod(t.constData(), nullptr);
        std::memcpy(at, &x, sizeof x);
        break;
    }
    case SQL_TYPE_DATE: {
        const ISC_DATE d = iscDate(dateFor(i, f, v));
        std::memcpy(at, &d, sizeof d);
        break;
    }
    case SQL_TYPE_TIME: {
        QTime t = v.typeId() == QMetaType::QDateTime ? v.toDateTime().time() : v.toTime();
        if (v.typeId() == QMetaType::QString)
            t = QTime::fromString(v.toString().trimmed(), Qt::ISODate);
        if (!t.isValid())
            badValue(i, f, v);
        const ISC_TIME x = iscTime(t);
        std::memcpy(at, &x, sizeof x);
        break;
    }
    case SQL_TIMESTAMP: {
        QDateTime dt;
        if (v.typeId() == QMetaType::QDateTime)
            dt = v.toDateTime();
        else if (v.typeId() == QMetaType::QDate)
            dt = v.toDate().startOfDay();
        else if (v.typeId() == QMetaType::QString)
            dt = QDateTime::fromString(v.toString().trimmed(), Qt::ISODate);
        if (!dt.isValid())
            badValue(i, f, v);
        ISC_TIMESTAMP ts{iscDate(dt.date()), iscTime(dt.time())};
        std::memcpy(at, &ts, sizeof ts);
        break;
    }
    case SQL_BOOLEAN: {
        if (v.typeId() != QMetaType::Bool)
            badValue(i, f, v);
        const unsigned char b = v.toBool() ? 1 : 0;
        *at = b;
        break;
    }
    case SQL_BLOB: {
        const ISC_QUAD id = writeBlob(attachment, st, tx, textBytesFor(i, f, v), openBlobs);
        std::memcpy(at, &id, sizeof id);
        break;
    }
    default:
        badValue(i, f, v, QStringLiteral("tipo não suportado"));
    }
}

// One column of the output message as the program reads it: texts, exact numbers
// (Decimal when scaled), dates, times, booleans and blobs; NULL as an invalid QVariant.
QVariant columnValue(IAttachment* attachment, ThrowStatusWrapper& st, ITransaction* tx, const Field& f,
                     const unsigned char* out, OpenBlobs& openBlobs)
{
    if (*reinterpret_cast<const short*>(out + f.nullOffset) != 0)
        return QVariant();
    const unsigned char* at = out + f.offset;
    switch (f.type) {
    case SQL_VARYING: {
        quint16 len;
        std::memcpy(&len, at, 2);
        const char* s = reinterpret_cast<const char*>(at + 2);
        return f.charSet == 1 ? QVariant(QByteArray(s, len)) : QVariant(QString::fromUtf8(s, len));
    }
    case SQL_TEXT: {
        const char* s = reinterpret_cast<const char*>(at);
        if (f.charSet == 1)
            return QByteArray(s, int(f.length));
        int len = int(f.length);
        while (len > 0 && s[len - 1] == ' ')
            --len;
        return QString::fromUtf8(s, len);
    }
    case SQL_SHORT: case SQL_LONG: case SQL_INT64: {
        qint64 x = 0;
        if (f.type == SQL_SHORT) { qint16 y; std::memcpy(&y, at, 2); x = y; }
        else if (f.type == SQL_LONG) { qint32 y; std::memcpy(&y, at, 4); x = y; }
        else std::memcpy(&x, at, 8);
        if (f.scale == 0)
            return qlonglong(x);
        const int places = -f.scale;
        const Decimal d = places <= Decimal::kScale
            ? Decimal::fromRaw(x * pow10(Decimal::kScale - places))
            : *Decimal::parseSql(QStringLiteral("%1e-%2").arg(x).arg(places));
        return QVariant::fromValue(d);
    }
    case SQL_FLOAT: { float y; std::memcpy(&y, at, 4); return QVariant::fromValue(shortestDecimal(y)); }
    case SQL_DOUBLE: case SQL_D_FLOAT: { double y; std::memcpy(&y, at, 8); return QVariant::fromValue(shortestDecimal(y)); }
    case SQL_TYPE_DATE: { ISC_DATE d; std::memcpy(&d, at, sizeof d); return qDate(d); }
    case SQL_TYPE_TIME: { ISC_TIME t; std::memcpy(&t, at, sizeof t); return qTime(t); }
    case SQL_TIMESTAMP: {
        ISC_TIMESTAMP ts; std::memcpy(&ts, at, sizeof ts);
        return QDateTime(qDate(ts.timestamp_date), qTime(ts.timestamp_time));
    }
    case SQL_BOOLEAN: return bool(*at);
    case SQL_BLOB: {
        ISC_QUAD id; std::memcpy(&id, at, sizeof id);
        const QByteArray data = readBlob(attachment, st, tx, id, openBlobs);
        return f.subType == 1 ? QVariant(QString::fromUtf8(data)) : QVariant(data);
    }
    default:
        return QVariant();
    }
}

} // namespace

RowSet FirebirdSession::execute(const std::shared_ptr<Prepared>& prepared, const QString& sql, const Params& params,
                                ITransaction* tx, bool countRows)
{
    Prepared& p = *prepared;   // held here even when a lost connection clears the cache

    if (params.size() != int(p.inFields.size()))
        throw DbError(QStringLiteral("O comando espera %1 valores e recebeu %2.").arg(p.inFields.size()).arg(params.size()));

    ThrowStatusWrapper st(master()->getStatus());
    OpenBlobs openBlobs;
    try {
        for (int i = 0; i < params.size(); ++i)
            bindParam(m_attachment, st, tx, i, p.inFields[size_t(i)], params.at(i), p.inBuffer.data(), openBlobs);

        std::vector<QVariantList> rows;
        qint64 affected = 0;
        auto readRow = [&](const unsigned char* out) {
            QVariantList row;
            row.reserve(int(p.outFields.size()));
            for (const Field& f : p.outFields)
                row << columnValue(m_attachment, st, tx, f, out, openBlobs);
            rows.push_back(std::move(row));
        };

        if (p.type == isc_info_sql_stmt_select || p.type == isc_info_sql_stmt_select_for_upd) {
            IResultSet* cursor = p.statement->openCursor(&st, tx, p.in, p.inBuffer.data(), p.out, 0);
            ++m_roundTrips;
            try {
                while (cursor->fetchNext(&st, p.outBuffer.data()) == IStatus::RESULT_OK)
                    readRow(p.outBuffer.data());
                cursor->close(&st);   // releases it
            } catch (...) {
                CheckStatusWrapper quiet(master()->getStatus());
                cursor->close(&quiet);
                if (quiet.getState() & IStatus::STATE_ERRORS)
                    cursor->release();
                quiet.dispose();
                throw;
            }
        } else {
            const bool returns = !p.outFields.empty();
            p.statement->execute(&st, tx, p.in, p.inBuffer.data(), returns ? p.out : nullptr,
                                 returns ? p.outBuffer.data() : nullptr);
            ++m_roundTrips;
            if (returns)
                readRow(p.outBuffer.data());
            if (countRows && (p.type == isc_info_sql_stmt_insert || p.type == isc_info_sql_stmt_update
                || p.type == isc_info_sql_stmt_delete || p.type == isc_info_sql_stmt_exec_procedure))
                affected = qint64(p.statement->getAffectedRecords(&st));
            if (p.type == isc_info_sql_stmt_ddl)
                clearStatements();
        }
        st.dispose();
        return RowSet(p.columns, std::move(rows), affected);
    } catch (const FbException& e) {
        FbFailure f(e);
        for (IBlob* b : openBlobs)
            b->release();
        st.dispose();
        fail(f, sql);
    } catch (...) {
        for (IBlob* b : openBlobs)
            b->release();
        st.dispose();
        throw;
    }
}
