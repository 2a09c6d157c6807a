#include "CashOfficeSeeds.h"

#include "ClosingSeeds.h"
#include "DeliverySeeds.h"
#include "RegisterSeeds.h"
#include "ShiftReportSeeds.h"
#include "cash/CashShift.h"
#include "tabs/TabCancellation.h"
#include "closing/TabClosing.h"
#include "cash/Withdrawal.h"
#include "core/FormatFloat.h"
#include "core/Globals.h"
#include "delivery/DeliveryInvoicing.h"
#include "delivery/DeliveryText.h"
#include "cashoffice/CustomerAccount.h"
#include "cashoffice/DailyExpenses.h"
#include "sales/CounterClosing.h"
#include "sales/CounterSale.h"

#include <stdexcept>

namespace seeds {

namespace {

QString S(const char* s) { return QString::fromUtf8(s); }

} // namespace

qint64 invoiceDelivery(TLogon& l, const DeliveryInvoice& inv)
{
    // The order as the desk holds it, handed to the desk's own invoicing.
    std::vector<OrderItem> items;
    for (const DeliveryItem& i : inv.items) {
        OrderItem o;
        o.code = i.code;
        o.name = i.name;
        o.quantity = i.quantity;
        o.price = i.price;
        items.push_back(o);
    }
    const qint64 id = deliveryOrder(l, inv.phone.toLongLong(), inv.customer, items, 0, inv.deliveryMan);
    DeskHandOver h = deskHandOver(l, id);
    if (!inv.fee.isZero()) {
        // the fee line the desk adds for an area, its code the delivery man
        HandOverLine fee;
        fee.linha = int(h.lines.size()) + 1;
        fee.codigo = QString::number(inv.deliveryMan);
        fee.nome = deliverytext::desk::feeLine;
        fee.quantidade = Decimal(1);
        fee.valor = inv.fee;
        h.lines.push_back(fee);
        h.totalText = panelText(h.order.valor + inv.fee);
    }
    std::vector<std::pair<int, Decimal>> amounts;
    for (const DeliveryPayment& p : inv.payments)
        amounts.push_back({p.method, p.amount});
    InvoiceRequest r;
    r.orderId = id;
    r.phone = inv.phone;
    r.customerName = inv.customer;
    r.panel = filledPanel(l, h, amounts, inv.discount);
    r.lines = h.lines;
    DeliveryInvoicing invoicing(l);
    invoicing.setClock([date = inv.date] { return QDateTime(date, QTime(20, 15, 0)); });
    return invoicing.invoice(r).saleNumber;
}

void setShiftCompany(TestStation& st)
{
    setCompany(st, S("BAR DO ZE"), S("RUA DAS FLORES, 10"), S("SAO PAULO"), S("SP"), S("12.345.678/0001-90"));
}

namespace {

// The groups, products (a kit, two flavours), methods, customer, waiter and the
// chief who opens the shift.
void seedShiftRegisters(TestStation& st)
{
    TLogon& l = st.logon();
    ctx::station().TerminalNumber = S("01");
    setShiftCompany(st);
    addGroup(l, 1, S("BEBIDAS"));
    addGroup(l, 2, S("PORCOES"));
    addGroup(l, 3, S("PIZZAS"));
    addProduct(l, S("000001"), S("CERVEJA"), D("10"), D("4"));
    addProduct(l, S("000002"), S("PASTEL"), D("5"), D("2"));
    addProduct(l, S("000012"), S("CALABRESA"), D("30"), D("12"));
    addProduct(l, S("000034"), S("MUSSARELA"), D("28"), D("10"));
    addProduct(l, S("K1"), S("COMBO"), D("20"), Decimal(), true);
    for (const auto& [code, group] : std::vector<std::pair<const char*, int>>{
             {"000001", 1}, {"000002", 2}, {"000012", 3}, {"000034", 3}, {"K1", 2}})
        l.run(S("update produtos set classe = ? where codigo = ?"), {group, S(code)});
    addKitComponent(l, S("K1"), S("000001"), D("1"));
    addKitComponent(l, S("K1"), S("000002"), D("0,5"));
    addPaymentMethod(l, 2, S("Cartao"), S("S"));
    addPaymentMethod(l, 5, S("Fiado"), S("N"));
    addCustomer(l, 35, S("JOAO DA SILVA"), S("RUA B, 20"), S("1155556666"));
    addWaiter(l, 4, S("CARLOS"));
    st.addUser(S("CHEFE"), S("1"), S("S"), 65535 - 256 - 32768);
}

SalePayment pay(int code, const char* name, const char* amount, bool settled = true)
{
    return SalePayment{code, S(name), D(amount), settled, false};
}

// Tab 000010: beer and pastel in cash, with the service charge.
qint64 closeTabA(TLogon& l)
{
    openTab(l, S("000010"), 4);
    addItem(l, S("000010"), S("000001"), S("CERVEJA"), D("3"), D("10"), 4);
    addItem(l, S("000010"), S("000002"), S("PASTEL"), D("2"), D("5"), 4);
    ClosingRequest a = consumerClosing(S("000010"), {pay(1, "Dinheiro", "50")}, QDate(2026, 3, 14));
    a.servicePercent = D("10");
    return TabClosing(l).close(a).saleNumber;
}

// Tab 000011 of JOAO: a kit, a two-flavour pizza and beer, by card and on account,
// with cover for two and a discount.
qint64 closeTabB(TLogon& l)
{
    openTab(l, S("000011"), 4, 35);
    addItem(l, S("000011"), S("K1"), S("COMBO"), D("1"), D("20"), 4);
    addItem(l, S("000011"), S("/000012/000034/"), S("PIZZA CALABRESA/MUSSARELA"), D("1"), D("30"), 4);
    addItem(l, S("000011"), S("000001"), S("CERVEJA"), D("2"), D("10"), 4);
    ClosingRequest b = consumerClosing(S("000011"), {pay(2, "Cartao", "40"), pay(5, "Fiado", "30,5", false)},
                                       QDate(2026, 3, 14));
    b.customerField = S("35");
    b.customerName = S("JOAO DA SILVA");
    b.tabCaption = S("000011 - JOAO DA SILVA");
    b.persons = 2;
    b.coverPerPerson = D("3");
    b.discount = D("5,5");
    return TabClosing(l).close(b).saleNumber;
}

// A counter sale of beer and pastel, in cash and by card, with a discount.
qint64 sellAtTheCounter(TLogon& l)
{
    CounterSale counter;
    counter.setMethods({{1, S("Dinheiro"), S("S"), {}}, {2, S("Cartao"), S("S"), {}}, {5, S("Fiado"), S("N"), {}}});
    for (const auto& [code, name, price, quantity] :
         std::vector<std::tuple<const char*, const char*, const char*, const char*>>{
             {"000001", "CERVEJA", "10", "2"}, {"000002", "PASTEL", "5", "1"}}) {
        CounterItem i;
        i.code = S(code);
        i.name = S(name);
        i.price = D(price);
        i.quantity = D(quantity);
        counter.insertItem(i);
    }
    counter.record(1, D("20"));
    counter.record(2, D("4"));
    CounterClosingRequest c;
    c.sale = &counter;
    c.discount = S("1");
    c.customerCode = S("1");
    c.customerName = S("CLIENTE CONSUMIDOR");
    c.queueNumber = S("0");
    return CounterClosing(l).close(c).saleNumber;
}

// A delivery of two pizzas with its fee and a discount, in cash.
qint64 deliverTwoPizzas(TLogon& l)
{
    DeliveryInvoice d;
    d.date = QDate(2026, 3, 14);
    d.items = {{S("000012"), S("CALABRESA"), D("1"), D("30")},
               {S("/000012/000034/"), S("PIZZA CALABRESA/MUSSARELA"), D("1"), D("29")}};
    d.payments = {{1, D("62")}};
    d.fee = D("5");
    d.deliveryMan = 3;
    d.discount = D("2");
    return invoiceDelivery(l, d);
}

// A withdrawal of 20 to the bank and a top-up of 50 for change.
void withdrawAndTopUp(TLogon& l, int cash)
{
    Withdrawal w(l);
    for (const auto& [amount, kind, text] : std::vector<std::tuple<const char*, const char*, const char*>>{
             {"20", "1", "BANCO"}, {"50", "2", "TROCO"}}) {
        WithdrawalRequest q;
        q.cashShift = cash;
        q.amount = S(amount);
        q.kind = S(kind);
        q.description = S(text);
        q.terminal = S("01");
        q.operatorName = S("ANA");
        q.when = QDateTime(QDate(2026, 3, 14), QTime(18, 0));
        w.record(q);
    }
}

void spendOnIce(TLogon& l, int cash)
{
    ExpenseInput e;
    e.history = S("gelo");
    e.amount = S("15");
    e.terminal = S("01");
    e.today = QDate(2026, 3, 14);
    DailyExpenses(l).confirm(cash, e);
}

// JOAO pays 30 of his account.
void joaoPaysHisAccount(TLogon& l)
{
    AccountEntry p;
    p.code = S("35");
    p.sale = QString();
    p.history = S("JOAO DA SILVA");
    p.kind = S("C");
    p.releaseService = S("N");
    p.amount = S("30");
    p.date = QDate(2026, 3, 14);
    CustomerAccount(l).record(p);
}

// Tab 000099 with a beer, cancelled by the chief.
void cancelATab(TLogon& l)
{
    openTab(l, S("000099"), 4);
    addItem(l, S("000099"), S("000001"), S("CERVEJA"), D("1"), D("10"), 4);
    TabCancellationRequest x;
    x.tab = S("000099");
    x.reason = S("CLIENTE DESISTIU");
    x.printItems = false;
    x.operatorName = S("CHEFE");
    x.when = QDateTime(QDate(2026, 3, 14), QTime(21, 0));
    if (!TabCancellation(l).cancel(x))
        throw std::runtime_error("the tab was not cancelled");
}

} // namespace

ShiftOfSales sellAShift(TestStation& st)
{
    TLogon& l = st.logon();
    seedShiftRegisters(st);
    ShiftOfSales r;
    if (CashShift(l).open(QDate(2026, 3, 14), D("100"), S("ANA"), S("CHEFE"), &r.cash) != CashShift::Result::Done)
        throw std::runtime_error("the cash shift did not open");
    r.tabA = closeTabA(l);
    r.tabB = closeTabB(l);
    r.counter = sellAtTheCounter(l);
    r.delivery = deliverTwoPizzas(l);
    withdrawAndTopUp(l, r.cash);
    spendOnIce(l, r.cash);
    joaoPaysHisAccount(l);
    cancelATab(l);
    return r;
}

} // namespace seeds
