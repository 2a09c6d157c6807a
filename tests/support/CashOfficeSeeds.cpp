#include "CashOfficeSeeds.h"

#include "ClosingSeeds.h"
#include "RegisterSeeds.h"
#include "ShiftReportSeeds.h"
#include "cash/CashShift.h"
#include "tabs/TabCancellation.h"
#include "closing/TabClosing.h"
#include "cash/Withdrawal.h"
#include "core/FormatFloat.h"
#include "core/Globals.h"
#include "finance/CustomerAccount.h"
#include "finance/DailyExpenses.h"
#include "sales/CounterClosing.h"
#include "sales/CounterSale.h"

#include <stdexcept>

namespace seeds {

namespace {

QString S(const char* s) { return QString::fromUtf8(s); }

// The flavours of a multi-flavour code, at most four, and each one's share.
QStringList flavoursOf(const QString& code)
{
    QStringList out;
    QString rest = code.mid(1, 20);
    for (int i = 0; i < 4; ++i) {
        const qsizetype slash = rest.left(20).indexOf(QLatin1Char('/'));
        if (slash < 0)
            break;
        QString f = rest.left(slash).trimmed();
        rest = rest.mid(slash + 1);
        bool number = false;
        const int n = f.toInt(&number);
        if (number && n >= 0)
            f = QStringLiteral("%1").arg(n, 6, 10, QLatin1Char('0'));
        if (!f.isEmpty())
            out << f;
    }
    return out;
}

Decimal shareOf(int flavours)
{
    switch (flavours) {
    case 4: return D("0,25");
    case 3: return D("0,33");
    case 2: return D("0,5");
    default: return Decimal(1);
    }
}

} // namespace

qint64 invoiceDelivery(TLogon& l, const DeliveryInvoice& inv)
{
    return l.action([&]() -> qint64 {
        RowSet shift = l.run(S("select first 1 caixa from contcaixa order by id"));
        const int s = shift.next() ? int(shift.integer(u"CAIXA")) : 0;
        const qint64 n = l.GenId(S("TIPBAIXA"), 1);
        if (n > 100000)
            l.run(S("SET GENERATOR TIPBAIXA TO 0"));
        const QString numberText = FormatFloat(u"#00", Decimal(s)) + FormatFloat(u"#0000", Decimal(n));
        const qint64 sale = numberText.toLongLong();
        const qint64 phone = inv.phone.toLongLong();
        const QString hora = QDateTime(inv.date, QTime(20, 15, 0)).toString(S("dd/MM/yyyy hh:mm:ss"));

        Decimal items;
        for (const DeliveryItem& i : inv.items)
            items += i.quantity * i.price;

        for (const DeliveryPayment& p : inv.payments) {
            if (p.amount <= Decimal())
                continue;
            const qint64 k = l.GenId(S("RECARQ"), 1);
            const QString dup = FormatFloat(u"00", Decimal(p.method)) + QLatin1Char('.')
                                + FormatFloat(u"000000000", Decimal(k));
            const bool settled = l.scalar(S("select first 1 bx from formapaga where cd = ?"), {p.method})
                                     .toString()
                                     .startsWith(QLatin1Char('S'));
            l.run(S("INSERT INTO Recarq (id,duplicata,hora,codigo,nome,emissao,vencimento,vendedor,baixa,valor,"
                    "terminal,caixa,nfiscal) values (GEN_ID(RECARQ,1),?,?,?,?,?,?,1,?,?,1,?,?)"),
                  {dup, hora, phone, inv.customer.left(30), inv.date, inv.date.addDays(30),
                   settled ? QVariant(inv.date) : QVariant(), p.amount, s, sale});
        }
        if (!inv.discount.isZero())
            l.run(S("INSERT INTO desploja (data,caixa,terminal,historico,valor) values (?,?,1,?,?)"),
                  {inv.date, s, S("Desconto Cupom") + numberText, inv.discount});
        l.run(S("INSERT INTO fatura (id,Nota,tipo,Data,Cliente,Valor,vendedor,terminal,HORA,FRETE,DELYENTREGA,"
                "DELYTAXA,DELIVERY,caixa) values (GEN_ID(FATURA,1),?,3,?,?,?,1,1,?,?,?,?,'S',?)"),
              {sale, inv.date, inv.customer.left(30), items, hora, inv.fee, inv.deliveryMan, inv.fee, s});

        const QString cli = (S("Cli:") + inv.customer).left(39);
        for (const DeliveryItem& i : inv.items) {
            if (!i.code.startsWith(QLatin1Char('/'))) {
                const QVariant cost = l.scalar(S("select first 1 custo from produtos where codigo = ?"), {i.code});
                l.run(S("INSERT INTO estfic (id,Data,historico,codigo,saida,valor,custo,vendedor,cliente,caixa,"
                        "terminal,nfiscal) values (GEN_ID(ESTFIC,1),?,?,?,?,?,?,0,?,?,1,?)"),
                      {inv.date, cli, i.code, i.quantity, i.price, cost.isNull() ? QVariant(0) : cost, phone, s, sale});
                continue;
            }
            // ESTFIC.CODIGO holds 14 characters: a code of four flavours is cut to them.
            l.run(S("insert into estfic (id,data,codigo,historico,saida,valor,pedido,vendedor,cliente,caixa,nfiscal,"
                    "terminal) values (GEN_ID(ESTFIC,1),?,?,?,?,?,?,0,?,?,?,1)"),
                  {inv.date, i.code.left(14), i.name.left(120), i.quantity, i.price, sale, phone, s, sale});
            const QStringList flavours = flavoursOf(i.code);
            for (const QString& f : flavours) {
                const QVariant cost = l.scalar(S("select first 1 custo from produtos where codigo = ?"), {f});
                l.run(S("insert into estfic (data,historico,codigo,saida,valor,custo,pedido,vendedor,cliente,caixa,"
                        "terminal) values (?,?,?,?,?,?,?,0,?,?,1)"),
                      {inv.date, (S("#DELIvery ") + i.name).left(29), f,
                       i.quantity * shareOf(int(flavours.size())), i.price, cost.isNull() ? QVariant(0) : cost, sale,
                       phone, s});
            }
        }
        return sale;
    });
}

void setShiftCompany(TestStation& st)
{
    setCompany(st, S("BAR DO ZE"), S("RUA DAS FLORES, 10"), S("SAO PAULO"), S("SP"), S("12.345.678/0001-90"));
}

ShiftOfSales sellAShift(TestStation& st)
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

    ShiftOfSales r;
    if (CashShift(l).open(QDate(2026, 3, 14), D("100"), S("ANA"), S("CHEFE"), &r.cash) != CashShift::Result::Done)
        throw std::runtime_error("the cash shift did not open");

    auto pay = [](int code, const char* name, const char* amount, bool settled = true) {
        return SalePayment{code, S(name), D(amount), settled, false};
    };
    auto tabRequest = [](const QString& tab, std::vector<SalePayment> payments) {
        ClosingRequest q;
        q.tab = tab;
        q.joinedTabs = {tab};
        q.persons = 1;
        q.payments = std::move(payments);
        q.customerName = S("CLIENTE CONSUMIDOR");
        q.tabCaption = tab + S(" - CLIENTE CONSUMIDOR");
        q.dueDate = QDate(2026, 3, 14);
        return q;
    };

    openTab(l, S("000010"), 4);
    addItem(l, S("000010"), S("000001"), S("CERVEJA"), D("3"), D("10"), 4);
    addItem(l, S("000010"), S("000002"), S("PASTEL"), D("2"), D("5"), 4);
    ClosingRequest a = tabRequest(S("000010"), {pay(1, "Dinheiro", "50")});
    a.servicePercent = D("10");
    r.tabA = TabClosing(l).close(a).saleNumber;

    openTab(l, S("000011"), 4, 35);
    addItem(l, S("000011"), S("K1"), S("COMBO"), D("1"), D("20"), 4);
    addItem(l, S("000011"), S("/000012/000034/"), S("PIZZA CALABRESA/MUSSARELA"), D("1"), D("30"), 4);
    addItem(l, S("000011"), S("000001"), S("CERVEJA"), D("2"), D("10"), 4);
    ClosingRequest b = tabRequest(S("000011"), {pay(2, "Cartao", "40"), pay(5, "Fiado", "30,5", false)});
    b.customerField = S("35");
    b.customerName = S("JOAO DA SILVA");
    b.tabCaption = S("000011 - JOAO DA SILVA");
    b.persons = 2;
    b.coverPerPerson = D("3");
    b.discount = D("5,5");
    r.tabB = TabClosing(l).close(b).saleNumber;

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
    r.counter = CounterClosing(l).close(c).saleNumber;

    DeliveryInvoice d;
    d.date = QDate(2026, 3, 14);
    d.items = {{S("000012"), S("CALABRESA"), D("1"), D("30")},
               {S("/000012/000034/"), S("PIZZA CALABRESA/MUSSARELA"), D("1"), D("29")}};
    d.payments = {{1, D("62")}};
    d.fee = D("5");
    d.deliveryMan = 3;
    d.discount = D("2");
    r.delivery = invoiceDelivery(l, d);

    Withdrawal w(l);
    for (const auto& [amount, kind, text] : std::vector<std::tuple<const char*, const char*, const char*>>{
             {"20", "1", "BANCO"}, {"50", "2", "TROCO"}}) {
        WithdrawalRequest q;
        q.cashShift = r.cash;
        q.amount = S(amount);
        q.kind = S(kind);
        q.description = S(text);
        q.terminal = S("01");
        q.operatorName = S("ANA");
        q.when = QDateTime(QDate(2026, 3, 14), QTime(18, 0));
        w.record(q);
    }

    ExpenseInput e;
    e.history = S("gelo");
    e.amount = S("15");
    e.terminal = S("01");
    e.today = QDate(2026, 3, 14);
    DailyExpenses(l).confirm(r.cash, e);

    AccountEntry p;
    p.code = S("35");
    p.sale = QString();
    p.history = S("JOAO DA SILVA");
    p.kind = S("C");
    p.releaseService = S("N");
    p.amount = S("30");
    p.date = QDate(2026, 3, 14);
    CustomerAccount(l).record(p);

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
    return r;
}

} // namespace seeds
