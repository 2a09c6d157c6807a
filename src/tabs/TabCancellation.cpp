#include "tabs/TabCancellation.h"

#include "tabs/TabVoucher.h"
#include "cash/CashShift.h"
#include "core/FormatFloat.h"
#include "core/uMensagem.h"
#include "db/UnitLogon.h"
#include "printing/RoutePrintout.h"

void TabCancellation::print(const Printout& voucher)
{
    RouteOptions o;
    o.endOfReceipt = true;
    RoutePrintout(voucher, PrinterSlot::Closing, o);
}

std::optional<Printout> TabCancellation::cancel(const TabCancellationRequest& r)
{
    return m_logon.action([&]() -> std::optional<Printout> {
        // The tab's head row, held until the commit: a second station cancelling or
        // paying the same tab waits, then finds it gone.
        if (tabs::holdTabs(m_logon, {r.tab}).isEmpty())
            return std::nullopt;
        RowSet head = m_logon.run(QStringLiteral("select first 1 VENDEDOR from CABMESA where MESA = ?"), {r.tab});
        tabs::insertLog(m_logon, {r.when, r.operatorName, r.tab + QLatin1Char(' ') + r.reason,
                                  cashshift::holdOpenShift(m_logon).number, QStringLiteral("Cmd Excl :")});
        tabs::write(m_logon, QStringLiteral("delete from cozinha2 where mesa = cast(? as varchar(30))"), {r.tab});
        head.first();
        Printout voucher = composeVoucher(r, QString::number(head.integer(u"VENDEDOR")));
        tabs::write(m_logon, QStringLiteral("delete from cabmesa where mesa = ?"), {r.tab});
        tabs::write(m_logon, QStringLiteral("delete from mesa where mesa = ?"), {r.tab});
        return voucher;
    });
}

Printout TabCancellation::composeVoucher(const TabCancellationRequest& r, const QString& waiter)
{
    Printout p = tabs::voucherHead(QStringLiteral("****     EXCLUIR COMANDA/MESA    *****"));
    p.lines << QStringLiteral("Mesa :") + r.tab << QStringLiteral("Garcom :") + waiter
            << QStringLiteral("Observacao:") << QLatin1Char(' ') + r.reason;
    if (r.printItems) {
        p.lines << QStringLiteral("Produtos");
        RowSet items = m_logon.run(QStringLiteral("select QUANT, VALOR, NOMEP from mesa where mesa = ? order by ID"), {r.tab});
        while (items.next()) {
            p.lines << PadRight(FormatFloat(u"0.##", items.decimal(u"QUANT")), 5) + QLatin1Char(' ')
                           + PadRight(FormatFloat(u"0.00", items.decimal(u"VALOR")), 7) + QLatin1Char(' ')
                           + PadRight(items.text(u"NOMEP"), 24);
        }
    } else {
        p.lines << QString();
    }
    p.lines << QString() << QString() << tabs::dashes38() << QStringLiteral("Ass. Gerencia") << QString()
            << QString() << QString() << QString();
    return p;
}
