#include "cash/CashShift.h"
#include "db/LedgerTotals.h"

#include "core/AmountReader.h"
#include "core/FormatFloat.h"
#include "core/uMensagem.h"
#include "db/Historico.h"
#include "db/NewDatabase.h"
#include "db/UnitLogon.h"

#include <algorithm>

namespace cashshift {

QString msg::openTabsQuestion(int count)
{
    return QStringLiteral("| Existe(m) ") + QString::number(count) + QStringLiteral(" comanda(s) s/fechar!")
        + QStringLiteral("\r\n") + QStringLiteral(" Fecha o caixa assim mesmo ?");
}

QString msg::floatEntryError(const QString& text)
{
    return QStringLiteral("|    erro no preencimento    -> ") + text + QStringLiteral("  |");
}

std::optional<Decimal> parseOpeningFloat(const QString& text)
{
    if (TrimText(text).isEmpty())
        return Decimal(0);
    return readAmount(text, AmountRules::money().pointAsComma().notNegative());
}

QString shiftNumberText(int number)
{
    return number == 0 ? QString() : FormatFloatLeftPadded(QStringLiteral("0000000"), 7, Decimal(number));
}

} // namespace cashshift

int CashShift::openNumber()
{
    return int(integerOf(m_logon.scalar(QStringLiteral("select caixa from contcaixa order by id"))));
}

int CashShift::currentOrLastNumber()
{
    if (const int open = openNumber())
        return open;
    return int(integerOf(m_logon.scalar(QStringLiteral("select max(caixa) from contdata"))));
}

std::optional<CashShift::Opening> CashShift::opening(int number)
{
    if (number <= 0)
        return std::nullopt;
    RowSet rs = m_logon.run(QStringLiteral("select first 1 data, abertura, operador from contdata where caixa = ? "
                                           "order by id"),
                            {number});
    if (!rs.first())
        return std::nullopt;
    return Opening{rs.date(u"DATA"), rs.decimal(u"ABERTURA"), rs.text(u"OPERADOR")};
}

QString CashShift::dateOf(int number)
{
    const QVariant d = m_logon.scalar(QStringLiteral("select data from contdata where caixa = ? order by id"), {number});
    return d.isNull() ? QString() : d.toDate().toString(QStringLiteral("dd/MM/yy"));
}

int CashShift::openTabs()
{
    return int(integerOf(m_logon.scalar(QStringLiteral("select count(*) from cabmesa"))));
}

CashShift::Result CashShift::open(const QDate& date, const Decimal& openingFloat, const QString& operatorName,
                                  const QString& authoriser, int* number)
{
    return m_logon.action([&] {
        const QString current = QStringLiteral("select id, caixa, numedador from contcaixa order by id with lock");
        RowSet row = m_logon.run(current);
        if (!row.first()) {
            // An emptied database: its closed row first, one whatever other stations
            // do at this moment, then held like any other.
            newdb::ensureCashShiftRow(m_logon);
            row = m_logon.run(current);
            if (!row.first())
                throw DbError(QStringLiteral("A tabela CONTCAIXA não tem a linha do caixa."));
        }
        if (row.integer(u"CAIXA") != 0)
            return Result::AlreadyOpen;
        // a shift opened before NUMEDADOR was kept counts by its own number
        const int n = int(std::max(row.integer(u"NUMEDADOR"), row.integer(u"CAIXA"))) + 1;
        m_logon.run(QStringLiteral("update contcaixa set caixa = ?, NUMEDADOR = ? where id = ?"),
                    {n, n, row.integer(u"ID")});
        m_logon.run(QStringLiteral("insert into contData (id,caixa,data,abertura,operador) "
                                   "values (GEN_ID(CONTCAIXA,1),?,?,?,?)"),
                    {n, date, openingFloat, operatorName.left(20)});
        writeHistorico(m_logon, authoriser, cashshift::abriuCaixa);
        if (number)
            *number = n;
        return Result::Done;
    });
}

CashShift::Result CashShift::close(const QString& authoriser)
{
    const Result result = m_logon.action([&] {
        RowSet row = m_logon.run(QStringLiteral("select id, caixa from contcaixa order by id with lock"));
        if (!row.first() || row.integer(u"CAIXA") == 0)
            return Result::AlreadyClosed;
        m_logon.run(QStringLiteral("update contcaixa set caixa = 0 where id = ?"), {row.integer(u"ID")});
        writeHistorico(m_logon, authoriser, cashshift::fechouCaixa);
        return Result::Done;
    });
    // The day's stock lines go into the kept totals, in an action of their own.
    if (result == Result::Done)
        ledgertotals::foldWhenMany(m_logon, 0);
    return result;
}

CashShift::Result CashShift::reopen(int number, const QString& authoriser)
{
    return m_logon.action([&] {
        RowSet row = m_logon.run(QStringLiteral("select id, caixa from contcaixa order by id with lock"));
        if (row.first() && row.integer(u"CAIXA") != 0)
            return Result::AlreadyOpen;
        if (!row.first() || !opening(number))
            return Result::NoSuchShift;
        m_logon.run(QStringLiteral("update contcaixa set caixa = ? where id = ?"), {number, row.integer(u"ID")});
        writeHistorico(m_logon, authoriser, cashshift::reabriuCaixa);
        return Result::Done;
    });
}

namespace cashshift {

namespace {

// The shift of the counter's first row and the date of its opening, in one statement.
const QString kOpenShift = QStringLiteral(
    "select c.caixa, (select first 1 d.data from contdata d where d.caixa = c.caixa order by d.id desc) as data "
    "from contcaixa c order by c.id");

HeldShift shiftOf(RowSet row)
{
    HeldShift s;
    if (!row.first() || row.integer(u"CAIXA") == 0)
        return s;
    s.number = int(row.integer(u"CAIXA"));
    s.date = row.date(u"DATA");
    return s;
}

} // namespace

HeldShift holdOpenShift(TLogon& logon)
{
    return shiftOf(logon.run(kOpenShift + QStringLiteral(" with lock")));
}

HeldShift openShift(TLogon& logon)
{
    return shiftOf(logon.run(kOpenShift));
}

} // namespace cashshift
