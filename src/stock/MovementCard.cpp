#include "stock/MovementCard.h"

#include "core/FormatFloat.h"
#include "db/UnitLogon.h"
#include "registers/RegisterRules.h"
#include "reports/PageHeader.h"
#include "stock/StockLedger.h"
#include "stock/StockProducts.h"
#include "stock/StockReports.h"

using namespace report;
using stockreports::number;

namespace movementcard {

QString MovementCard::codeOf(const QString& typed)
{
    return registers::sixDigitCode(typed);
}

Card MovementCard::card(const QString& code, const QDate& first, const QDate& last) const
{
    stockreports::Rows rows({QStringLiteral("DATA"), QStringLiteral("HISTORICO"), QStringLiteral("ENTRADA"),
                             QStringLiteral("SAIDA"), QStringLiteral("ESTOQUE")});
    Card c;
    if (!stock::storableCode(code)) {
        c.rows = rows.take();   // no row holds such a code
        return c;
    }
    c.opening = stock::StockLedger(m_logon).stockBefore(code, first);
    RowSet read = m_logon.run(
        QStringLiteral("select data, pedido, historico, entrada, sum(saida) as sai, sum(entrada) as ent from estfic "
                       "where codigo = ? and data between ? and ? group by data, codigo, pedido, historico, entrada "
                       "order by data, entrada, codigo, pedido, historico"),
        {code, first, last});
    Decimal running = c.opening;
    while (read.next()) {
        const Decimal in = read.decimal(u"ENT"), out = read.decimal(u"SAI");
        running += in - out;
        rows.add({read.value(u"DATA"),
                  QStringLiteral("NF:") + read.text(u"PEDIDO") + QLatin1Char(' ') + read.text(u"HISTORICO").left(30),
                  number(in), number(out), number(running)});
    }
    c.rows = rows.take();
    return c;
}

Definition MovementCard::report(const RowSet& empresa, const QString& printed, const QString& productName,
                                const QDate& first, const QDate& last, const Decimal& opening)
{
    Definition def;
    const double top = backOfficeHeader(def, text::title, empresa, printed);
    const double w = def.bodySize().width();
    const QString quantity = QStringLiteral("##,##0.0##");
    Band& h = def.pageHeader;
    h.add(label(0, top, 110, 5, QStringLiteral("PRODUTO  : ") + productName).bold());
    h.add(label(112, top, w - 112, 5,
                QStringLiteral("Periodo de ") + stockreports::periodText(first, last, QStringLiteral(" - "))));
    h.add(label(0, top + 5, w, 5, QStringLiteral("Estoque anterior: ") + FormatFloat(quantity, opening)));
    h.height = top + 11;

    const Column in{132, 20, true}, out{154, 20, true};
    listColumns(def, {{QStringLiteral("Data"), QStringLiteral("DATA"), {0, 18, true}},
                      {QStringLiteral("Historico"), QStringLiteral("HISTORICO"), {22, 108}},
                      {QStringLiteral("Entrada"), QStringLiteral("ENTRADA"), in, quantity},
                      {QStringLiteral("Saida"), QStringLiteral("SAIDA"), out, quantity},
                      {QStringLiteral("Estoque"), QStringLiteral("ESTOQUE"), {176, w - 176, true}, quantity}});
    Band& s = def.summary;
    s.height = 9;
    s.add(rule(0, 1, w));
    s.add(total(QStringLiteral("ENTRADA"), in, quantity, 2.5));
    s.add(total(QStringLiteral("SAIDA"), out, quantity, 2.5));
    return def;
}

} // namespace movementcard
