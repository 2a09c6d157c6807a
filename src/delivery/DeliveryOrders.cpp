#include "delivery/DeliveryOrders.h"

#include "core/WholeNumber.h"
#include "core/uMensagem.h"
#include "db/UnitLogon.h"
#include "delivery/DeliveryAmount.h"
#include "delivery/DeliveryText.h"

namespace {

QString S(const char* s) { return QString::fromUtf8(s); }

// The order list with the chosen area and delivery man. The desk's orders are the
// rows with a telephone: the rows of a tab's delivery data have none, and stay for
// the settlement with the delivery man.
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

std::vector<DeskOrder> DeliveryOrders::orders(Order order)
{
    std::vector<DeskOrder> v;
    RowSet rs = m_logon.run(QString::fromUtf8(kOrderSelect) + S("where d.FONE is not null ")
                            + (order == Order::ByTime ? S("order by d.HORA, d.ID") : S("order by d.ID")));
    v.reserve(size_t(rs.size()));
    while (rs.next())
        v.push_back(orderOf(rs));
    return v;
}

std::optional<DeskOrder> DeliveryOrders::order(qint64 id)
{
    RowSet rs = m_logon.run(QString::fromUtf8(kOrderSelect) + S("where d.ID = ? and d.FONE is not null"), {id});
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

Decimal DeliveryOrders::total(const std::vector<DeskItem>& items, const Decimal& fee)
{
    return linesTotal(items, [](const DeskItem& i) { return i.total(); }) + lineAmount(fee);
}

Decimal DeliveryOrders::writeTotal(qint64 orderId)
{
    // The order, its area's fee and its items in one statement: one row per item
    // (one row with no item for an order without any).
    RowSet rs = m_logon.run(S("select d.VALOR, e.TAXA, i.QUANT, i.VALOR as PRECO from DELIVERE d "
                              "left join ENTREGA e on e.ID = d.ENTREGA left join DELIITEM i on i.PEDIDO = ? "
                              "where d.ID = ?"),
                            {QString::number(orderId), orderId});
    if (!rs.next())
        return Decimal();
    const bool stored = !rs.isNull(u"VALOR");
    const Decimal valor = rs.decimal(u"VALOR");
    const Decimal fee = rs.decimal(u"TAXA");
    std::vector<DeskItem> items;
    do {
        if (!rs.isNull(u"QUANT") || !rs.isNull(u"PRECO")) {
            DeskItem i;
            i.quant = rs.decimal(u"QUANT");
            i.valor = rs.decimal(u"PRECO");
            items.push_back(i);
        }
    } while (rs.next());
    const Decimal sum = total(items, fee);
    if (!stored || valor != sum)
        m_logon.run(S("update DELIVERE set VALOR = ? where ID = ?"), {sum, orderId});
    return sum;
}

Decimal DeliveryOrders::followItems(const DeskOrder& order, const std::vector<DeskItem>& items)
{
    const Decimal sum = total(items, order.taxa);
    if (sum == order.valor)
        return sum;
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
