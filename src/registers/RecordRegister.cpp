#include "registers/RecordRegister.h"
#include "core/WholeNumber.h"

#include "core/uMensagem.h"
#include "core/uMensagemWindow.h"
#include "db/UnitLogon.h"
#include "registers/RegisterCommon.h"
#include "registers/RegisterSql.h"

#include <algorithm>

namespace {
const QString kTitle = QStringLiteral("ATENÇÃO");
}

RecordRegister::RecordRegister(TLogon& logon, const char* table, Texts texts)
    : m_logon(logon)
    , m_table(QString::fromLatin1(table))
    , m_texts(std::move(texts))
{
}

RecordRegister::~RecordRegister() = default;

void RecordRegister::open()
{
    showFirst();
}

std::vector<qint64> RecordRegister::ids() const
{
    std::vector<qint64> v;
    auto q = m_logon.run(QStringLiteral("select ID from %1 order by ID").arg(m_table));
    while (q.next())
        v.push_back(q.value(0).toLongLong());
    return v;
}

std::vector<RecordRegister::ListRow> RecordRegister::list() const
{
    std::vector<ListRow> rows;
    auto q = m_logon.run(QStringLiteral("select ID, CODIGO, NOME, FONE from %1 order by ID").arg(m_table));
    while (q.next())
        rows.push_back({q.value(0).toLongLong(), q.value(1).toString(), q.value(2).toString(),
                        q.value(3).toString()});
    return rows;
}

void RecordRegister::show(qint64 id)
{
    auto q = m_logon.run(QStringLiteral("select * from %1 where ID = ?").arg(m_table), {id});
    Record r;
    if (q.next()) {
        r = read(q);
        r.id = id;
        r.values[QStringLiteral("CODIGO")] = q.value(QStringLiteral("CODIGO")).isNull()
            ? QString() : QString::number(q.value(QStringLiteral("CODIGO")).toLongLong());
    }
    m_shown = r;
    m_mode = r.id ? Mode::Browse : Mode::Insert;
}

void RecordRegister::showFirst()
{
    const auto all = ids();
    show(all.empty() ? 0 : all.front());
}

void RecordRegister::reload()
{
    if (m_mode == Mode::Insert && m_shown.id == 0) {
        showFirst();
        return;
    }
    show(m_shown.id);
}

qint64 RecordRegister::idOfCode(qint64 code) const
{
    const QVariant id = m_logon.scalar(QStringLiteral("select first 1 ID from %1 where CODIGO = ? order by ID").arg(m_table), {code});
    return id.isNull() ? 0 : id.toLongLong();
}

bool RecordRegister::moveToCode(qint64 code)
{
    const qint64 id = idOfCode(code);
    if (!id)
        return false;
    show(id);
    return true;
}

void RecordRegister::step(Step s)
{
    const auto all = ids();
    if (all.empty()) {
        show(0);
        return;
    }
    auto at = std::find(all.begin(), all.end(), m_shown.id);
    switch (s) {
    case Step::First: show(all.front()); return;
    case Step::Last: show(all.back()); return;
    case Step::Prior: show(at == all.end() || at == all.begin() ? all.front() : *(at - 1)); return;
    case Step::Next: show(at == all.end() || at + 1 == all.end() ? all.back() : *(at + 1)); return;
    }
}

void RecordRegister::beginNew()
{
    const QVariant last = m_logon.scalar(QStringLiteral("select first 1 CODIGO from %1 order by ID desc").arg(m_table));
    Record r;
    r.values[QStringLiteral("CODIGO")] = QString::number(last.toLongLong() + 1);
    m_shown = r;
    m_mode = Mode::Insert;
}

QString RecordRegister::codeLeft(const QString& typed, const Record& edits)
{
    const QString text = TrimText(typed);
    if (text.isEmpty())
        return typed;
    const auto code = readInt(text);
    if (!code || *code < 1) {
        ShowMessageWindow(kTitle, m_texts.invalidCode, QStringLiteral("1"));
        return m_mode == Mode::Insert ? QString() : registers::paddedCode(shownCodeNumber().toLongLong(), 6);
    }
    const QString padded = registers::paddedCode(*code, 6);

    if (m_mode != Mode::Insert) {
        reload();   // pending edits go
        if (m_shown.value("CODIGO").toLongLong() == *code)
            return padded;
        if (!moveToCode(*code)) {
            // Typed over a shown row: that row takes the new code when saved.
            m_shown.values[QStringLiteral("CODIGO")] = QString::number(*code);
        }
        m_mode = Mode::Edit;
        return padded;
    }

    // A new row: an existing row's code shows that row instead of a second row
    // with the same code.
    if (moveToCode(*code)) {
        m_mode = Mode::Edit;
        return padded;
    }
    if (ShowMessageWindow(kTitle, m_texts.notFoundRegister, QStringLiteral("2")) == QLatin1String("S")) {
        m_shown = edits;
        m_shown.id = 0;
        m_shown.values[QStringLiteral("CODIGO")] = QString::number(*code);
        return padded;
    }
    showFirst();
    return m_shown.value("CODIGO");
}

void RecordRegister::save(const Record& edited)
{
    const auto code = readInt(edited.value("CODIGO"));
    if (!code || *code < 1)
        throw EntryError(m_texts.invalidCode);
    qint64 id = edited.id;
    registers::action(m_logon, [&] {
        const QVariant other = m_logon.scalar(
            QStringLiteral("select first 1 ID from %1 where CODIGO = ? and ID <> ?").arg(m_table), {qint64(*code), id});
        if (!other.isNull())
            throw EntryError(m_texts.codeTaken);
        id = write(edited, *code, id);
    });
    show(id);
}

bool RecordRegister::remove()
{
    reload();
    const QString code = TrimText(m_shown.value("CODIGO"));
    if (code.isEmpty() || m_shown.id == 0)
        return false;
    if (!mayRemove(m_shown))
        return false;
    if (ShowMessageWindow(kTitle, m_texts.askDelete, QStringLiteral("2")) != QLatin1String("S"))
        return false;
    const qint64 id = m_shown.id;
    bool done = registers::attempt([&] {
        m_logon.run(QStringLiteral("delete from %1 where ID = ?").arg(m_table), {id});
    });
    if (done)
        showFirst();
    return done;
}

QString RecordRegister::shownCodeNumber() const
{
    const auto code = readInt(m_shown.value("CODIGO"));
    return QString::number(code ? *code : 0);
}
