#include "tabs/ItemCancellation.h"

#include "tabs/TabVoucher.h"
#include "cash/CashShift.h"
#include "core/AmountReader.h"
#include "core/FormatFloat.h"
#include "core/uMensagem.h"
#include "db/UnitLogon.h"

namespace T = ItemCancellationText;

std::vector<CancelItemRow> ItemCancellation::load(const QString& table)
{
    std::vector<CancelItemRow> rows;
    RowSet rs = m_logon.run(QStringLiteral("SELECT ID, MESA, CODIGO, IDMESA, NOMEP, VALOR, QUANT, VEND FROM MESA "
                                           "WHERE MESA = ? ORDER BY NOMEP, ID"),
                            {TrimText(table)});
    while (rs.next()) {
        CancelItemRow r;
        r.id = rs.integer(u"ID");
        r.mesa = rs.text(u"MESA");
        r.codigo = rs.text(u"CODIGO");
        r.idmesa = rs.value(u"IDMESA");
        r.nomep = rs.text(u"NOMEP");
        r.valor = rs.decimal(u"VALOR");
        r.qtde = rs.decimal(u"QUANT");
        r.vend = rs.integer(u"VEND");
        rows.push_back(r);
    }
    return rows;
}

QString ItemCancellation::choose(CancelItemRow& row, const QString& typed)
{
    const Decimal q = readAmount(typed, AmountRules::quantity().pointAsComma()).value_or(Decimal());
    if (q.isNegative())
        return T::kNegative;
    if (q > row.qtde)
        return T::kAbove;
    row.quant = q;
    return QString();
}

QString ItemCancellation::actionText(const QString& table, const CancelItemRow& row)
{
    return (QStringLiteral("C:") + TrimText(table) + QStringLiteral(" UN:") + FormatFloat(u"0.###", row.quant)
            + QStringLiteral(" R$:") + FormatFloat(u"0.00", row.valor * row.quant) + QStringLiteral(" PD:")
            + TrimText(row.nomep))
        .left(38);
}

Printout ItemCancellation::cancel(const QString& table, const std::vector<CancelItemRow>& rows,
                                  const QString& reason, const QString& operatorName, const QDateTime& when)
{
    bool any = false;
    for (const CancelItemRow& r : rows)
        any = any || !r.quant.isZero();
    if (!any)
        return Printout{};
    const QString tab = TrimText(table);
    Printout voucher = m_logon.action([&] {
        // The tab first: a closing of it waits for this cancellation, or this one
        // finds the tab closed.
        if (tabs::holdTabs(m_logon, {tab}).isEmpty())
            throw ActionRefused(tabs::tabNotFound());
        // the log rows go under the shift open at the commit (its closing waits)
        const int cash = cashshift::holdOpenShift(m_logon).number;
        for (const CancelItemRow& r : rows) {
            if (r.quant.isZero())
                continue;
            if (r.quant.isNegative())
                throw ActionRefused(T::kNegative);
            // Taken off where the row is: refused when another station left less.
            if (tabs::takeFromItem(m_logon, tab, r.id, r.quant) != 1)
                throw ActionRefused(T::kChanged);
            tabs::insertLog(m_logon, {when, operatorName, reason, cash, actionText(table, r)});
            tabs::write(m_logon, QStringLiteral("delete from cozinha2 where idmesa = ?"), {r.idmesa});
        }
        return composeVoucher(table, rows, reason);
    });
    tabs::dropEmptyItems(m_logon, rows);
    return voucher;
}

Printout ItemCancellation::composeVoucher(const QString& table, const std::vector<CancelItemRow>& rows,
                                          const QString& reason)
{
    Printout p = tabs::voucherHead(QStringLiteral("****     EXCLUIR ITEM COMANDA   *****"));
    p.lines << QStringLiteral("Mesa    :") + table;
    for (const CancelItemRow& r : rows) {
        if (r.quant.isZero())
            continue;
        p.lines << QStringLiteral("Garcom  :") + QString::number(r.vend) << QStringLiteral("Produto :") + r.nomep
                << QStringLiteral("Total R$:") + FormatFloat(u"0.00", r.valor * r.quant)
                << QStringLiteral("Quant   :") + FormatFloat(u"0.###", r.quant) << QString();
    }
    p.lines << QStringLiteral("Observacao:") << QLatin1Char(' ') + reason << QString() << QString()
            << tabs::dashes38() << QStringLiteral("Ass. Gerencia") << QString() << QString() << QString()
            << QString();
    return p;
}
