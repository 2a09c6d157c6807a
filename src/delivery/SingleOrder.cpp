#include "delivery/SingleOrder.h"

#include "core/FormatFloat.h"
#include "core/uMensagem.h"
#include "db/NewDatabase.h"
#include "db/SqlBatches.h"
#include "db/UnitLogon.h"
#include "delivery/DeliveryOrders.h"
#include "delivery/DeliveryText.h"

namespace {

QString S(const char* s) { return QString::fromUtf8(s); }

constexpr int kItemNameWidth = 120;    // MESA.NOMEP
constexpr int kItemCodeWidth = 30;     // MESA.CODIGO
constexpr int kItemKeyWidth = 30;      // MESA.COMPLEMENTO
constexpr int kExtraWidth = 35;        // ACOMPMESA.PRODUTO (PRODUTOS2 holds 38)

const char* kOrderColumns = "ID, MESA, NOME, VALOR, STATUS, VENDEDOR, TAXA, HORA, OBS, RECEBIDO, RECEBIDO2, RECEBIDO3, "
                            "FP1, FP2, FP3";

SingleOrderRow orderOf(const RowSet& rs)
{
    SingleOrderRow o;
    o.id = rs.integer(u"ID");
    o.phone = TrimText(rs.text(u"MESA"));
    o.name = rs.text(u"NOME");
    o.valor = rs.decimal(u"VALOR");
    o.status = TrimText(rs.text(u"STATUS"));
    o.deliveryMan = rs.integer(u"VENDEDOR");
    o.area = rs.integer(u"TAXA");
    o.hora = rs.value(u"HORA").toTime();
    o.obs = rs.text(u"OBS");
    o.received = {rs.decimal(u"RECEBIDO"), rs.decimal(u"RECEBIDO2"), rs.decimal(u"RECEBIDO3")};
    o.methods = {int(rs.integer(u"FP1")), int(rs.integer(u"FP2")), int(rs.integer(u"FP3"))};
    return o;
}

} // namespace

Decimal SingleOrderNewItem::unitPrice() const
{
    Decimal sum = price;
    for (const ItemExtra& e : extras)
        if (e.ticked)
            sum += e.valor;
    return sum;
}

QString SingleOrders::orderKey(qint64 id) { return S("D") + QString::number(id); }

std::optional<QString> SingleOrders::phoneText(const QString& typed)
{
    const std::optional<qint64> phone = DeliveryOrders::readPhone(typed.toUpper());
    if (!phone)
        return std::nullopt;
    return FormatFloat(u"000000", Decimal(*phone));
}

Decimal SingleOrders::itemsTotal(const std::vector<SingleOrderItem>& items)
{
    return linesTotal(items, [](const SingleOrderItem& i) { return i.total(); });
}

Decimal SingleOrders::secondAmount(const Decimal& total, const std::optional<Decimal>& first, const Decimal& third)
{
    if (!first)
        return total;
    const Decimal rest = total - *first - third;
    return rest > Decimal() ? rest : Decimal();
}

QTime SingleOrders::creationTime(const QDateTime& now)
{
    const QTime t = now.time();
    return QTime(t.hour(), t.minute(), t.second());
}

qint64 SingleOrders::create(const QDateTime& now)
{
    // The number comes back from the insert that takes it: no other station can
    // take this row, and no placeholder row is ever looked for.
    RowSet added = m_logon.run(S("insert into DELIPED (ID, NOME, STATUS, HORA, TAXA, VENDEDOR, PAGAMENTO, FP1, FP2, FP3) "
                                 "values (GEN_ID(DELIPED,1), ' ', ?, ?, 0, 0, 0, 1, 2, 3) returning ID"),
                               {deliverytext::single::ordered, creationTime(now)});
    added.next();
    return added.integer(u"ID");
}

std::optional<SingleOrderRow> SingleOrders::read(qint64 id)
{
    RowSet rs = m_logon.run(S("select ") + QString::fromLatin1(kOrderColumns) + S(" from DELIPED where ID = ?"), {id});
    if (!rs.next())
        return std::nullopt;
    return orderOf(rs);
}

SingleOrderRow SingleOrders::holdOrder(qint64 id)
{
    RowSet rs = m_logon.run(S("select ") + QString::fromLatin1(kOrderColumns) + S(" from DELIPED where ID = ? with lock"),
                            {id});
    if (!rs.next())
        throw DeliveryRefused(deliverytext::desk::orderGone);
    return orderOf(rs);
}

std::vector<SingleOrderItem> SingleOrders::items(qint64 id)
{
    std::vector<SingleOrderItem> v;
    RowSet rs = m_logon.run(S("select ID, CODIGO, NOMEP, QUANT, VALOR from MESA where MESA = ? order by ID"),
                            {orderKey(id)});
    v.reserve(size_t(rs.size()));
    while (rs.next())
        v.push_back({rs.integer(u"ID"), TrimText(rs.text(u"CODIGO")), rs.text(u"NOMEP"), rs.decimal(u"QUANT"),
                     rs.decimal(u"VALOR")});
    return v;
}

std::map<qint64, QStringList> SingleOrders::extras(const std::vector<SingleOrderItem>& items)
{
    std::map<qint64, QStringList> out;
    QStringList ids;
    for (const SingleOrderItem& i : items)
        ids << QString::number(i.id);
    sqlbatch::forEachBatch(ids, [&](const Params& p) {
        RowSet rs = m_logon.run(S("select CODIGO, PRODUTOS2, PRODUTO from ACOMPMESA where CODIGO in ")
                                    + sqlbatch::inPlaces() + S(" order by ID"), p);
        while (rs.next())
            out[TrimText(rs.text(u"CODIGO")).toLongLong()]
                << (rs.isNull(u"PRODUTOS2") ? rs.text(u"PRODUTO") : rs.text(u"PRODUTOS2"));
    });
    return out;
}

DeliveryCustomerData SingleOrders::customer(qint64 phone)
{
    DeliveryCustomers customers(m_logon);
    return m_logon.action([&] {
        // A telephone without a customer gets a row with only its code; its name
        // and address come from the screen.
        if (std::optional<DeliveryCustomerData> c = customers.read(phone))
            return *c;
        // CLIENTES has no unique code: stations registering one telephone at once
        // take turns, and the second finds the first's.
        newdb::takeTurnCreating(m_logon);
        if (std::optional<DeliveryCustomerData> c = customers.read(phone))
            return *c;
        m_logon.run(S("insert into CLIENTES (ID, CODIGO) values (GEN_ID(CLIENTE,1), ?)"), {phone});
        return *customers.read(phone);
    });
}

void SingleOrders::saveCustomer(const DeliveryCustomerData& data)
{
    DeliveryCustomers(m_logon).saveWithAreaCode(data);
}

bool SingleOrders::saveHeader(qint64 id, const SingleOrderHeader& h, const Decimal& total)
{
    return m_logon.exec(S("update DELIPED set MESA = ?, NOME = ?, OBS = ?, VENDEDOR = ?, TAXA = ?, VALOR = ? "
                          "where ID = ?"),
                        {h.phone.left(10), h.name.left(30), h.obs.left(220), h.deliveryMan, h.area,
                         total.roundTo(2), id})
        == 1;
}

qint64 SingleOrders::addItem(qint64 id, const SingleOrderHeader& header, const SingleOrderNewItem& item,
                             const Decimal& areaFee, const QDateTime& now)
{
    return m_logon.action([&] {
        holdOrder(id);
        // The item's key as the stations have always written it: the telephone, the
        // code and the minutes and seconds. It finds nothing: the row's id does.
        const QString key = (header.phone + TrimText(item.code) + now.time().toString(S("mmss"))).left(kItemKeyWidth);
        RowSet added = m_logon.run(S("insert into MESA (ID, MESA, QUANT, COMPLEMENTO, CODIGO, NOMEP, COZINHA, VALOR, VEND) "
                                     "values (GEN_ID(MESA,1), ?, ?, ?, ?, ?, '0', ?, 0) returning ID"),
                                   {orderKey(id), item.quantity, key, item.code.left(kItemCodeWidth),
                                    item.name.left(kItemNameWidth), item.unitPrice()});
        added.next();
        const qint64 itemId = added.integer(u"ID");
        m_logon.run(S("update MESA set COMPL = ? where ID = ?"), {QString::number(itemId), itemId});
        for (const ItemExtra& e : item.extras)
            if (e.ticked)
                m_logon.run(S("insert into ACOMPMESA (ID, PRODUTO, PRODUTOS2, CODIGO, IDMESA, QUANT, COD) "
                              "values (GEN_ID(ACOMPMESA,1), ?, ?, ?, ?, ?, 0)"),
                            {e.produto.left(kExtraWidth), e.produto.left(38), QString::number(itemId), itemId, e.valor});
        const Decimal total = itemsTotal(items(id)) + areaFee;
        saveHeader(id, header, total);
        return itemId;
    });
}

void SingleOrders::deleteItem(qint64 id, qint64 itemId)
{
    m_logon.action([&] {
        holdOrder(id);
        m_logon.run(S("delete from MESA where ID = ? and MESA = ?"), {itemId, orderKey(id)});
    });
}

void SingleOrders::setPayments(qint64 id, const std::array<Decimal, 3>& r, const std::array<int, 3>& m)
{
    m_logon.action([&] {
        holdOrder(id);
        m_logon.run(S("update DELIPED set RECEBIDO = ?, RECEBIDO2 = ?, RECEBIDO3 = ?, FP1 = ?, FP2 = ?, FP3 = ? "
                      "where ID = ?"),
                    {r[0], r[1], r[2], m[0], m[1], m[2], id});
    });
}

void SingleOrders::setStatus(qint64 id, const QString& status)
{
    m_logon.run(S("update DELIPED set STATUS = ? where ID = ?"), {status, id});
}
