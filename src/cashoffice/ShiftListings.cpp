#include "cashoffice/ShiftListings.h"

#include "core/uMensagem.h"
#include "db/UnitLogon.h"
#include "reports/ReportFields.h"
#include "cashoffice/ShiftRollLayout.h"
#include "registers/ReportChoices.h"

namespace {

QString S(const char* s) { return QString::fromUtf8(s); }
QString blanks(int n) { return QString(n, QLatin1Char(' ')); }

// A row's date (dd/mm/yy; "" without one), two blanks and its cash shift.
QString dateAndCash(const RowSet& rows, int i)
{
    return reportfields::dateText(rows.value(i, u"DATA").toDate()) + S("  ") + textOf(rows.value(i, u"CAIXA"));
}

Decimal amount(const RowSet& rows, int i, QStringView column)
{
    const QVariant& v = rows.value(i, column);
    return v.isNull() ? Decimal() : decimalOf(v);
}

// One line per row from the row's amount in `column`, and the amounts' total.
struct Lines {
    QStringList lines;
    Decimal total;
};
template <class LineOf>
Lines linesOf(const RowSet& rows, QStringView column, LineOf lineOf)
{
    Lines out;
    for (int i = 0; i < rows.size(); ++i) {
        const Decimal v = amount(rows, i, column);
        out.total += v;
        out.lines << lineOf(i, v);
    }
    return out;
}

// The sale-by-sale listings of SERVICO: date and cash in 19, the sale number and the amount.
Printout saleRoll(const RowSet& rows, const QString& title, const QString& columns, QStringView value,
                  const QStringList& underHeader)
{
    const Lines l = linesOf(rows, value, [&](int i, const Decimal& v) {
        return PadRight(dateAndCash(rows, i), 19) + FormatFloatLeftPadded(S("00000"), 9, amount(rows, i, u"CONTROLE"))
               + S(" ") + FormatFloatLeftPadded(S("0.00"), 9, v);
    });
    return shiftroll::compose(title, 25, columns, l.lines, blanks(27) + FormatFloatLeftPadded(S("#,##0.00"), 11, l.total),
                              underHeader);
}

} // namespace

RowSet ShiftListings::expenses(const QString& first, const QString& last)
{
    const reportfields::ShiftRange r = reportfields::shiftRange(first, last);
    return m_logon.run(S("select d.data, d.caixa, d.historico, d.valor, d.ccusto, "
                         "(select first 1 c.nome from centrocusto c where c.codigo = d.ccusto order by c.id) as nome "
                         "from desploja d where d.caixa between ? and ? order by d.caixa, d.ccusto, d.id"),
                       {r.first, r.last});
}

Printout ShiftListings::expensesRoll(const RowSet& rows)
{
    // 36 columns, as the roll has always had them: the date in 7, the history in 17,
    // a blank and the amount in 11. The 7 columns cannot hold the cash number beside
    // the date, so each cash shift's number heads its rows (they come by cash shift)
    // and the date shows as dd/mm.
    QStringList lines;
    Decimal total;
    for (int i = 0; i < rows.size(); ++i) {
        const QString cash = textOf(rows.value(i, u"CAIXA"));
        if (i == 0 || cash != textOf(rows.value(i - 1, u"CAIXA")))
            lines << S("Caixa ") + cash;
        const Decimal v = amount(rows, i, u"VALOR");
        total += v;
        const QDate date = rows.value(i, u"DATA").toDate();
        lines << PadRight(date.isValid() ? date.toString(QStringLiteral("dd/MM")) : QString(), 7)
                     + PadRight(textOf(rows.value(i, u"HISTORICO")), 17) + S(" ") + FormatFloatLeftPadded(S("0.00"), 11, v);
    }
    return shiftroll::compose(S("RELATORIO DESPESAS"), 27, S("Data    Caixa  Historico      Valor"), lines,
                              blanks(24) + S(" ") + FormatFloatLeftPadded(S("#,##0.00"), 11, total));
}

QStringList ShiftListings::waiterItems()
{
    return choices::items(choices::waiters(m_logon), {5, S(" "), QString()});
}

RowSet ShiftListings::serviceFees(const QString& first, const QString& last, const QString& waiterItem)
{
    const reportfields::ShiftRange r = reportfields::shiftRange(first, last);
    const std::optional<int> waiter = choices::codeOf(waiterItem, 5);
    if (!waiter)
        throw ShiftFieldRefused(reportmsg::fillError);
    return m_logon.run(S("select caixa, data, controle, sum(valor) as tent from servico "
                         "where (caixa between ? and ?) and codigo = ? and tipo = 1 "
                         "group by caixa, controle, codigo, tipo, data order by caixa, controle, data"),
                       {r.first, r.last, *waiter});
}

Printout ShiftListings::serviceFeesRoll(const RowSet& rows, const QString& waiterText)
{
    return saleRoll(rows, S("RELATORIO DE TAXA SERVICO"), S("Data       Caixa     Nota      Taxa"), u"TENT",
                    {S("Func.:") + waiterText});
}

RowSet ShiftListings::couvert(const QString& first, const QString& last)
{
    const reportfields::ShiftRange r = reportfields::shiftRange(first, last);
    return m_logon.run(S("select caixa, data, controle, valor from servico "
                         "where (caixa >= ? and caixa <= ?) and tipo = 2 order by caixa, id"),
                       {r.first, r.last});
}

Printout ShiftListings::couvertRoll(const RowSet& rows)
{
    return saleRoll(rows, S("RELATORIO DE COUVER"), S("Data       Caixa     Nota      Couver"), u"VALOR", {});
}

RowSet ShiftListings::openings(const QString& first, const QString& last)
{
    const reportfields::ShiftRange r = reportfields::shiftRange(first, last);
    return m_logon.run(S("select data, caixa, abertura from contdata where (caixa between ? and ?) "
                         "order by data, caixa, id"),
                       {r.first, r.last});
}

Printout ShiftListings::openingsRoll(const RowSet& rows)
{
    const Lines l = linesOf(rows, u"ABERTURA", [&](int i, const Decimal& v) {
        return PadRight(dateAndCash(rows, i), 19) + blanks(10) + FormatFloatLeftPadded(S("0.00"), 9, v);
    });
    return shiftroll::compose(S("RELATORIO ABERTURA DE CAIXA"), 27, S("Data       Caixa               Valor"), l.lines,
                              blanks(27) + FormatFloatLeftPadded(S("#,##0.00"), 11, l.total));
}

RowSet ShiftListings::withdrawals(const QString& first, const QString& last)
{
    const reportfields::ShiftRange r = reportfields::shiftRange(first, last);
    return m_logon.run(S("select s.caixa, "
                         "(select first 1 c.data from contdata c where c.caixa = s.caixa order by c.id) as data, "
                         "s.terminal, s.historico, "
                         "case when s.dc = '1' then s.valor end as sangria, "
                         "case when s.dc is distinct from '1' then s.valor end as reforco "
                         "from sangria s where (s.caixa between ? and ?) order by s.caixa, s.id"),
                       {r.first, r.last});
}

Printout ShiftListings::withdrawalsRoll(const RowSet& rows)
{
    QStringList lines;
    Decimal withdrawn, added;
    for (int i = 0; i < rows.size(); ++i) {
        const Decimal w = amount(rows, i, u"SANGRIA"), t = amount(rows, i, u"REFORCO");
        withdrawn += w;
        added += t;
        lines << PadRight(dateAndCash(rows, i), 15) + FormatFloatLeftPadded(S("0.00"), 11, w) + S(" ")
                     + FormatFloatLeftPadded(S("0.00"), 11, t)
              << textOf(rows.value(i, u"HISTORICO"));
    }
    return shiftroll::compose(S("RELATORIO SANGRIA/REFORÇO"), 27, S("Data       Caixa     Sangria  Reforco"), lines,
                              blanks(15) + FormatFloatLeftPadded(S("0.00"), 11, withdrawn) + S(" ")
                                  + FormatFloatLeftPadded(S("#,##0.00"), 11, added));
}
