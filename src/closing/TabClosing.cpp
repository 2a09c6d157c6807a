#include "closing/TabClosing.h"

#include "tabs/TabKey.h"
#include "cash/CashShift.h"
#include "closing/ClosingSettings.h"
#include "closing/OutsideErpExport.h"
#include "closing/PaymentFirstStep.h"
#include "db/SqlBatches.h"
#include "core/Globals.h"
#include "core/uMensagem.h"
#include "db/UnitLogon.h"
#include "printing/RoutePrintout.h"

#include <QDateTime>

namespace {

QString S(const char* s) { return QString::fromUtf8(s); }

int intOr(const QString& text, int fallback)
{
    const auto v = TextToInt(text);
    return v ? *v : fallback;
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
    t.itemsTotal = decimalOf(logon.scalar(S("select coalesce(sum(QUANT * VALOR), 0) from MESA where MESA = ?"), {tab}));
    if (!t.customer.isEmpty())
        t.customerName = logon.scalar(S("select first 1 NOME from CLIENTES where CODIGO = ?"),
                                      {int(head.integer(u"CLIENTE"))}).toString();
    return t;
}

ClosingResult TabClosing::close(const ClosingRequest& r)
{
    const QString tab = r.tab.trimmed().isEmpty() ? QStringLiteral("0") : r.tab.trimmed();
    const int customer = intOr(r.customerField, 1);
    if (customer == 1) {
        for (const SalePayment& p : r.payments)
            if (!p.amount.isZero() && !p.settled)
                throw ClosingRefused(closingmsg::consumerMethod());
    }
    if (!tabs::storableTabKey(tab))
        throw ClosingRefused(closingmsg::tabNotFound());
    const ClosingSettings settings = ClosingSettings::load();
    const int terminal = intOr(ctx::station().TerminalNumber.trimmed(), 1);

    // The outside ERP: whether this bill goes there, and its items checked before
    // anything is written anywhere.
    ErpBill erpBill;
    erpBill.tab = tab;
    erpBill.customerCode = QString::number(customer);
    erpBill.customerName = r.customerName;
    for (const SalePayment& p : r.payments)
        erpBill.payments.push_back({p.code, p.amount});
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
        ClosingResult result;
        // The tab, held against every other station until the commit.
        RowSet head = m_logon.run(S("select VENDEDOR, CLIENTE, VALOR, PAGAMENTOANTI, DELIVERY, DELYENTREGA, "
                                    "DELYTAXA, HORA from CABMESA where MESA = ? with lock"), {tab});
        if (!head.next())
            throw ClosingRefused(closingmsg::tabNotFound());
        RowSet rows = m_logon.run(S("select ID, CODIGO, NOMEP, QUANT, VALOR, VEND from MESA where MESA = ? "
                                    "order by ID"), {tab});
        std::vector<SaleItem> items;
        Decimal itemsTotal;
        while (rows.next()) {
            SaleItem i{rows.integer(u"ID"), rows.text(u"CODIGO"), rows.text(u"NOMEP"), rows.decimal(u"QUANT"),
                       rows.decimal(u"VALOR"), rows.isNull(u"VEND") ? QString() : rows.text(u"VEND")};
            itemsTotal += i.quantity * i.price;
            items.push_back(std::move(i));
        }

        // The bill again, on what the database holds now.
        BillInputs in;
        in.itemsTotal = itemsTotal;
        in.minimumConsumption = settings.minimumConsumption;
        in.servicePercent = r.servicePercent;
        in.serviceValue = r.serviceValue;
        in.persons = r.persons;
        in.coverPerPerson = r.coverPerPerson;
        in.deliveryColumn = head.decimal(u"DELIVERY");
        in.advance = head.decimal(u"VALOR");
        in.discount = r.discount;
        for (const SalePayment& p : r.payments)
            in.paid += p.amount;
        const Bill bill = BillComputation::compute(in);
        // A receivable needs a registered customer to collect from.
        bool receivable = false;
        for (const SalePayment& p : r.payments)
            receivable = receivable || (!p.amount.isZero() && !p.settled);
        if (receivable
            && m_logon.scalar(S("select first 1 1 from CLIENTES where CODIGO = ? and CODIGO <> 1"), {customer}).isNull())
            throw ClosingRefused(closingmsg::consumerMethod());
        if (bill.paid.cents() < bill.amountDue.cents())
            throw ClosingRefused(closingmsg::underpaid());

        // The open cash shift and its own date, held until the commit: no sale is
        // filed under a closed shift, nor under one another station is closing.
        const cashshift::HeldShift shift = cashshift::holdOpenShift(m_logon);
        if (shift.number == 0)
            throw ClosingRefused(closingmsg::cashClosed());
        const int cash = shift.number;
        const QDate date = shift.date.isValid() ? shift.date : QDate::currentDate();
        const qint64 number = m_logon.GenId(S("BORDA"), 1);

        RowSet company = m_logon.run(S("select first 1 EMPRESA, ENDERECO, CIDADE, ESTADO, CNPJ, FAX, TITULO, "
                                       "SCC4, SCC5 from EMPRESA"));
        company.next();
        const int waiter = int(head.integer(u"VENDEDOR"));
        const QString tabCustomer = head.isNull(u"CLIENTE") ? QString() : head.text(u"CLIENTE");
        const DavKey dav = DavKey::of(tab);

        Sale sale;
        sale.number = number;
        sale.date = date;
        sale.cashShift = cash;
        sale.terminal = terminal;
        sale.waiter = waiter;
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
        const qlonglong tabNumber = tab.toLongLong(&ok);
        sale.tabNumber = ok && tabNumber >= 0 && tabNumber <= 2147483647 ? tabNumber : 0;
        sale.deliveryMan = int(head.integer(u"DELYENTREGA"));
        sale.deliveryManFee = head.decimal(u"DELYTAXA");
        sale.service = bill.serviceValue;
        sale.cover = bill.coverTotal;
        sale.deliveryFee = bill.deliveryFee;
        sale.discount = bill.discount;
        sale.items = items;
        sale.topUp = bill.topUp;
        sale.deliverySale = bill.deliveryFee > Decimal();
        sale.davFlag = dav.davFlag;
        sale.loyalty = true;
        sale.loyaltyBase = bill.itemsTotal;

        // The receipt, composed now and printed after the commit.
        ClosingReceiptData d;
        d.companyName = company.text(u"EMPRESA");
        d.companyAddress = company.text(u"ENDERECO");
        d.companyCity = company.text(u"CIDADE");
        d.companyState = company.text(u"ESTADO");
        d.cnpj = company.text(u"CNPJ");
        d.phone = company.text(u"FAX");
        d.title = company.text(u"TITULO");
        d.salesOptions = int(company.integer(u"SCC5"));
        d.itemOptions = int(company.integer(u"SCC4"));
        d.tab = tab;
        d.saleNumber = number;
        d.joinedTabs = r.joinedTabs.mid(1);
        d.davTab = dav.davTab == QLatin1String("S");
        d.queueNumber = dav.queueNumber;
        int named = waiter;
        for (const SaleItem& i : items)
            if (named == 0 && i.waiter.toInt() != 0)
                named = i.waiter.toInt();
        d.waiterName = m_logon.scalar(S("select first 1 NOME from VENDEDOR where CODIGO = ?"), {named}).toString();
        d.customerName = r.customerName;
        d.deliveryColumn = head.decimal(u"DELIVERY");
        d.openedAt = head.value(u"HORA").toTime().toString(QStringLiteral("hh:mm:ss"));
        d.now = m_clock();
        d.cpf = r.cpf;
        d.items = items;
        QStringList names;
        for (const SaleItem& i : items) {
            const QString c = i.code.trimmed();
            if (!c.startsWith(QLatin1Char('/')) && !c.startsWith(QLatin1Char('*')) && c.size() <= 14 && !names.contains(c))
                names << c;
        }
        sqlbatch::forEachBatch(names, [&](const Params& p) {
            RowSet rs = m_logon.run(S("select CODIGO, NOME from PRODUTOS where CODIGO in ") + sqlbatch::inPlaces(), p);
            while (rs.next())
                d.productNames.emplace(rs.text(u"CODIGO"), rs.text(u"NOME"));
        });
        d.minimumConsumption = settings.minimumConsumption;
        d.bill = bill;
        d.advanceCaption = head.text(u"PAGAMENTOANTI");
        d.payments = r.payments;
        d.serviceCaption = settings.serviceCaption;
        d.coverCaption = settings.coverCaption;
        d.feedLines = settings.feedLines;
        d.fontSize = settings.fontSize;
        d.messageLines = settings.messageLines;
        d.hasMessageFile = settings.hasMessageFile;
        result.receipt = composeClosingReceipt(d);
        result.printReceipt = settings.printReceipt;

        SaleWriter(m_logon).write(sale);

        m_logon.run(S("delete from CABMESA where MESA = ?"), {tab});
        m_logon.run(S("delete from MESA where MESA = ?"), {tab});
        m_logon.run(S("delete from COZINHA2 where MESA = cast(? as varchar(30))"), {tab});
        result.saleNumber = number;
        result.bill = bill;
        if (exporting) {
            // The ERP's document, with the items as this action holds them, is the
            // very last thing written: committed there right before the local commit.
            ErpBill b = erpBill;
            b.amountDue = bill.amountDue;
            b.items.clear();
            for (const SaleItem& i : items)
                b.items.push_back({i.code, i.quantity, i.price});
            ErpDocument dav = erp->exportBill(m_logon, b);
            result.dav = dav.commit();
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
