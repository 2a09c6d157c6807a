#include "sales/KitchenOrder.h"

#include "core/FormatFloat.h"
#include "core/uMensagem.h"
#include "db/Historico.h"
#include "db/UnitLogon.h"
#include "platform/LineFile.h"
#include "platform/Win1252.h"
#include "platform/StationPaths.h"
#include "printing/RoutePrintout.h"
#include "printing/SetComSettings.h"
#include "sales/ItemEntry.h"

#include <QDateTime>

namespace {

std::vector<PrinterSlot> slotsOf(int kitchen)
{
    switch (kitchen) {
    case 1: return {PrinterSlot::Kitchen1};
    case 2: return {PrinterSlot::Kitchen2};
    case 3: return {PrinterSlot::Kitchen3};
    case 4: return {PrinterSlot::Kitchen4};
    default: return {PrinterSlot::Kitchen1, PrinterSlot::Kitchen2};
    }
}

QStringList upper(const QStringList& names)
{
    QStringList u;
    for (const QString& n : names)
        u << n.toUpper();
    return u;
}

} // namespace

QString kitchenOrderKey(const QString& typed)
{
    const QString t = TrimText(typed);
    if (const std::optional<qint64> n = wholeNumber(t); n && *n >= 0)
        return FormatFloat(u"000000", Decimal(*n));
    return t;
}

QStringList composeKitchenOrder(const TicketData& head, const std::vector<KitchenItem>& items, int feedLines)
{
    QStringList lines = composeKitchenHeader(head, QString::number(head.orderNumber), 20, true);
    for (const KitchenItem& item : items) {
        const QString qty = item.quantity.isWhole() ? FormatFloat(u"000", item.quantity)
                                                    : FormatFloat(u"0.000", item.quantity) + QStringLiteral("Kg");
        const QString first = qty + u' ' + item.name;
        lines << first.left(qty.size() + 1 + 37);
        // a long name continues on lines of its own, nothing of it lost
        for (QString rest = item.name.mid(37); !rest.isEmpty(); rest = rest.mid(37))
            lines << rest.left(37);
        for (const QString& c : item.complements)
            lines << QStringLiteral(" > ") + c.toUpper().left(18);
        lines << QStringLiteral("- - - - - - - - - - - - - - - - - - -");
    }
    for (int i = 0; i < feedLines; ++i)
        lines << QStringLiteral(".");
    return lines;
}

std::vector<KitchenItem> KitchenOrder::pending(const QString& key, int kitchen)
{
    std::vector<KitchenItem> items;
    RowSet rs = m_logon.run(QStringLiteral("select id, quant, nomep from mesa where mesa = ? and cozinha = ? order by id"),
                            {key, QString::number(kitchen)});
    while (rs.next())
        items.push_back(KitchenItem{rs.integer(u"ID"), rs.decimal(u"QUANT"), rs.text(u"NOMEP").left(120), {}});
    for (KitchenItem& item : items) {
        RowSet c = m_logon.run(QStringLiteral("select produto from acompmesa where codigo = ? order by id"),
                               {QString::number(item.id)});
        while (c.next())
            item.complements << c.text(u"PRODUTO");
    }
    return items;
}

void KitchenOrder::send(const Printout& ticket, PrinterSlot slot, const RouteOptions& options)
{
    RoutePrintout(ticket, slot, options);
}

KitchenOrderResult KitchenOrder::print(const QString& tabField)
{
    KitchenOrderResult r;
    const QString key = kitchenOrderKey(tabField);
    if (key.isEmpty()) {
        r.noTab = true;
        return r;
    }
    if (key.size() > 30 || !fitsWin1252(key))
        return r;   // no tab has such a key

    TicketData head;
    qint64 waiter = 0;
    {
        RowSet tab = m_logon.run(QStringLiteral(
            "select first 1 c.mesa, c.vendedor, c.edely, c.cliente, (select first 1 titulo from empresa) as titulo, "
            "(select first 1 nome from clientes where codigo = c.cliente) as cliente_nome, "
            "(select first 1 nome from vendedor where codigo = coalesce(c.vendedor, 0) order by id) as garcom "
            "from cabmesa c where c.mesa = ? order by c.id"), {key});
        if (tab.first()) {
            head.tabKey = tab.text(u"MESA");
            waiter = tab.integer(u"VENDEDOR");
            head.waiterName = tab.text(u"GARCOM");
            head.tableWord = tab.text(u"TITULO");
            if (TrimText(tab.text(u"EDELY")) == QLatin1String("S"))
                head.customer = tab.text(u"CLIENTE_NOME");
        } else {
            head.tableWord = textOf(m_logon.scalar(QStringLiteral("select first 1 titulo from empresa")));
        }
        head.waiterCode = QString::number(waiter);
    }
    const int feed = SetComSettings::feedLines();
    const int fontSize = SetComSettings::kitchenFontSize();

    for (int kitchen = 1; kitchen <= 5; ++kitchen) {
        const std::vector<KitchenItem> items = pending(key, kitchen);
        if (items.empty())
            continue;
        head.orderNumber = nextKitchenOrderNumber();
        head.when = QDateTime::currentDateTime();
        Printout ticket;
        ticket.fontSize = fontSize;
        ticket.lines = composeKitchenOrder(head, items, feed);
        ++r.tickets;
        try {
            saveKitchenOrderNumber(head.orderNumber + 1);
        } catch (const std::exception& e) {
            r.error = QString::fromUtf8(e.what());
            return r;
        }
        int monitorSlots = 0;
        RouteOptions options;
        options.controlByte = true;
        options.monitorTest = true;
        for (PrinterSlot slot : slotsOf(kitchen)) {
            if (TrimText(SlotDestination(slot)) == SetComSettings::kitchenMonitor()) {
                ++monitorSlots;
                continue;
            }
            try {
                send(ticket, slot, options);
                ++r.jobs;
            } catch (const std::exception& e) {
                r.error = QString::fromUtf8(e.what());
                return r;   // this kitchen's items and the later ones stay pending
            }
        }
        // the monitor rows and the sent marks together: both or neither
        const QString hora = historicoTime(head.when).left(20);
        const std::pair<int, int> done = m_logon.action([&] {
            std::pair<int, int> counts{0, 0};
            for (int s = 0; s < monitorSlots; ++s)
                for (const KitchenItem& item : items) {
                    m_logon.run(QStringLiteral("Insert Into cozinha2 (id,hora,mesa,garcom,caixa,produto,quant,compl) "
                                               "values (GEN_ID(COZINHA2,1),?,?,?,?,?,?,?)"),
                                {hora, head.tabKey.left(15), head.waiterCode.left(10), m_cashShift, item.name,
                                 item.quantity, complementSummary(upper(item.complements)).left(28)});
                    ++counts.first;
                }
            for (const KitchenItem& item : items)
                counts.second += int(m_logon.exec(QStringLiteral("update mesa set cozinha = '0' where id = ? and cozinha = ?"),
                                                  {item.id, QString::number(kitchen)}));
            return counts;
        });
        r.monitorRows += done.first;
        r.marked += done.second;
    }
    return r;
}
