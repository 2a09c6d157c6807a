#include "finance/AccountBook.h"
#include "core/DateReader.h"
#include "core/WholeNumber.h"

#include "core/uMensagem.h"
#include "db/NewDatabase.h"
#include "db/UnitLogon.h"
#include "reports/TypedValues.h"
#include "registers/RegisterCommon.h"

namespace T = AccountBookText;

namespace {

QString fiveDigits(qint64 number)
{
    return registers::paddedCode(number, 5);
}

} // namespace

// ---- accounts -------------------------------------------------------------------

std::vector<BookAccount> AccountBook::accounts() const
{
    RowSet rs = m_logon.run(QStringLiteral("select ID, CONTA, NOME from CONTA order by CONTA, ID"));
    std::vector<BookAccount> out;
    while (rs.next())
        out.push_back(BookAccount{rs.integer(u"ID"), rs.integer(u"CONTA"), rs.text(u"NOME").trimmed()});
    return out;
}

std::optional<BookAccount> AccountBook::account(qint64 number) const
{
    RowSet rs = m_logon.run(QStringLiteral("select ID, CONTA, NOME from CONTA where CONTA = ? order by ID"), {number});
    if (!rs.first())
        return std::nullopt;
    return BookAccount{rs.integer(u"ID"), rs.integer(u"CONTA"), rs.text(u"NOME").trimmed()};
}

QString AccountBook::accountText(const BookAccount& account)
{
    return fiveDigits(account.number) + QStringLiteral(" - ") + account.name;
}

QString AccountBook::accountLabel(const std::optional<BookAccount>& account)
{
    return account ? QStringLiteral("CONTA : ") + accountText(*account) : T::kNoAccountLabel;
}

std::optional<qint64> AccountBook::accountNumberOf(const QString& listText)
{
    const std::optional<int> n = readInt(listText.left(5));
    if (!n)
        return std::nullopt;
    return qint64(*n);
}

qint64 AccountBook::nextAccountNumber() const
{
    const QVariant last = m_logon.scalar(QStringLiteral("select max(CONTA) from CONTA"));
    return last.isNull() ? 1 : integerOf(last) + 1;
}

std::vector<qint64> AccountBook::saveAccounts(const std::vector<AccountChange>& changes)
{
    for (const AccountChange& c : changes)
        if (readText(c.name).isEmpty() || readText(c.name).size() > kNameLength)
            throw EntryError(T::kCodeFillError);   // an account needs a name
    std::vector<qint64> numbers;
    m_logon.action([&] {
        numbers.clear();
        for (const AccountChange& c : changes) {
            if (c.id != 0) {
                m_logon.exec(QStringLiteral("update CONTA set NOME = ? where ID = ?"), {readText(c.name), c.id});
                numbers.push_back(c.number);
                continue;
            }
            qint64 number = c.number > 0 ? c.number : 1;
            newdb::takeTurnCreating(m_logon); // CONTA has no unique number
            if (integerOf(m_logon.scalar(QStringLiteral("select count(*) from CONTA where CONTA = ?"), {number})) > 0)
                number = nextAccountNumber();
            m_logon.run(QStringLiteral("insert into CONTA (ID, CONTA, NOME) values (GEN_ID(CONTA,1), ?, ?)"),
                        {number, readText(c.name)});
            numbers.push_back(number);
        }
    });
    return numbers;
}

bool AccountBook::deleteAccount(qint64 id)
{
    return m_logon.exec(QStringLiteral("delete from conta where id = ?"), {id}) > 0;
}

// ---- entries --------------------------------------------------------------------

RowSet AccountBook::entries(qint64 account) const
{
    return m_logon.run(QStringLiteral("select ID, DATA, HISTORICO, DEBITO, CREDITO, DESP, CONTA from CAIXA "
                                      "where CONTA = ? order by DATA, ID"),
                       {account});
}

BookEntry AccountBook::entryAt(const RowSet& entries, int row)
{
    BookEntry e;
    e.id = integerOf(entries.value(row, u"ID"));
    e.date = entries.value(row, u"DATA").toDate();
    e.history = textOf(entries.value(row, u"HISTORICO")).trimmed();
    e.debit = registers::amountFrom(entries.value(row, u"DEBITO"));
    e.credit = registers::amountFrom(entries.value(row, u"CREDITO"));
    const QVariant code = entries.value(row, u"DESP");
    e.code = code.isNull() ? 0 : integerOf(code);
    return e;
}

BookEntryFields AccountBook::fieldsOf(const std::optional<BookEntry>& entry)
{
    if (!entry)
        return BookEntryFields{QString(), QString(), QStringLiteral("C"), QString(), typed::amountText(Decimal())};
    const bool debit = !entry->debit.isZero();
    return BookEntryFields{typed::dateText(entry->date), entry->history,
                           debit ? QStringLiteral("D") : QStringLiteral("C"), QString::number(entry->code),
                           typed::amountText(debit ? entry->debit : entry->credit)};
}

QString AccountBook::kindOf(const QString& typed)
{
    return typed.trimmed().toUpper() == QLatin1String("D") ? QStringLiteral("D") : QStringLiteral("C");
}

AccountBook::EntryValues AccountBook::valuesOf(const BookEntryFields& f)
{
    const TypedDate date = readDate(f.date);
    const std::optional<Decimal> amount = typed::amount(f.amount);
    if (!date.isDate() || !amount || f.history.size() > kHistoryLength)
        throw EntryError(T::kEntryFillError);
    EntryValues v;
    v.date = date.date;
    v.history = f.history;
    (kindOf(f.kind) == QLatin1String("D") ? v.debit : v.credit) = *amount;
    // A code that is not a whole number tags nothing.
    v.code = readInt(f.code).value_or(0);
    return v;
}

void AccountBook::insertEntry(qint64 account, const BookEntryFields& fields)
{
    const EntryValues v = valuesOf(fields);
    m_logon.run(QStringLiteral("insert into caixa (id,conta,data,historico,debito,credito,desp) "
                               "values (GEN_ID(CAIXA,1),?,?,?,?,?,?)"),
                {account, v.date, v.history, v.debit, v.credit, v.code});
}

void AccountBook::changeEntry(qint64 id, const BookEntryFields& fields)
{
    const EntryValues v = valuesOf(fields);
    m_logon.exec(QStringLiteral("update Caixa set Data = ?, Historico = ?, Debito = ?, Credito = ?, DESP = ? "
                                "where id = ?"),
                 {v.date, v.history, v.debit, v.credit, v.code, id});
}

bool AccountBook::deleteEntry(qint64 id)
{
    return m_logon.exec(QStringLiteral("delete from caixa where id = ?"), {id}) > 0;
}

// ---- codes ----------------------------------------------------------------------

RowSet AccountBook::codes() const
{
    return m_logon.run(QStringLiteral("select ID, CODIGO, NOME from DESPESA order by NOME, CODIGO"));
}

qint64 AccountBook::nextCode() const
{
    const QVariant last = m_logon.scalar(QStringLiteral("select max(CODIGO) from DESPESA"));
    return last.isNull() ? 1 : integerOf(last) + 1;
}

qint64 AccountBook::confirmCode(const QString& code, const QString& name)
{
    const std::optional<int> c = readInt(code);
    if (!c || name.size() > kNameLength)
        throw EntryError(T::kCodeFillError);
    m_logon.action([&] {
        newdb::takeTurnCreating(m_logon); // DESPESA has no unique code
        if (integerOf(m_logon.scalar(QStringLiteral("select count(*) from DESPESA where CODIGO = ?"), {*c})) == 0)
            m_logon.run(QStringLiteral("insert into despesa (id,codigo) values (GEN_ID(OUTROS,1),?)"), {*c});
        m_logon.exec(QStringLiteral("update despesa set nome = ? where codigo = ?"), {name, *c});
    });
    return *c;
}

bool AccountBook::deleteCode(qint64 id)
{
    return m_logon.exec(QStringLiteral("delete from Despesa where id = ?"), {id}) > 0;
}
