#include "registers/StaffRegister.h"
#include "core/WholeNumber.h"

#include "core/uMensagem.h"
#include "core/uMensagemWindow.h"
#include "db/RowSet.h"
#include "registers/RegisterCommon.h"
#include "registers/RegisterSql.h"
#include "shell/Credentials.h"

#include <cstring>

namespace {

const QString kTitle = QStringLiteral("ATENÇÃO");
const char* const kPassword = "CEP";   // the column that holds the waiter's password
const char* const kText[] = {"NOME", "ENDERECO", "CIDADE", "ESTADO", "CEP", "CNPJ", "ESTADUAL", "FONE"};
const char* const kAll[] = {"CODIGO", "NOME", "ENDERECO", "CIDADE", "ESTADO", "CNPJ", "ESTADUAL", "CEP",
                            "VALOR", "FONE", "AFASTA", "ADMISSAO", "CARGO", "ATENDE"};

// What CEP takes on confirmation: the digest of a typed password, else what it held.
QVariant storedPassword(const StaffRow& r)
{
    const QString typed = readText(r.value(kPassword));
    if (!typed.isEmpty())
        return passwords::digest(typed);
    return r.state == StaffRow::State::New ? QVariant() : r.original.value(QString::fromLatin1(kPassword));
}

} // namespace

bool StaffRegister::hasStoredPassword(const StaffRow& r)
{
    return !textOf(r.original.value(QString::fromLatin1(kPassword))).trimmed().isEmpty();
}

const std::vector<StaffRegister::Field>& StaffRegister::fields()
{
    static const std::vector<Field> all = {
        {"NOME", "Nome"}, {"ENDERECO", "Endereço"}, {"CIDADE", "Cidade"}, {"ESTADO", "Estado"},
        {"CEP", "SENHA"}, {"CNPJ", "CPF"}, {"ESTADUAL", "RG"}, {"FONE", "Telefone"},
        {"ADMISSAO", "Admissao"}, {"AFASTA", "Afastamento"},
    };
    return all;
}

void StaffRegister::load()
{
    std::vector<StaffRow> rows;
    RowSet rs = m_logon.ExecSqlOnDataset(QStringLiteral("vendedor"), QStringLiteral("select * from vendedor order by codigo"),
                                         QStringLiteral("open"));
    while (rs.next()) {
        StaffRow r;
        r.id = rs.integer(u"ID");
        for (const char* col : kAll)
            r.original[QString::fromLatin1(col)] = rs.value(QString::fromLatin1(col));
        r.values[QStringLiteral("CODIGO")] = rs.isNull(u"CODIGO") ? QString() : QString::number(rs.integer(u"CODIGO"));
        for (const char* col : kText)
            r.values[QString::fromLatin1(col)] = rs.text(QString::fromLatin1(col));
        // the waiter's password is stored as a digest and never shown: a blank field keeps it
        r.values[QString::fromLatin1(kPassword)].clear();
        r.values[QStringLiteral("ADMISSAO")] = registers::dateText(rs.date(u"ADMISSAO"));
        r.values[QStringLiteral("AFASTA")] = registers::dateText(rs.date(u"AFASTA"));
        rows.push_back(std::move(r));
    }
    m_rows = std::move(rows);
    m_current = m_rows.empty() ? -1 : 0;
}

const StaffRow* StaffRegister::currentRow() const
{
    return m_current >= 0 && m_current < int(m_rows.size()) ? &m_rows[size_t(m_current)] : nullptr;
}

void StaffRegister::select(int index)
{
    if (index >= 0 && index < int(m_rows.size()))
        m_current = index;
}

int StaffRegister::indexOfCode(qint64 code) const
{
    for (int i = 0; i < int(m_rows.size()); ++i)
        if (m_rows[size_t(i)].value("CODIGO").toLongLong() == code && !m_rows[size_t(i)].value("CODIGO").isEmpty())
            return i;
    return -1;
}

bool StaffRegister::hasPendingChanges() const
{
    for (const StaffRow& r : m_rows)
        if (r.state != StaffRow::State::Unchanged)
            return true;
    return false;
}

QString StaffRegister::nextCodeText() const
{
    qint64 last = 0;
    for (const StaffRow& r : m_rows)
        last = std::max(last, r.value("CODIGO").toLongLong());
    return registers::paddedCode(last + 1, 6);
}

StaffRegister::CodeOutcome StaffRegister::codeLeft(const QString& typed)
{
    const bool number = IsValidNumber(typed) == QLatin1String("S");   // "1e20" too: a number, too big for a code
    if (!number || TrimText(typed).isEmpty())
        return CodeOutcome::CloseWindow;
    const auto code = readInt(typed);
    if (!code || *code < 1) {
        ShowMessageWindow(kTitle, staffText::invalidCode, QStringLiteral("1"));
        return CodeOutcome::Cleared;
    }
    if (const int at = indexOfCode(*code); at >= 0) {
        m_current = at;
        return CodeOutcome::Moved;
    }
    if (ShowMessageWindow(kTitle, staffText::notRegistered, QStringLiteral("2")) != QLatin1String("S"))
        return CodeOutcome::Cleared;
    StaffRow r;
    r.values[QStringLiteral("CODIGO")] = QString::number(*code);
    r.state = StaffRow::State::New;
    m_rows.push_back(r);
    m_current = int(m_rows.size()) - 1;
    return CodeOutcome::Added;
}

void StaffRegister::setValue(const char* column, const QString& text)
{
    if (m_current < 0 || m_current >= int(m_rows.size()))
        return;
    StaffRow& r = m_rows[size_t(m_current)];
    if (r.values.value(QString::fromLatin1(column)) == text)
        return;
    r.values[QString::fromLatin1(column)] = text;
    if (r.state == StaffRow::State::Unchanged)
        r.state = StaffRow::State::Changed;
}

void StaffRegister::confirm()
{
    struct Write { const StaffRow* row; QDate admissao, afasta; };
    std::vector<Write> writes;
    for (const StaffRow& r : m_rows) {
        if (r.state == StaffRow::State::Unchanged)
            continue;
        writes.push_back({&r, registers::dateOf(r.value("ADMISSAO"), QStringLiteral("Admissao")),
                          registers::dateOf(r.value("AFASTA"), QStringLiteral("Afastamento"))});
    }
    if (writes.empty())
        return;
    const bool currentWasNew = currentRow() && currentRow()->state == StaffRow::State::New;
    const QString currentCode = currentRow() ? currentRow()->value("CODIGO") : QString();

    bool conflict = false;
    try {
        registers::action(m_logon, [&] {
            conflict = false;
            for (const Write& w : writes) {
                const StaffRow& r = *w.row;
                QVariantList params;
                params << r.value("CODIGO").toLongLong();
                for (const char* col : kText) {
                    if (std::strcmp(col, kPassword) == 0)
                        params << storedPassword(r);
                    else
                        params << registers::textOrNull(r.value(col));
                }
                params << registers::dateOrNull(w.admissao) << registers::dateOrNull(w.afasta);
                if (r.state == StaffRow::State::New) {
                    m_logon.run(QStringLiteral("insert into VENDEDOR (ID, CODIGO, NOME, ENDERECO, CIDADE, ESTADO, CEP, CNPJ, "
                                               "ESTADUAL, FONE, ADMISSAO, AFASTA) values (1, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                                params);
                    continue;
                }
                // Matched on every value the row was read with: a row another station
                // changed meanwhile is not overwritten.
                QString where = QStringLiteral(" where ID = ?");
                params << r.id;
                for (const char* col : kAll) {
                    where += QStringLiteral(" and %1 is not distinct from ?").arg(QLatin1String(col));
                    params << r.original.value(QString::fromLatin1(col));
                }
                const qint64 changed = m_logon.exec(
                    QStringLiteral("update VENDEDOR set CODIGO = ?, NOME = ?, ENDERECO = ?, CIDADE = ?, ESTADO = ?, CEP = ?, "
                                   "CNPJ = ?, ESTADUAL = ?, FONE = ?, ADMISSAO = ?, AFASTA = ?") + where,
                    params);
                if (changed == 0) {
                    conflict = true;
                    throw EntryError(staffText::changedElsewhere);
                }
            }
        });
    } catch (const EntryError&) {
        if (conflict)
            load();   // the other station's rows, to confirm against
        throw;
    }
    load();
    if (currentWasNew)
        m_current = int(m_rows.size()) - 1;
    else if (const int at = indexOfCode(currentCode.toLongLong()); at >= 0)
        m_current = at;
}

bool StaffRegister::remove()
{
    if (ShowMessageWindow(kTitle, staffText::askDelete, QStringLiteral("2"), QStringLiteral("1")) != QLatin1String("S"))
        return false;
    const StaffRow* r = currentRow();
    if (!r)
        return false;
    if (r->id != 0)
        m_logon.run(QStringLiteral("delete from Vendedor where id = ?"), {r->id});
    // Only that row leaves the copy: the changes still pending elsewhere stay.
    m_rows.erase(m_rows.begin() + m_current);
    if (m_current >= int(m_rows.size()))
        m_current = int(m_rows.size()) - 1;
    return true;
}
