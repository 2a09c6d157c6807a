#include "tabs/ItemTransfer.h"

#include "tabs/TabVoucher.h"
#include "core/AmountReader.h"
#include "core/FormatFloat.h"
#include "core/LineAmount.h"
#include "core/uMensagem.h"
#include "db/UnitLogon.h"

namespace T = ItemTransferText;

bool ItemTransfer::load(const QString& origin, std::vector<TransferRow>& rows)
{
    rows.clear();
    if (!tabs::tabExists(m_logon, origin))
        return false;
    RowSet rs = m_logon.run(QStringLiteral("select ID, CODIGO, QUANT, VALOR, NOMEP, VEND, MESA from mesa where mesa = ? "
                                           "order by ID"),
                            {origin});
    while (rs.next()) {
        TransferRow r;
        static_cast<tabs::TabItem&>(r) = tabs::tabItemOf(rs);
        rows.push_back(r);
    }
    return true;
}

QString ItemTransfer::choose(TransferRow& row, const QString& answer)
{
    const Decimal q = readAmount(answer, AmountRules::quantity().pointAsComma()).value_or(Decimal());
    row.tq = Decimal();
    if (q > row.quant)
        return T::kAbove;
    if (q.isNegative())
        return T::kNegative;
    row.tq = q;
    return QString();
}

QString ItemTransfer::checkDestination(const QString& origin, const QString& destination)
{
    const QString dest = TrimText(destination);
    if (TrimText(origin) == dest)
        return T::kSame;
    if (dest == QLatin1String("000000"))
        return T::kAskDestination;
    return tabs::tabExists(m_logon, dest.isEmpty() ? QStringLiteral("0") : dest) ? QString() : T::kOpenQuestion;
}

Printout ItemTransfer::move(const QString& origin, const QString& destination, const std::vector<TransferRow>& rows,
                            const QString& reason)
{
    const QString dest = TrimText(destination);
    if (dest.isEmpty() || dest == QLatin1String("000000"))
        throw ActionRefused(T::kNoDestination);
    if (dest == TrimText(origin))
        throw ActionRefused(T::kSame);
    bool any = false;
    for (const TransferRow& r : rows)
        any = any || r.tq > Decimal();
    if (!any)
        return Printout{};
    const QString from = TrimText(origin);
    const QString waiter = m_logon.action([&] {
        // Both tabs first, in key order: a closing of either waits for the move.
        const QStringList held = tabs::holdTabs(m_logon, {from, dest});
        if (!held.contains(dest))
            throw ActionRefused(T::kNotOpened);
        if (!held.contains(from))
            throw ActionRefused(T::kNotFound);
        for (const TransferRow& r : rows) {
            if (!(r.tq > Decimal()))
                continue;
            // What the row holds now, not what the list showed: refused when less.
            if (tabs::takeFromItem(m_logon, from, r.id, r.tq) != 1)
                throw ActionRefused(T::kAbove);
            m_logon.run(QStringLiteral("insert into mesa (mesa,codigo,quant,valor,Nomep,Vend) values (?,?,?,?,?,?)"),
                        {dest, r.codigo, r.tq, r.valor, r.nomep, r.vend});
        }
        const QVariant v = m_logon.scalar(QStringLiteral("select first 1 VENDEDOR from cabmesa where mesa = ?"), {from});
        return v.isNull() ? QString() : QString::number(integerOf(v));
    });
    tabs::dropEmptyItems(m_logon, rows);
    return composeVoucher(origin, dest, rows, reason, waiter);
}

Printout ItemTransfer::composeVoucher(const QString& origin, const QString& destination,
                                      const std::vector<TransferRow>& rows, const QString& reason,
                                      const QString& waiter)
{
    Printout p = tabs::voucherHead(QStringLiteral("******      TROCA DE MESA      ******"));
    p.lines << QStringLiteral("Mesa :") + origin << QStringLiteral("Garcom :") + waiter << QStringLiteral("Observacao:")
            << QLatin1Char(' ') + reason << tabs::dashes38()
            << QStringLiteral("****  Transferido da MESA :") + destination + QStringLiteral("****");
    LineTotal total;
    for (const TransferRow& r : rows) {
        if (!(r.tq > Decimal()))
            continue;
        const Decimal line = total.add(r.tq, r.valor);
        p.lines << FormatFloat(u"0.###", r.tq) + QLatin1Char(' ') + PadRight(r.nomep, 19) + QLatin1Char(' ')
                       + FormatFloatLeftPadded(QStringLiteral("0.00"), 7, r.valor) + QLatin1Char(' ')
                       + FormatFloatLeftPadded(QStringLiteral("0.00"), 7, line);
    }
    p.lines << tabs::dashes38() << PadRight(QStringLiteral("Total"), 28) + FormatFloatLeftPadded(QStringLiteral("0.00"), 9, total.value());
    return p;
}
