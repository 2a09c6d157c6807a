#include "delivery/DeliveryOrders.h"

#include "core/WholeNumber.h"
#include "core/uMensagem.h"
#include "db/UnitLogon.h"
#include "delivery/DeliveryAmount.h"
#include "delivery/DeliveryText.h"

namespace {

QString S(const char* s) { return QString::fromUtf8(s); }

// The order list with the chosen area and delivery man.
const char* kOrderSelect =
    "select d.ID, d.CODIGO, d.FONE, d.CLIENTE, d.DATA, d.HORA, d.VALOR, d.TROCO, d.STATUS, d.PAGAMENTO, "
    "d.MOTOBOY, d.ENTREGA, e.BAIRRO, e.TAXA, m.NOME "
    "from DELIVERE d left join ENTREGA e on d.ENTREGA = e.ID left join DELICAD m on d.MOTOBOY = m.ID ";

DeskOrder orderOf(const RowSet& rs)
{
    DeskOrder o;
    o.id = rs.integer(u"ID");
    o.phone = rs.integer(u"CODIGO");
    o.fone = TrimText(rs.text(u"FONE"));
    o.cliente = TrimText(rs.text(u"CLIENTE"));
    o.data = rs.date(u"DATA");
    o.hora = TrimText(rs.text(u"HORA"));
    o.valor = rs.decimal(u"VALOR");
    o.troco = rs.decimal(u"TROCO");
    o.status = TrimText(rs.text(u"STATUS"));
    o.pagamento = TrimText(rs.text(u"PAGAMENTO"));
    o.motoboy = rs.decimal(u"MOTOBOY").truncToInt();
    o.entrega = rs.integer(u"ENTREGA");
    o.bairro = TrimText(rs.text(u"BAIRRO"));
    o.taxa = rs.decimal(u"TAXA");
    o.deliveryMan = TrimText(rs.text(u"NOME"));
    return o;
}

// Another station inserted the same key first (and committed).
bool duplicateKey(const DbError& e) { return e.hasCode(335544665) || e.hasCode(335544349); }

} // namespace

QString DeskOrder::deliveryManLabel() const
{
    return deliveryMan.isEmpty() ? deliverytext::desk::chooseMan : deliveryMan;
}

QString DeskOrder::areaLabel() const
{
    if (bairro.isEmpty())
        return deliverytext::desk::chooseArea;
    return bairro + S(" R$ ") + delivery::amountText(taxa);
}

std::optional<qint64> DeliveryOrders::readPhone(const QString& typed)
{
    // at most ten digits, above zero, within the INTEGER column
    if (TrimText(typed).size() > 10)
        return std::nullopt;
    return readWhole(typed, WholeRules::code().from(1));
}

void DeliveryOrders::dropTabRows()
{
    m_logon.run(S("delete from DELIVERE where FONE is null"));
}

std::vector<DeskOrder> DeliveryOrders::orders(Order order)
{
    std::vector<DeskOrder> v;
    RowSet rs = m_logon.run(QString::fromUtf8(kOrderSelect)
                            + (order == Order::ByTime ? S("order by d.HORA, d.ID") : S("order by d.ID")));
    v.reserve(size_t(rs.size()));
    while (rs.next())
        v.push_back(orderOf(rs));
    return v;
}

std::optional<DeskOrder> DeliveryOrders::order(qint64 id)
{
    RowSet rs = m_logon.run(QString::fromUtf8(kOrderSelect) + S("where d.ID = ?"), {id});
    if (!rs.next())
        return std::nullopt;
    return orderOf(rs);
}

std::vector<DeskItem> DeliveryOrders::items(qint64 orderId)
{
    std::vector<DeskItem> v;
    RowSet rs = m_logon.run(S("select ID, CODIGO, NOME, QUANT, VALOR, OBS, IMPRESSORA from DELIITEM "
                              "where PEDIDO = ? order by IMPRESSORA, ID"), {QString::number(orderId)});
    v.reserve(size_t(rs.size()));
    while (rs.next())
        v.push_back({rs.integer(u"ID"), TrimText(rs.text(u"CODIGO")), rs.text(u"NOME"), rs.text(u"OBS"),
                     TrimText(rs.text(u"IMPRESSORA")), rs.decimal(u"QUANT"), rs.decimal(u"VALOR")});
    return v;
}

DeliveryOrders::Started DeliveryOrders::start(qint64 phone, const QDateTime& now)
{
    const QString fone = QString::number(phone);
    return m_logon.action([&] {
        Started s;
        RowSet customer = m_logon.run(S("select first 1 NOME from CLIENTES where CODIGO = ? order by ID"), {phone});
        const QString name = customer.next() ? customer.text(u"NOME").left(39) : QString();
        RowSet open = m_logon.run(S("select first 1 ID from DELIVERE where FONE = ? with lock"), {fone});
        if (open.next()) {
            s.orderId = open.integer(u"ID");
        } else {
            try {
                RowSet added = m_logon.run(
                    S("insert into DELIVERE (ID, CODIGO, DATA, HORA, CLIENTE, FONE) "
                      "values (GEN_ID(DELIVERE,1), ?, ?, ?, ?, ?) returning ID"),
                    {phone, now.date(), now.time().toString(S("hh:mm:ss")), name, fone});
                added.next();
                s.orderId = added.integer(u"ID");
                s.created = true;
            } catch (const DbError& e) {
                // another station started this telephone's order a moment ago: it is this one
                if (!duplicateKey(e))
                    throw;
                RowSet theirs = m_logon.run(S("select first 1 ID from DELIVERE where FONE = ? with lock"), {fone});
                if (!theirs.next())
                    throw;
                s.orderId = theirs.integer(u"ID");
            }
        }
        // The order's row is held now: one station at a time gets here for this
        // telephone, and only the first creates its customer.
        if (m_logon.scalar(S("select first 1 1 from CLIENTES where CODIGO = ?"), {phone}).isNull()) {
            m_logon.run(S("insert into CLIENTES (ID, CODIGO) values (GEN_ID(CLIENTE,1), ?)"), {phone});
            s.newCustomer = true;
        }
        return s;
    });
}

void DeliveryOrders::nameNewOrder(qint64 orderId, qint64 phone)
{
    const QVariant name = m_logon.scalar(S("select first 1 NOME from CLIENTES where CODIGO = ? order by ID"), {phone});
    m_logon.run(S("update DELIVERE set CLIENTE = ? where ID = ?"), {textOf(name).left(39), orderId});
}

void DeliveryOrders::holdOrder(qint64 orderId)
{
    if (!m_logon.run(S("select ID from DELIVERE where ID = ? with lock"), {orderId}).first())
        throw DeliveryRefused(deliverytext::desk::orderGone);
}

Decimal DeliveryOrders::writeTotal(qint64 orderId)
{
    RowSet rs = m_logon.run(S("select d.VALOR, e.TAXA, "
                              "(select sum(i.QUANT * i.VALOR) from DELIITEM i where i.PEDIDO = ?) as ITENS "
                              "from DELIVERE d left join ENTREGA e on e.ID = d.ENTREGA where d.ID = ?"),
                            {QString::number(orderId), orderId});
    if (!rs.next())
        return Decimal();
    const Decimal total = (rs.decimal(u"ITENS") + rs.decimal(u"TAXA")).roundTo(2);
    if (rs.isNull(u"VALOR") || rs.decimal(u"VALOR") != total)
        m_logon.run(S("update DELIVERE set VALOR = ? where ID = ?"), {total, orderId});
    return total;
}

Decimal DeliveryOrders::followItems(const DeskOrder& order, const std::vector<DeskItem>& items)
{
    Decimal itemsTotal;
    for (const DeskItem& i : items)
        itemsTotal += i.quant * i.valor;
    const Decimal total = (itemsTotal + order.taxa).roundTo(2);
    if (total == order.valor)
        return total;
    return m_logon.action([&] { return writeTotal(order.id); });
}

void DeliveryOrders::deleteItem(qint64 orderId, qint64 itemId)
{
    m_logon.action([&] {
        holdOrder(orderId);
        m_logon.run(S("delete from ACOMPDELI where IDMESA = ?"), {itemId});
        m_logon.run(S("delete from DELIITEM where ID = ? and PEDIDO = ?"), {itemId, QString::number(orderId)});
        writeTotal(orderId);
    });
}

void DeliveryOrders::deleteOrder(qint64 orderId)
{
    m_logon.action([&] {
        holdOrder(orderId);
        const QString pedido = QString::number(orderId);
        m_logon.run(S("delete from ACOMPDELI where IDMESA in (select ID from DELIITEM where PEDIDO = ?)"), {pedido});
        m_logon.run(S("delete from DELIITEM where PEDIDO = ?"), {pedido});
        m_logon.run(S("delete from DELIVERE where ID = ?"), {orderId});
    });
}

void DeliveryOrders::setDeliveryMan(qint64 orderId, qint64 manId)
{
    m_logon.action([&] {
        holdOrder(orderId);
        m_logon.run(S("update DELIVERE set MOTOBOY = ? where ID = ?"), {manId, orderId});
    });
}

void DeliveryOrders::setArea(qint64 orderId, qint64 areaId)
{
    m_logon.action([&] {
        holdOrder(orderId);
        m_logon.run(S("update DELIVERE set ENTREGA = ? where ID = ?"), {areaId, orderId});
        writeTotal(orderId);
    });
}

std::vector<HandOverLine> DeliveryOrders::handOver(const DeskOrder& order, const std::vector<DeskItem>& items)
{
    std::vector<HandOverLine> lines;
    int n = 0;
    for (const DeskItem& i : items) {
        HandOverLine l;
        l.linha = ++n;
        l.codigo = i.codigo;
        l.nome = i.nome;
        l.quantidade = i.quant;
        l.valor = i.valor;
        lines.push_back(l);
    }
    if (!order.bairro.isEmpty()) {
        HandOverLine fee;
        fee.linha = ++n;
        fee.codigo = QString::number(order.motoboy);
        fee.nome = deliverytext::desk::feeLine;
        fee.quantidade = Decimal(1);
        fee.valor = order.taxa;
        lines.push_back(fee);
    }
    return lines;
}
