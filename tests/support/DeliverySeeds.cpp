#include "DeliverySeeds.h"

#include "delivery/DeliveryOrders.h"

#include <QTime>

namespace seeds {

namespace {
QString S(const char* s) { return QString::fromUtf8(s); }
}

OrderItem orderItem(const char* code, const char* name, const char* quantity, const char* price, const char* kitchen,
                    QStringList complements)
{
    OrderItem i;
    i.code = S(code);
    i.name = S(name);
    i.quantity = *Decimal::parse(S(quantity));
    i.price = *Decimal::parse(S(price));
    i.kitchen = S(kitchen);
    i.complements = std::move(complements);
    return i;
}

void openShift(TLogon& l, int number, const QDate& date)
{
    l.action([&] {
        l.run(S("update CONTCAIXA set CAIXA = ?"), {number});
        l.run(S("insert into CONTDATA (ID, CAIXA, DATA, ABERTURA) values (GEN_ID(CONTCAIXA,1), ?, ?, 0)"),
              {number, date});
    });
}

qint64 deliveryOrder(TLogon& l, qint64 phone, const QString& customer, const std::vector<OrderItem>& items,
                     qint64 area, qint64 man)
{
    return l.action([&] {
        const qint64 id = l.GenId(S("DELIVERE"), 1);
        l.run(S("insert into DELIVERE (ID, CODIGO, DATA, HORA, CLIENTE, FONE, ENTREGA, MOTOBOY) "
                "values (?, ?, current_date, '20:00:00', ?, ?, ?, ?)"),
              {id, phone, customer.left(39), QString::number(phone), area ? QVariant(area) : QVariant(),
               man ? QVariant(man) : QVariant()});
        for (const OrderItem& i : items) {
            RowSet added = l.run(S("insert into DELIITEM (ID, PEDIDO, NOME, CODIGO, QUANT, VALOR, OBS, IMPRESSORA) "
                                   "values (GEN_ID(DELIITEM,1), ?, ?, ?, ?, ?, ?, ?) returning ID"),
                                 {QString::number(id), i.name, i.code, i.quantity, i.price, i.obs, i.kitchen});
            added.next();
            const qint64 item = added.integer(u"ID");
            for (const QString& c : i.complements)
                l.run(S("insert into ACOMPDELI (ID, PRODUTO, CODIGO, IDMESA, QUANT) "
                        "values (GEN_ID(ACOMPDELI,1), ?, ?, ?, 0)"), {c, QString::number(item), item});
        }
        DeliveryOrders(l).writeTotal(id);
        return id;
    });
}

DeskHandOver deskHandOver(TLogon& l, qint64 orderId)
{
    DeliveryOrders orders(l);
    DeskHandOver h;
    h.order = *orders.order(orderId);
    h.items = orders.items(orderId);
    h.lines = DeliveryOrders::handOver(h.order, h.items);
    h.totalText = panelText(h.order.valor);
    return h;
}

DeliveryPaymentPanel filledPanel(TLogon& l, DeskHandOver& order, const std::vector<std::pair<int, Decimal>>& amounts,
                                 const Decimal& discount, const Decimal* fee)
{
    DeliveryPaymentPanel p;
    p.open(DeliveryPaymentPanel::readMethods(l), order.totalText, order.lines);
    for (QString& a : p.amounts)
        a = S("0");
    for (const auto& [code, amount] : amounts)
        for (size_t i = 0; i < p.methods.size(); ++i)
            if (p.methods[i].code == code)
                p.amounts[i] = panelText(amount);
    if (fee)
        p.fee = panelText(*fee);
    p.discount = discount.isZero() ? QString() : panelText(discount);
    p.totals();
    return p;
}

qint64 singleOrder(TLogon& l, qint64 phone, const QString& customer, const std::vector<OrderItem>& items,
                   qint64 area, qint64 manCode)
{
    SingleOrders orders(l);
    const qint64 id = orders.create();
    DeliveryCustomerData c = orders.customer(phone);
    c.nome = customer;
    orders.saveCustomer(c);
    SingleOrderHeader h;
    h.phone = QString::number(phone);
    h.name = customer;
    h.deliveryMan = manCode;
    h.area = area;
    const Decimal fee = area ? decimalOf(l.scalar(S("select TAXA from ENTREGA where ID = ?"), {area})) : Decimal();
    orders.saveHeader(id, h, fee);
    for (const OrderItem& i : items) {
        SingleOrderNewItem n;
        n.code = i.code;
        n.name = i.name;
        n.quantity = i.quantity;
        n.price = i.price;
        for (const QString& e : i.complements)
            n.extras.push_back({true, e, Decimal()});
        orders.addItem(id, h, n, fee);
    }
    return id;
}

void singleOrderPayments(TLogon& l, qint64 order, const std::vector<std::pair<int, Decimal>>& payments)
{
    std::array<Decimal, 3> amounts;
    std::array<int, 3> methods{1, 2, 3};
    for (size_t k = 0; k < payments.size() && k < 3; ++k) {
        methods[k] = payments[k].first;
        amounts[k] = payments[k].second;
    }
    SingleOrders(l).setPayments(order, amounts, methods);
}

} // namespace seeds
