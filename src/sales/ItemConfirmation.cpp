#include "sales/ItemConfirmation.h"

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
    for (int i = 0; i < t.feedLines; ++i)
        lines << QStringLiteral(".");
    return lines;
}

ConfirmResult ItemConfirmation::confirm(const ItemDraft& d)
{
    using S = ConfirmResult::Status;
    ConfirmResult r;
    if (m_cashShift == 0) {
        r.status = S::CashClosed;
        return r;
    }
    r.tabKey = tabs::readTabKey(d.tabKey, tabs::TabKeyRules::salesScreen());
    if (r.tabKey.isEmpty()) {
        r.status = S::NoTab;
        return r;
    }
    if (TrimText(d.waiter).isEmpty()) {
        r.status = S::NoWaiter;
        return r;
    }
    QString code = TrimText(d.code);
    if (code.isEmpty()) {
        r.status = S::NoProduct;
        return r;
    }
    const bool kit = code.startsWith(u'*');
    const QString lookupCode = normaliseProductCode(code);
    if (!kit)
        code = lookupCode;
    ItemEntry entry(m_logon);
    // a multi-flavour item ("/c1/c2/") is no product of its own: its name and price come priced
    const bool flavours = code.startsWith(u'/') && !TrimText(d.name).isEmpty();
    const std::optional<ProductInfo> product = flavours ? std::nullopt : entry.findProduct(lookupCode);
    if (!product && !flavours) {
        // nothing is stored under a code that is no product, whatever the name shows
        r.status = S::ProductNotFound;
        return r;
    }
    QString name = d.name;
    Decimal price;
    if (TrimText(name).isEmpty()) {
        name = product->nome;
        price = product->price(d.promotion);
    } else {
        const std::optional<Decimal> p = readAmount(d.price, AmountRules::money().notNegative());
        if (!p) {
            r.status = S::InvalidPrice;
            return r;
        }
        price = *p;
    }
    if ((flavours || product->hasSizes) && !TrimText(d.sizeText).isEmpty())
        name = TrimText(d.sizeText.mid(1, 15)) + QStringLiteral("  ") + name;

    std::vector<ComplementRow> kept;
    QStringList complementNames;
    for (const ComplementRow& c : d.complements) {
        if (c.flag == QLatin1String("X"))
            continue;
        kept.push_back(c);
        complementNames << c.produto;
        price += c.valor;
    }
    const std::optional<qint64> kitchenNumber = wholeNumber(d.kitchen);
    const int kitchen = kitchenNumber && *kitchenNumber >= 0 && *kitchenNumber <= 9 ? int(*kitchenNumber) : 0;
    const QString kitchenText = QString::number(kitchen);
    const std::optional<qint64> waiterNumber = wholeNumber(d.waiter);
    const qint64 waiter = waiterNumber ? *waiterNumber : 1;
    const Decimal quantity = quantityOrOne(d.quantity);

    // Ticket gate: kitchen 1 to 5, kitchen orders printed, one by one.
    const char* setup = SetComSettings::kSetupFile;
    const bool oneByOne = kitchen >= 1 && kitchen <= 5 && settingsLine(setup, 4) != QLatin1String("N")
        && settingsLine(setup, 5) == QLatin1String("S") && tabKeyNumber(r.tabKey) < Decimal(1'000'000);
    std::vector<PrinterSlot> printSlots;
    int monitorSlots = 0;
    if (oneByOne) {
        for (PrinterSlot slot : kitchenSlots(kitchen)) {
            const QString dest = TrimText(SlotDestination(slot));
            if (dest.isEmpty())
                continue;   // a slot without its settings line sends nothing
            if (dest == SetComSettings::kitchenMonitor())
                ++monitorSlots;
            else
                printSlots.push_back(slot);
        }
    }
    TicketData ticket;
    if (oneByOne) {
        RowSet names = m_logon.run(QStringLiteral(
            "select (select first 1 titulo from empresa) as titulo, "
            "(select first 1 nome from vendedor where codigo = ? order by id) as nome from rdb$database"), {waiter});
        names.first();
        ticket.tableWord = names.text(u"TITULO");
        ticket.waiterName = names.text(u"NOME");
        ticket.orderNumber = nextKitchenOrderNumber();
        ticket.waiterCode = QString::number(waiter);
        ticket.quantity = quantity;
        ticket.name = name;
        ticket.complements = complementNames;
        ticket.feedLines = SetComSettings::feedLines();
    }
    const bool joinSeparately = product && product->juntar == QLatin1String("S");
    const QDateTime now = QDateTime::currentDateTime();

    // An item whose ticket goes out now is stored as sent (a failed ticket gives it back).
    const bool sentNow = oneByOne && (monitorSlots > 0 || !printSlots.empty());
    QString mesa;
    std::vector<qint64> monitorIds;
    r.status = m_logon.action([&] {
        monitorIds.clear();
        // the tab row is held until the commit: a pre-bill of another station waits for this item
        RowSet tab = m_logon.run(QStringLiteral(
            "select first 1 id, mesa, status, edely, cliente from cabmesa where mesa = ? order by id with lock"), {r.tabKey});
        if (!tab.first())
            return S::TabNotFound;
        if (tab.integer(u"STATUS") == 1)
            return S::TabClosed;
        r.itemKey = m_logon.GenId(QStringLiteral("ACOMBALCAO"));
        mesa = tab.text(u"MESA");
        m_logon.run(QStringLiteral("update cabmesa set vendedor = ?, hora2 = ? where id = ?"),
                    {waiter, now.time(), tab.integer(u"ID")});
        const QString insert = joinSeparately
            ? QStringLiteral("insert into mesa (idmesa,mesa,quant,complemento,codigo,nomep,cozinha,valor,compl,impressora,vend) "
                             "values (?,?,?,?,?,?,?,?,cast(gen_id(MESA,0) as varchar(30)),?,?) returning id")
            : QStringLiteral("insert into mesa (idmesa,mesa,quant,complemento,codigo,nomep,cozinha,valor,impressora,vend) "
                             "values (?,?,?,?,?,?,?,?,?,?) returning id");
        RowSet inserted = m_logon.run(insert, {r.itemKey, mesa, quantity, QString::number(r.itemKey), code,
                                               name.left(120), sentNow ? QStringLiteral("0") : kitchenText,
                                               price, kitchenText, waiter});
        inserted.first();
        r.itemId = inserted.integer(u"ID");
        for (const ComplementRow& c : kept)
            m_logon.run(QStringLiteral("insert into AcompMesa (id,produto,codigo,idmesa,quant,cod) "
                                       "values (GEN_ID(ACOMPMESA,1),?,?,?,?,?)"),
                        {c.produto.left(35), QString::number(r.itemId), r.itemId, c.valor, c.cod});
        r.monitorRows = 0;
        if (oneByOne) {
            ticket.tabKey = mesa;
            ticket.when = now;
            ticket.customer = TrimText(tab.text(u"EDELY")) == QLatin1String("S")
                ? textOf(m_logon.scalar(QStringLiteral("select first 1 nome from clientes where codigo = ?"), {tab.integer(u"CLIENTE")}))
                : QString();
            const QString summary = complementSummary(complementNames).left(28);
            for (int i = 0; i < monitorSlots; ++i) {
                monitorIds.push_back(writeKitchenMonitorRow(
                    m_logon, {historicoTime(now), mesa, QString::number(waiter), m_cashShift, name, quantity, summary,
                              r.itemKey, product ? product->classe : 0}));
                ++r.monitorRows;
            }
        }
        return S::Stored;
    });
    if (r.status != S::Stored)
        return r;

    r.pending = kitchen >= 1 && kitchen <= 5 && !sentNow;
    if (!oneByOne || (printSlots.empty() && monitorSlots == 0))
        return r;
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
    for (PrinterSlot slot : printSlots) {
        try {
            RoutePrintout(r.ticket, slot, options);
            ++r.ticketJobs;
        } catch (const std::exception& e) {
            r.printError = QString::fromUtf8(e.what());
        }
    }
    if (!printSlots.empty() && r.ticketJobs == 0) {
        // No job went out: the item goes back for the kitchen order, and says so.
        try {
            giveBackToKitchen(m_logon, mesa, {{r.itemId, kitchenText}}, monitorIds);
            r.pending = true;
            r.printError = notPrintedText({kitchenText}, r.printError);
        } catch (const DbError& e) {
            r.printError += QLatin1Char('\n') + e.message();
        }
    }
    return r;
}
