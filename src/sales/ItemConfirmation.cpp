#include "sales/ItemConfirmation.h"
#include "core/WholeNumber.h"

#include "platform/Printout.h"
#include "tabs/TabKey.h"
#include "tabs/TabVoucher.h"
#include "core/AmountReader.h"
#include "core/FormatFloat.h"
#include "core/uMensagem.h"
#include "db/Historico.h"
#include "db/UnitLogon.h"
#include "platform/LineFile.h"
#include "platform/StationPaths.h"
#include "printing/RoutePrintout.h"
#include "printing/SetComSettings.h"
#include "sales/SalesMessages.h"
#include "sales/TabOpening.h"

#include <QDateTime>
#include <cmath>

namespace {

QString settingsLine(const char* file, int line)
{
    try {
        if (const std::optional<LineFile> f = LineFile::load(station::path(QString::fromLatin1(file))))
            return f->line(line);
    } catch (const std::exception&) {
    }
    return QString();
}

} // namespace

QString confirmMessage(ConfirmResult::Status status)
{
    using S = ConfirmResult::Status;
    switch (status) {
    case S::CashClosed: return salesmsg::cashClosedConfirm;
    case S::NoWaiter: return salesmsg::informWaiter;
    case S::NoProduct: return salesmsg::informProduct;
    case S::ProductNotFound: return salesmsg::productNotFoundShort;
    case S::InvalidPrice: return QStringLiteral("|     Valor do produto não é valido     |");
    case S::TabClosed: return salesmsg::tabClosed;
    case S::TabNotFound: return salesmsg::tabNotFound;
    default: return QString();
    }
}

int giveBackToKitchen(TLogon& logon, const QString& tab, const std::vector<KitchenClaim>& items,
                      const std::vector<qint64>& monitorRows)
{
    return logon.action([&] {
        tabs::holdTabs(logon, {tab});
        int back = 0;
        for (const KitchenClaim& c : items)
            back += int(logon.exec(QStringLiteral("update mesa set cozinha = ? where id = ? and cozinha = '0'"),
                                   {c.kitchen, c.id}));
        for (const qint64 id : monitorRows)
            logon.run(QStringLiteral("delete from cozinha2 where id = ?"), {id});
        return back;
    });
}

QString notPrintedText(const QStringList& kitchens, const QString& why)
{
    const QString head = kitchens.size() == 1
        ? QStringLiteral("O pedido da cozinha %1 não foi impresso").arg(kitchens.front())
        : QStringLiteral("Os pedidos das cozinhas %1 não foram impressos").arg(kitchens.join(QStringLiteral(", ")));
    return head + QStringLiteral("; os itens voltaram a ficar pendentes para o pedido da cozinha.\n") + why;
}

QStringList composeKitchenHeader(const TicketData& t, const QString& orderText, int waiterCodeWidth, bool deliveryLine)
{
    QStringList lines;
    const QString head = QStringLiteral("PEDIDO       :") + orderText;
    const int blanks = 18 - int(std::floor(TrimText(head).size() / 2.0 + 0.5));
    lines << (blanks > 0 ? QString(blanks, u' ') : QString()) + head;
    lines << QString(37, u'-');
    lines << t.tableWord + QStringLiteral(".:") + t.tabKey;
    if (!t.customer.isNull())
        lines << t.customer;
    lines << QStringLiteral("GARCOM :") + t.waiterCode.left(waiterCodeWidth) + u' ' + t.waiterName + QStringLiteral("##");
    lines << t.when.toString(QStringLiteral("dd/MM/yy")) + QStringLiteral("  -  ") + t.when.toString(QStringLiteral("hh:mm:ss"));
    if (deliveryLine && tabKeyNumber(t.tabKey) > Decimal(1'000'000))
        lines << QStringLiteral("                    D E L I V E R Y");
    lines << QString(37, u'=') << QStringLiteral("QTD  DESCRICAO   ") << QString(37, u'=');
    return lines;
}

QStringList composeKitchenTicket(const TicketData& t)
{
    QStringList lines = composeKitchenHeader(t, QString::number(t.orderNumber), 30, true);
    const QString qty = t.quantity.isWhole() ? FormatFloat(u"000", t.quantity) : FormatFloat(u"0.000", t.quantity);
    const QString first = qty + u' ' + t.name;
    lines << first.left(37);
    for (QString rest = first.mid(37); !rest.isEmpty(); rest = rest.mid(37))
        lines << rest.left(37);   // a long name continues, nothing of it is lost
    for (const QString& c : t.complements)
        lines << QStringLiteral(" > ") + c.toUpper().left(18);
    lines << QString() << QString(37, u'-');
    feedPaper(lines, t.feedLines);
    return lines;
}

namespace {

using Status = ConfirmResult::Status;

// What a draft comes to once its checks pass: the MESA row and what goes with it.
struct CheckedItem {
    QString code, name;
    Decimal price;               // the unit price, its complements' values included
    Decimal quantity;
    std::optional<ProductInfo> product;   // none for a multi-flavour item
    std::vector<ComplementRow> kept;      // the complements not struck out
    QStringList complementNames;
    int kitchen = 0;             // 0 to 9; anything else is 0
    QString kitchenText;
    qint64 waiter = 1;
};

// The checks of a draft in the order the window makes them; the refusal, or the
// item to store. The product is looked up by its code unless it is a multi-flavour
// item ("/c1/c2/", priced already).
std::optional<Status> check(TLogon& logon, int cashShift, const ItemDraft& d, QString& tabKey, CheckedItem& item)
{
    if (cashShift == 0)
        return Status::CashClosed;
    tabKey = tabs::readTabKey(d.tabKey, tabs::TabKeyRules::salesScreen());
    if (tabKey.isEmpty())
        return Status::NoTab;
    if (TrimText(d.waiter).isEmpty())
        return Status::NoWaiter;
    QString code = TrimText(d.code);
    if (code.isEmpty())
        return Status::NoProduct;
    const bool kit = code.startsWith(u'*');
    const QString lookupCode = normaliseProductCode(code);
    if (!kit)
        code = lookupCode;
    ItemEntry entry(logon);
    // a multi-flavour item ("/c1/c2/") is no product of its own: its name and price come priced
    const bool flavours = code.startsWith(u'/') && !TrimText(d.name).isEmpty();
    const std::optional<ProductInfo> product = flavours ? std::nullopt : entry.findProduct(lookupCode);
    if (!product && !flavours) {
        // nothing is stored under a code that is no product, whatever the name shows
        return Status::ProductNotFound;
    }
    QString name = d.name;
    Decimal price;
    if (TrimText(name).isEmpty()) {
        name = product->nome;
        price = product->price(d.promotion);
    } else {
        const std::optional<Decimal> p = readAmount(d.price, AmountRules::money().notNegative());
        if (!p)
            return Status::InvalidPrice;
        price = *p;
    }
    if ((flavours || product->hasSizes) && !TrimText(d.sizeText).isEmpty())
        name = TrimText(d.sizeText.mid(1, 15)) + QStringLiteral("  ") + name;

    for (const ComplementRow& c : d.complements) {
        if (c.flag == QLatin1String("X"))
            continue;
        item.kept.push_back(c);
        item.complementNames << c.produto;
        price += c.valor;
    }
    const std::optional<qint64> kitchenNumber = readWhole(d.kitchen);
    item.kitchen = kitchenNumber && *kitchenNumber >= 0 && *kitchenNumber <= 9 ? int(*kitchenNumber) : 0;
    item.kitchenText = QString::number(item.kitchen);
    const std::optional<qint64> waiterNumber = readWhole(d.waiter);
    item.waiter = waiterNumber ? *waiterNumber : 1;
    item.quantity = quantityOrOne(d.quantity);
    item.code = code;
    item.name = name;
    item.price = price;
    item.product = product;
    return std::nullopt;
}

// Where the item's ticket goes when the station prints tickets one by one (kitchen
// 1 to 5, kitchen orders printed, one by one, no delivery tab): the printers of the
// kitchen's slots and how many of them are the kitchen monitor.
struct TicketGate {
    bool oneByOne = false;
    std::vector<PrinterSlot> printSlots;
    int monitorSlots = 0;
    // Whether the ticket goes out now (the item is then stored as sent).
    bool sends() const { return oneByOne && (monitorSlots > 0 || !printSlots.empty()); }
};

TicketGate ticketGate(int kitchen, const QString& tabKey)
{
    TicketGate g;
    const char* setup = SetComSettings::kSetupFile;
    g.oneByOne = kitchen >= 1 && kitchen <= 5 && settingsLine(setup, 4) != QLatin1String("N")
        && settingsLine(setup, 5) == QLatin1String("S") && tabKeyNumber(tabKey) < Decimal(1'000'000);
    if (g.oneByOne) {
        for (PrinterSlot slot : kitchenSlots(kitchen)) {
            const QString dest = TrimText(SlotDestination(slot));
            if (dest.isEmpty())
                continue;   // a slot without its settings line sends nothing
            if (dest == SetComSettings::kitchenMonitor())
                ++g.monitorSlots;
            else
                g.printSlots.push_back(slot);
        }
    }
    return g;
}

// The ticket's lines known before the action: the word for a table, the waiter,
// the next kitchen order number, the item and its complements.
TicketData ticketOf(TLogon& logon, const CheckedItem& item)
{
    TicketData ticket;
    RowSet names = logon.run(QStringLiteral(
        "select (select first 1 titulo from empresa) as titulo, "
        "(select first 1 nome from vendedor where codigo = ? order by id) as nome from rdb$database"), {item.waiter});
    names.first();
    ticket.tableWord = names.text(u"TITULO");
    ticket.waiterName = names.text(u"NOME");
    ticket.orderNumber = nextKitchenOrderNumber();
    ticket.waiterCode = QString::number(item.waiter);
    ticket.quantity = item.quantity;
    ticket.name = item.name;
    ticket.complements = item.complementNames;
    ticket.feedLines = SetComSettings::feedLines();
    return ticket;
}

// Inside the action: the MESA row (as sent when its ticket goes out now) and its
// complements; with a ticket, the tab's key, the time and a delivery tab's
// customer on it, and the kitchen-monitor rows.
class ItemStore {
public:
    ItemStore(TLogon& logon, int cashShift, const CheckedItem& item, const TicketGate& gate, const QDateTime& now)
        : m_logon(logon), m_cashShift(cashShift), item(item), gate(gate), now(now)
    {
    }

    QString mesa;                     // the tab's key as stored
    std::vector<qint64> monitorIds;   // the COZINHA2 rows written

    Status run(ConfirmResult& r, TicketData& ticket)
    {
        monitorIds.clear();
        // the tab row is held until the commit: a pre-bill of another station waits for this item
        RowSet tab = m_logon.run(QStringLiteral(
            "select first 1 id, mesa, status, edely, cliente from cabmesa where mesa = ? order by id with lock"), {r.tabKey});
        if (!tab.first())
            return Status::TabNotFound;
        if (tab.integer(u"STATUS") == 1)
            return Status::TabClosed;
        r.itemKey = m_logon.GenId(QStringLiteral("ACOMBALCAO"));
        mesa = tab.text(u"MESA");
        m_logon.run(QStringLiteral("update cabmesa set vendedor = ?, hora2 = ? where id = ?"),
                    {item.waiter, now.time(), tab.integer(u"ID")});
        r.itemId = insertItem(r.itemKey);
        for (const ComplementRow& c : item.kept)
            m_logon.run(QStringLiteral("insert into AcompMesa (id,produto,codigo,idmesa,quant,cod) "
                                       "values (GEN_ID(ACOMPMESA,1),?,?,?,?,?)"),
                        {c.produto.left(35), QString::number(r.itemId), r.itemId, c.valor, c.cod});
        r.monitorRows = 0;
        if (gate.oneByOne) {
            ticket.tabKey = mesa;
            ticket.when = now;
            ticket.customer = TrimText(tab.text(u"EDELY")) == QLatin1String("S")
                ? textOf(m_logon.scalar(QStringLiteral("select first 1 nome from clientes where codigo = ?"), {tab.integer(u"CLIENTE")}))
                : QString();
            r.monitorRows = writeMonitorRows(r.itemKey);
        }
        return Status::Stored;
    }

private:
    // A product to join separately (JUNTAR "S") gets a COMPL of its own.
    qint64 insertItem(qint64 itemKey)
    {
        const bool joinSeparately = item.product && item.product->juntar == QLatin1String("S");
        const QString insert = joinSeparately
            ? QStringLiteral("insert into mesa (idmesa,mesa,quant,complemento,codigo,nomep,cozinha,valor,compl,impressora,vend) "
                             "values (?,?,?,?,?,?,?,?,cast(gen_id(MESA,0) as varchar(30)),?,?) returning id")
            : QStringLiteral("insert into mesa (idmesa,mesa,quant,complemento,codigo,nomep,cozinha,valor,impressora,vend) "
                             "values (?,?,?,?,?,?,?,?,?,?) returning id");
        RowSet inserted = m_logon.run(insert, {itemKey, mesa, item.quantity, QString::number(itemKey), item.code,
                                               item.name.left(120), gate.sends() ? QStringLiteral("0") : item.kitchenText,
                                               item.price, item.kitchenText, item.waiter});
        inserted.first();
        return inserted.integer(u"ID");
    }

    int writeMonitorRows(qint64 itemKey)
    {
        int rows = 0;
        const QString summary = complementSummary(item.complementNames).left(28);
        for (int i = 0; i < gate.monitorSlots; ++i) {
            monitorIds.push_back(writeKitchenMonitorRow(
                m_logon, {historicoTime(now), mesa, QString::number(item.waiter), m_cashShift, item.name, item.quantity,
                          summary, itemKey, item.product ? item.product->classe : 0}));
            ++rows;
        }
        return rows;
    }

    TLogon& m_logon;
    int m_cashShift;
    const CheckedItem& item;
    const TicketGate& gate;
    const QDateTime& now;
};

// After the commit: the ticket composed, the next order number kept, the ticket on
// each printer; when no job went out the item goes back to the kitchen queue, and says so.
void printTicket(TLogon& logon, ConfirmResult& r, const TicketData& ticket, const TicketGate& gate,
                 const ItemStore& stored, const QString& kitchenText)
{
    r.ticket.lines = composeKitchenTicket(ticket);
    r.ticket.fontSize = SetComSettings::kitchenFontSize();
    try {
        saveKitchenOrderNumber(ticket.orderNumber + 1);
    } catch (const std::exception& e) {
        r.printError = QString::fromUtf8(e.what());
    }
    RouteOptions options;
    options.controlByte = true;
    options.monitorTest = true;
    for (PrinterSlot slot : gate.printSlots) {
        try {
            RoutePrintout(r.ticket, slot, options);
            ++r.ticketJobs;
        } catch (const std::exception& e) {
            r.printError = QString::fromUtf8(e.what());
        }
    }
    if (!gate.printSlots.empty() && r.ticketJobs == 0) {
        // No job went out: the item goes back for the kitchen order, and says so.
        try {
            giveBackToKitchen(logon, stored.mesa, {{r.itemId, kitchenText}}, stored.monitorIds);
            r.pending = true;
            r.printError = notPrintedText({kitchenText}, r.printError);
        } catch (const DbError& e) {
            r.printError += QLatin1Char('\n') + e.message();
        }
    }
}

} // namespace

ConfirmResult ItemConfirmation::confirm(const ItemDraft& d)
{
    ConfirmResult r;
    CheckedItem item;
    if (const std::optional<Status> refused = check(m_logon, m_cashShift, d, r.tabKey, item)) {
        r.status = *refused;
        return r;
    }
    const TicketGate gate = ticketGate(item.kitchen, r.tabKey);
    TicketData ticket;
    if (gate.oneByOne)
        ticket = ticketOf(m_logon, item);
    const QDateTime now = QDateTime::currentDateTime();
    ItemStore store(m_logon, m_cashShift, item, gate, now);
    r.status = m_logon.action([&] { return store.run(r, ticket); });
    if (r.status != Status::Stored)
        return r;
    r.pending = item.kitchen >= 1 && item.kitchen <= 5 && !gate.sends();
    if (!gate.sends())
        return r;
    printTicket(m_logon, r, ticket, gate, store, item.kitchenText);
    return r;
}
