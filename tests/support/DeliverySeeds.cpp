#include "DeliverySeeds.h"

#include "delivery/DeliveryOrders.h"

#include <QTime>

namespace seeds {

namespace {
QString S(const char* s) { return QString::fromUtf8(s); }
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

} // namespace seeds
