#include "sales/KitchenOrder.h"
#include "core/WholeNumber.h"

#include "db/SqlBatches.h"
#include "platform/Printout.h"
#include "tabs/TabVoucher.h"
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
#include <map>

namespace {

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
    if (const std::optional<qint64> n = readWhole(t); n && *n >= 0)
        return FormatFloat(u"000000", Decimal(*n));
    return t;
}

QStringList composeKitchenOrder(const TicketData& head, const std::vector<KitchenItem>& items, int feedLines)
{
    QStringList lines = composeKitchenHeader(head, QString::number(head.orderNumber), 20, true);
    for (const KitchenItem& item : items) {
        // a long name continues on lines of its own, nothing of it lost
        const QStringList name = kitchenNameLines(item.name);
        lines << kitchenQuantityText(item.quantity) + u' ' + name.front();
        lines << name.mid(1);
        for (const QString& c : item.complements)
            lines << QStringLiteral(" > ") + c.toUpper().left(18);
        lines << kKitchenItemRule;
    }
    feedPaper(lines, feedLines);
    return lines;
}

struct KitchenOrder::Ticket {
    int kitchen = 0;
    std::vector<KitchenItem> items;
    Printout printout;
    std::vector<PrinterSlot> printSlots;
    std::vector<qint64> monitorRows;   // written with the ticket
};

void KitchenOrder::send(const Printout& ticket, PrinterSlot slot, const RouteOptions& options)
{
    RoutePrintout(ticket, slot, options);
}

namespace {

// The head of a tab's tickets: its key, its waiter, a delivery tab's customer, the
// word for a table (the company's, when the tab is gone).
TicketData ticketHead(TLogon& logon, const QString& key, const QDateTime& now)
{
    TicketData head;
    RowSet tab = logon.run(QStringLiteral(
        "select first 1 c.mesa, c.vendedor, c.edely, c.cliente, (select first 1 titulo from empresa) as titulo, "
        "(select first 1 nome from clientes where codigo = c.cliente) as cliente_nome, "
        "(select first 1 nome from vendedor where codigo = coalesce(c.vendedor, 0) order by id) as garcom "
        "from cabmesa c where c.mesa = ? order by c.id"), {key});
    qint64 waiter = 0;
    if (tab.first()) {
        head.tabKey = tab.text(u"MESA");
        waiter = tab.integer(u"VENDEDOR");
        head.waiterName = tab.text(u"GARCOM");
        head.tableWord = tab.text(u"TITULO");
        if (TrimText(tab.text(u"EDELY")) == QLatin1String("S"))
            head.customer = tab.text(u"CLIENTE_NOME");
    } else {
        head.tableWord = textOf(logon.scalar(QStringLiteral("select first 1 titulo from empresa")));
    }
    head.waiterCode = QString::number(waiter);
    head.when = now;
    return head;
}

// The pending items, claimed: marked sent and read back in one statement; by
// kitchen number, each with its complements.
std::map<int, std::vector<KitchenItem>> claimPending(TLogon& logon, const QString& key)
{
    std::map<int, std::vector<KitchenItem>> byKitchen;
    QStringList ids;
    RowSet claimed = logon.run(QStringLiteral(
        "execute block (K varchar(30) = ?) "
        "returns (ID type of column MESA.ID, QUANT type of column MESA.QUANT, NOMEP type of column MESA.NOMEP, "
        "COZINHA type of column MESA.COZINHA) as "
        "begin "
        "  for select ID, COZINHA from MESA where MESA = :K and COZINHA in ('1', '2', '3', '4', '5') order by ID "
        "      into :ID, :COZINHA do "
        "  begin "
        "    update MESA set COZINHA = '0' where ID = :ID and COZINHA = :COZINHA returning QUANT, NOMEP "
        "      into :QUANT, :NOMEP; "
        "    if (row_count > 0) then suspend; "
        "  end "
        "end"), {key});
    while (claimed.next()) {
        byKitchen[int(claimed.integer(u"COZINHA"))].push_back(
            KitchenItem{claimed.integer(u"ID"), claimed.decimal(u"QUANT"), claimed.text(u"NOMEP").left(120), {}});
        ids << QString::number(claimed.integer(u"ID"));
    }
    std::map<QString, QStringList> complements;
    sqlbatch::forEachBatch(ids, [&](const Params& p) {
        RowSet c = logon.run(QStringLiteral("select CODIGO, PRODUTO from ACOMPMESA where CODIGO in ")
                                 + sqlbatch::inPlaces() + QStringLiteral(" order by ID"), p);
        while (c.next())
            complements[c.text(u"CODIGO")] << c.text(u"PRODUTO");
    });
    for (auto& [kitchen, items] : byKitchen)
        for (KitchenItem& item : items) {
            const auto c = complements.find(QString::number(item.id));
            if (c != complements.end())
                item.complements = c->second;
        }
    return byKitchen;
}

// A kitchen-monitor row per item and per monitor slot of its kitchen; their ids.
std::vector<qint64> writeMonitorRows(TLogon& logon, const TicketData& head, const std::vector<KitchenItem>& items,
                                     int monitorSlots, int cashShift, const QString& hora)
{
    std::vector<qint64> rows;
    for (int s = 0; s < monitorSlots; ++s)
        for (const KitchenItem& item : items)
            rows.push_back(writeKitchenMonitorRow(logon, {hora, head.tabKey, head.waiterCode, cashShift, item.name,
                                                          item.quantity, complementSummary(upper(item.complements)),
                                                          std::nullopt, std::nullopt}));
    return rows;
}

} // namespace

struct KitchenOrder::Plan {
    std::map<int, std::vector<PrinterSlot>> printSlots;
    std::map<int, int> monitorSlots;
    int feed = 0;
    int fontSize = 0;
    int firstNumber = 1;
    QDateTime now;
};

KitchenOrder::Plan KitchenOrder::plan()
{
    Plan p;
    // Where each kitchen's ticket goes, as the settings say now.
    for (int kitchen = 1; kitchen <= 5; ++kitchen)
        for (PrinterSlot slot : kitchenSlots(kitchen)) {
            if (TrimText(SlotDestination(slot)) == SetComSettings::kitchenMonitor())
                ++p.monitorSlots[kitchen];
            else
                p.printSlots[kitchen].push_back(slot);
        }
    p.feed = SetComSettings::feedLines();
    p.fontSize = SetComSettings::kitchenFontSize();
    p.firstNumber = nextKitchenOrderNumber();
    p.now = QDateTime::currentDateTime();
    return p;
}

std::vector<KitchenOrder::Ticket> KitchenOrder::claim(const QString& key, const Plan& plan)
{
    std::vector<Ticket> out;
    // The tab first, as every writer of its items: a second F4 waits, then finds nothing pending.
    tabs::holdTabs(m_logon, {key});
    TicketData head = ticketHead(m_logon, key, plan.now);
    const std::map<int, std::vector<KitchenItem>> byKitchen = claimPending(m_logon, key);
    const QString hora = historicoTime(plan.now).left(20);
    for (const auto& [kitchen, items] : byKitchen) {
        Ticket t;
        t.kitchen = kitchen;
        t.items = items;
        head.orderNumber = plan.firstNumber + int(out.size());
        t.printout.fontSize = plan.fontSize;
        t.printout.lines = composeKitchenOrder(head, t.items, plan.feed);
        t.printSlots = plan.printSlots.count(kitchen) ? plan.printSlots.at(kitchen) : std::vector<PrinterSlot>{};
        t.monitorRows = writeMonitorRows(m_logon, head, t.items,
                                         plan.monitorSlots.count(kitchen) ? plan.monitorSlots.at(kitchen) : 0,
                                         m_cashShift, hora);
        out.push_back(std::move(t));
    }
    return out;
}

void KitchenOrder::sendAll(const QString& key, const std::vector<Ticket>& tickets, int firstOrderNumber,
                           KitchenOrderResult& r)
{
    r.tickets = int(tickets.size());
    QStringList problems;
    try {
        saveKitchenOrderNumber(firstOrderNumber + r.tickets);
    } catch (const std::exception& e) {
        problems << QString::fromUtf8(e.what());
    }
    RouteOptions options;
    options.controlByte = true;
    options.monitorTest = true;
    std::vector<KitchenClaim> back;
    std::vector<qint64> backRows;
    QStringList failedKitchens;
    QString why;
    for (const Ticket& t : tickets) {
        bool printed = true;
        for (PrinterSlot slot : t.printSlots) {
            try {
                send(t.printout, slot, options);
                ++r.jobs;
            } catch (const std::exception& e) {
                printed = false;
                why = QString::fromUtf8(e.what());
                break;
            }
        }
        if (printed) {
            r.marked += int(t.items.size());
            r.monitorRows += int(t.monitorRows.size());
            continue;
        }
        failedKitchens << QString::number(t.kitchen);
        for (const KitchenItem& item : t.items)
            back.push_back({item.id, QString::number(t.kitchen)});
        backRows.insert(backRows.end(), t.monitorRows.begin(), t.monitorRows.end());
    }
    if (!back.empty()) {
        try {
            giveBackToKitchen(m_logon, key, back, backRows);
        } catch (const DbError& e) {
            why += QLatin1Char('\n') + e.message();
        }
        problems.prepend(notPrintedText(failedKitchens, why));
    }
    r.error = problems.join(QLatin1Char('\n'));
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
    const Plan p = plan();
    const std::vector<Ticket> tickets = m_logon.action([&] { return claim(key, p); });
    if (tickets.empty())
        return r;
    sendAll(key, tickets, p.firstNumber, r);
    return r;
}
