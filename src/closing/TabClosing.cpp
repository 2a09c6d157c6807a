#include "closing/TabClosing.h"
#include "core/WholeNumber.h"

#include "tabs/TabKey.h"
#include "cash/CashShift.h"
#include "closing/ClosingSettings.h"
#include "closing/OutsideErpExport.h"
#include "closing/PaymentFirstStep.h"
#include "db/SqlBatches.h"
#include "core/Globals.h"
#include "core/LineAmount.h"
#include "core/uMensagem.h"
#include "db/UnitLogon.h"
#include "printing/RoutePrintout.h"

#include <QDateTime>

namespace {

QString S(const char* s) { return QString::fromUtf8(s); }


// A receivable needs a registered customer to collect from: the walk-in consumer
// (customer 1) pays every method at once.
void refuseConsumerOnAccount(const ClosingRequest& r, int customer)
{
    if (customer != 1)
        return;
    for (const SalePayment& p : r.payments)
        if (!p.amount.isZero() && !p.settled)
            throw ClosingRefused(closingmsg::consumerMethod());
}

ErpBill erpBillOf(const ClosingRequest& r, const QString& tab, int customer)
{
    ErpBill erpBill;
    erpBill.tab = tab;
    erpBill.customerCode = QString::number(customer);
    erpBill.customerName = r.customerName;
    for (const SalePayment& p : r.payments)
        erpBill.payments.push_back({p.code, p.amount});
    return erpBill;
}

// The ERP's document of the sale: the bill's amount and the items as the closing holds them.
ErpBill erpDocumentOf(const ErpBill& erpBill, const Bill& bill, const std::vector<SaleItem>& items)
{
    ErpBill b = erpBill;
    b.amountDue = bill.amountDue;
    b.items.clear();
    for (const SaleItem& i : items)
        b.items.push_back({i.code, i.quantity, i.price});
    return b;
}

// The tab's head row and its items, the head held against every other station until the commit.
struct HeldTab {
    QString tab;
    RowSet head;
    std::vector<SaleItem> items;
    Decimal itemsTotal;   // the items' amounts as printed, added
};

HeldTab holdTab(TLogon& logon, const QString& tab)
{
    HeldTab t;
    t.tab = tab;
    t.head = logon.run(S("select VENDEDOR, CLIENTE, VALOR, PAGAMENTOANTI, DELIVERY, DELYENTREGA, "
                         "DELYTAXA, HORA from CABMESA where MESA = ? with lock"), {tab});
    if (!t.head.next())
        throw ClosingRefused(closingmsg::tabNotFound());
    RowSet rows = logon.run(S("select ID, CODIGO, NOMEP, QUANT, VALOR, VEND from MESA where MESA = ? "
                              "order by ID"), {tab});
    LineTotal total;
    while (rows.next()) {
        SaleItem i{rows.integer(u"ID"), rows.text(u"CODIGO"), rows.text(u"NOMEP"), rows.decimal(u"QUANT"),
                   rows.decimal(u"VALOR"), rows.isNull(u"VEND") ? QString() : rows.text(u"VEND")};
        total.add(i.quantity, i.price);
        t.items.push_back(std::move(i));
    }
    t.itemsTotal = total.value();
    return t;
}

// The bill again, on what the database holds now.
Bill billOf(const HeldTab& held, const ClosingRequest& r, const ClosingSettings& settings)
{
    BillInputs in;
    in.itemsTotal = held.itemsTotal;
    in.minimumConsumption = settings.minimumConsumption;
    in.servicePercent = r.servicePercent;
    in.serviceValue = r.serviceValue;
    in.persons = r.persons;
    in.coverPerPerson = r.coverPerPerson;
    in.deliveryColumn = held.head.decimal(u"DELIVERY");
    in.advance = held.head.decimal(u"VALOR");
    in.discount = r.discount;
    for (const SalePayment& p : r.payments)
        in.paid += p.amount;
    return BillComputation::compute(in);
}

// A receivable needs a registered customer; the payments cover what is due.
void refuseUnpaid(TLogon& logon, const ClosingRequest& r, int customer, const Bill& bill)
{
    bool receivable = false;
    for (const SalePayment& p : r.payments)
        receivable = receivable || (!p.amount.isZero() && !p.settled);
    if (receivable
        && logon.scalar(S("select first 1 1 from CLIENTES where CODIGO = ? and CODIGO <> 1"), {customer}).isNull())
        throw ClosingRefused(closingmsg::consumerMethod());
    if (bill.paid.cents() < bill.amountDue.cents())
        throw ClosingRefused(closingmsg::underpaid());
}

// The sale the one writer files: number, shift, customer, payments, charges and items.
Sale saleOf(const HeldTab& held, const ClosingRequest& r, const Bill& bill, const cashshift::HeldShift& shift,
            int terminal, int customer, qint64 number)
{
    const RowSet& head = held.head;
    const QDate date = shift.date.isValid() ? shift.date : QDate::currentDate();
    const QString tabCustomer = head.isNull(u"CLIENTE") ? QString() : head.text(u"CLIENTE");
    Sale sale;
    sale.number = number;
    sale.date = date;
    sale.cashShift = shift.number;
    sale.terminal = terminal;
    sale.waiter = int(head.integer(u"VENDEDOR"));
    sale.customerCode = customer;
    sale.customerName = r.customerName;
    sale.changeName = r.tabCaption;
    sale.customerText = customer != 1 ? QString::number(customer) : tabCustomer;
    sale.advance = bill.advance;
    sale.advanceMethod = head.text(u"PAGAMENTOANTI");
    sale.payments = r.payments;
    sale.dueDate = r.dueDate.isValid() ? r.dueDate : date;
    sale.receivableDays = r.receivableDays;
    sale.change = bill.change();
    sale.saleType = 1;
    sale.saleCustomer = r.tabCaption;
    sale.saleValue = bill.amountDue;
    bool ok = false;
    const qlonglong tabNumber = held.tab.toLongLong(&ok);
    sale.tabNumber = ok && tabNumber >= 0 && tabNumber <= 2147483647 ? tabNumber : 0;
    sale.deliveryMan = int(head.integer(u"DELYENTREGA"));
    sale.deliveryManFee = head.decimal(u"DELYTAXA");
    sale.service = bill.serviceValue;
    sale.cover = bill.coverTotal;
    sale.deliveryFee = bill.deliveryFee;
    sale.discount = bill.discount;
    sale.items = held.items;
    sale.topUp = bill.topUp;
    sale.deliverySale = bill.deliveryFee > Decimal();
    sale.davFlag = DavKey::of(held.tab).davFlag;
    sale.loyalty = true;
    sale.loyaltyBase = bill.itemsTotal;
    return sale;
}

// What the receipt shows: the company, the tab, its waiter, its items by name, the bill and the payments;
// read before the cash shift is held. The sale's number and the time go in once it is.
ClosingReceiptData receiptOf(TLogon& logon, const HeldTab& held, const ClosingRequest& r, const Bill& bill,
                             const ClosingSettings& settings)
{
    const RowSet& head = held.head;
    const DavKey dav = DavKey::of(held.tab);
    ClosingReceiptData d;
    static_cast<ReceiptCompany&>(d) = CompanyStore(logon).receiptCompany();
    static_cast<ReceiptSettings&>(d) = settings;
    d.tab = held.tab;
    d.joinedTabs = r.joinedTabs.mid(1);
    d.davTab = dav.davTab == QLatin1String("S");
    d.queueNumber = dav.queueNumber;
    int named = int(head.integer(u"VENDEDOR"));
    for (const SaleItem& i : held.items)
        if (named == 0 && i.waiter.toInt() != 0)
            named = i.waiter.toInt();
    d.waiterName = logon.scalar(S("select first 1 NOME from VENDEDOR where CODIGO = ?"), {named}).toString();
    d.customerName = r.customerName;
    d.deliveryColumn = head.decimal(u"DELIVERY");
    d.openedAt = head.value(u"HORA").toTime().toString(QStringLiteral("hh:mm:ss"));
    d.cpf = r.cpf;
    d.items = held.items;
    QStringList names;
    for (const SaleItem& i : held.items) {
        const QString c = i.code.trimmed();
        if (!c.startsWith(QLatin1Char('/')) && !c.startsWith(QLatin1Char('*')) && c.size() <= 14 && !names.contains(c))
            names << c;
    }
    sqlbatch::forEachBatch(names, [&](const Params& p) {
        RowSet rs = logon.run(S("select CODIGO, NOME from PRODUTOS where CODIGO in ") + sqlbatch::inPlaces(), p);
        while (rs.next())
            d.productNames.emplace(rs.text(u"CODIGO"), rs.text(u"NOME"));
    });
    d.bill = bill;
    d.advanceCaption = head.text(u"PAGAMENTOANTI");
    d.payments = r.payments;
    return d;
}

// The paid tab leaves: its head, its items and its kitchen rows, in one statement.
void clearTab(TLogon& logon, const QString& tab)
{
    logon.run(S("execute block (m type of column CABMESA.MESA = ?) as begin "
                "delete from CABMESA where MESA = :m; "
                "delete from MESA where MESA = :m; "
                "delete from COZINHA2 where MESA = :m; "
                "end"),
              {tab});
}
} // namespace

TabSnapshot TabSnapshot::read(TLogon& logon, const QString& tab)
{
    TabSnapshot t;
    if (!tabs::storableTabKey(tab))
        return t;
    RowSet head = logon.run(S("select first 1 CLIENTE, VALOR, PAGAMENTOANTI, CLIMESA, TAXA, COUVER, DELIVERY, STATUS "
                              "from CABMESA where MESA = ?"), {tab});
    if (!head.next())
        return t;
    t.found = true;
    t.customer = head.isNull(u"CLIENTE") ? QString() : head.text(u"CLIENTE");
    t.advance = head.decimal(u"VALOR");
    t.advanceMethod = head.text(u"PAGAMENTOANTI");
    t.persons = int(head.integer(u"CLIMESA"));
    t.taxa = head.text(u"TAXA");
    t.couver = head.text(u"COUVER");
    t.delivery = head.decimal(u"DELIVERY");
    t.status = int(head.integer(u"STATUS"));
    LineTotal items;
    RowSet rows = logon.run(S("select QUANT, VALOR from MESA where MESA = ?"), {tab});
    while (rows.next())
        items.add(rows.decimal(u"QUANT"), rows.decimal(u"VALOR"));
    t.itemsTotal = items.value();
    if (!t.customer.isEmpty())
        t.customerName = logon.scalar(S("select first 1 NOME from CLIENTES where CODIGO = ?"),
                                      {int(head.integer(u"CLIENTE"))}).toString();
    return t;
}

ClosingResult TabClosing::close(const ClosingRequest& r)
{
    const QString tab = r.tab.trimmed().isEmpty() ? QStringLiteral("0") : r.tab.trimmed();
    const int customer = readInt(r.customerField).value_or(1);
    refuseConsumerOnAccount(r, customer);
    if (!tabs::storableTabKey(tab))
        throw ClosingRefused(closingmsg::tabNotFound());
    const ClosingSettings settings = ClosingSettings::load();
    const int terminal = readInt(ctx::station().TerminalNumber).value_or(1);

    // The outside ERP: whether this bill goes there, and its items checked before
    // anything is written anywhere.
    ErpBill erpBill = erpBillOf(r, tab, customer);
    const bool exporting = OutsideErpExport::applies(m_logon, erpBill);
    if (exporting) {
        erpBill.items = OutsideErpExport::tabItems(m_logon, tab);
        OutsideErpExport::checkItems(erpBill);
    }
    std::optional<OutsideErpExport> ownErp;
    OutsideErpExport* erp = m_erp;
    if (exporting && !erp)
        erp = &ownErp.emplace();

    return m_logon.action([&] {
        const HeldTab held = holdTab(m_logon, tab);
        const Bill bill = billOf(held, r, settings);
        refuseUnpaid(m_logon, r, customer, bill);
        // Everything the sale reads, read before the cash shift's counter row is held:
        // the receipt's names and the stock-out's products, whose date of last exit is
        // written now (the shift as it stands gives the date).
        ClosingReceiptData receipt = receiptOf(m_logon, held, r, bill, settings);
        SaleWriter writer(m_logon);
        if (const cashshift::HeldShift open = cashshift::openShift(m_logon); open.number != 0)
            writer.prepareStockOut(saleOf(held, r, bill, open, terminal, customer, 0));
        // The open cash shift and its own date, held until the commit: no sale is
        // filed under a closed shift, nor under one another station is closing.
        const cashshift::HeldShift shift = cashshift::holdOpenShift<ClosingRefused>(m_logon, closingmsg::cashClosed());
        const Sale sale = saleOf(held, r, bill, shift, terminal, customer, m_logon.GenId(S("BORDA"), 1));

        ClosingResult result;
        // The receipt, composed now and printed after the commit.
        receipt.saleNumber = sale.number;
        receipt.now = m_clock();
        result.receipt = composeClosingReceipt(receipt);
        result.printReceipt = settings.printReceipt;
        writer.write(sale);
        clearTab(m_logon, tab);
        result.saleNumber = sale.number;
        result.bill = bill;
        if (exporting) {
            // The ERP's document, with the items as this action holds them, is the
            // very last thing written: committed there right before the local commit.
            result.dav = erp->exportBill(m_logon, erpDocumentOf(erpBill, bill, held.items)).commit();
        }
        return result;
    });
}

void TabClosing::printReceipt(const ClosingResult& result)
{
    if (!result.printReceipt)
        return;
    RouteOptions o;
    o.endOfReceipt = true;
    RoutePrintout(result.receipt, PrinterSlot::Closing, o);
}
