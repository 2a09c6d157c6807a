#include "stock/PurchaseOrders.h"

#include "core/uMensagem.h"
#include "db/UnitLogon.h"
#include "registers/LookupStore.h"
#include "registers/RegisterRules.h"
#include "stock/StockFields.h"
#include "stock/StockLedger.h"
#include "stock/StockProducts.h"
#include "stock/StockWindows.h"

#include <algorithm>

namespace purchase {

namespace {

QVariant dateOrNull(const QString& typed, const QString& field, const QString& caption)
{
    if (stock::isBlankDate(typed))
        return QVariant();
    const std::optional<QDate> d = stock::readDate(typed);
    if (!d)
        throw stock::FieldError(text::badDate.arg(caption), field);
    return *d;
}

QVariant textOrNull(const QString& typed)
{
    const QString t = TrimText(typed);
    return t.isEmpty() ? QVariant() : QVariant(t);
}

Item itemOf(const RowSet& r, const QString& name)
{
    Item i;
    i.id = r.integer(u"ID");
    i.code = r.text(u"CODIGO");
    i.name = name;
    i.quantity = r.decimal(u"QUANT");
    i.cost = r.decimal(u"CUSTO");
    i.icms = r.integer(u"ICM");
    i.ipi = r.integer(u"IPI");
    return i;
}

} // namespace

Decimal Item::total() const
{
    return quantity * cost;
}

Decimal Item::costWithIpi() const
{
    return ipi == 0 ? cost : cost * (Decimal(ipi) / Decimal(100) + Decimal(1));
}

bool sameLines(const std::vector<Item>& a, const std::vector<Item>& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const Item& x, const Item& y) {
        return x.id == y.id && x.code == y.code && x.quantity == y.quantity && x.cost == y.cost && x.ipi == y.ipi;
    });
}

qint64 PurchaseOrders::firstNumber()
{
    RowSet r = m_logon.run(QStringLiteral("select first 1 codigo from compras order by codigo"));
    return r.next() ? r.integer(u"CODIGO") : 0;
}

Order PurchaseOrders::order(qint64 number)
{
    Order o;
    RowSet r = m_logon.run(QStringLiteral("select first 1 * from Compras where codigo = ?"), {number});
    if (!r.next())
        return o;
    o.found = true;
    o.number = number;
    o.date = r.date(u"DATA");
    o.delivery = r.date(u"ENTREGA");
    o.term = r.text(u"PRAZO");
    o.observation = r.text(u"OBS");
    o.supplier = r.isNull(u"FORNE") ? QString() : QString::number(r.integer(u"FORNE"));
    return o;
}

std::vector<Item> PurchaseOrders::items(qint64 number)
{
    std::vector<Item> list;
    RowSet r = m_logon.run(QStringLiteral(
        "select c.*, (select first 1 p.nome from produtos p where p.codigo = c.codigo) as NOMEPROD "
        "from compped c where c.codped = ? order by c.id"), {number});
    while (r.next())
        list.push_back(itemOf(r, r.text(u"NOMEPROD")));
    return list;
}

std::optional<std::vector<Item>> PurchaseOrders::holdLines(qint64 number)
{
    if (m_logon.run(QStringLiteral("select id from compras where codigo = ? with lock"), {number}).isEmpty())
        return std::nullopt;
    std::vector<Item> list;
    RowSet r = m_logon.run(QStringLiteral("select * from compped where codped = ? order by id with lock"), {number});
    while (r.next())
        list.push_back(itemOf(r, QString()));
    return list;
}

void PurchaseOrders::holdOrder(qint64 number)
{
    if (m_logon.run(QStringLiteral("select id from compras where codigo = ? with lock"), {number}).isEmpty())
        throw stock::FieldError(text::orderGone, field::product);
}

Totals PurchaseOrders::totals(const std::vector<Item>& items)
{
    Totals t;
    for (const Item& i : items) {
        t.order += i.total();
        if (i.ipi != 0)
            t.ipi += Decimal(i.ipi) / Decimal(100) * i.total();
    }
    t.order = stock::moneyOf(t.order);
    t.ipi = stock::moneyOf(t.ipi);
    t.total = t.order + t.ipi;
    return t;
}

QString PurchaseOrders::totalText(const Decimal& total)
{
    return FormatFloatLeftPadded(QStringLiteral("#0.00"), 12, total);
}

qint64 PurchaseOrders::create()
{
    return m_logon.action([&] {
        RowSet r = m_logon.run(QStringLiteral("update empresa set scl5 = coalesce(scl5, 0) + 1 returning scl5"));
        if (!r.next())
            throw DbError(QStringLiteral("O cadastro da empresa não tem linha: cadastre a empresa primeiro."));
        const qint64 number = r.integer(u"SCL5");
        m_logon.run(QStringLiteral("insert into compras (id,codigo) values (GEN_ID(COMPRAS,1), ?)"), {number});
        return number;
    });
}

void PurchaseOrders::storeHeader(qint64 number, const TypedHeader& header)
{
    const QVariant date = dateOrNull(header.date, field::date, QStringLiteral("Data pedido"));
    const QVariant delivery = dateOrNull(header.delivery, field::delivery, QStringLiteral("Data para entrega"));
    QVariant supplier;
    const QString typed = TrimText(header.supplier);
    if (!typed.isEmpty()) {
        if (!LookupStore(m_logon).supplierName(typed))
            throw stock::FieldError(stock::text::supplierNotFound, field::supplier);
        supplier = qlonglong(*TextToInt(typed));
    }
    m_logon.run(QStringLiteral("update compras set data = ?, entrega = ?, prazo = ?, forne = ?, obs = ? where codigo = ?"),
                {SqlValue(date), SqlValue(delivery), SqlValue(textOrNull(header.term)), SqlValue(supplier),
                 SqlValue(textOrNull(header.observation)), number});
}

void PurchaseOrders::remove(qint64 number)
{
    m_logon.action([&] {
        m_logon.run(QStringLiteral("delete from Compras where codigo = ?"), {number});
        m_logon.run(QStringLiteral("delete from CompPed where codped = ?"), {number});
    });
}

QString PurchaseOrders::wholeQuantity(const QString& typed)
{
    const std::optional<Decimal> q = stock::readAmount(typed);
    return q && q->isWhole() ? TrimText(typed) : QStringLiteral("0");
}

QString PurchaseOrders::numberOrZero(const QString& typed)
{
    return stock::readAmount(typed) ? TrimText(typed) : QStringLiteral("0");
}

PurchaseOrders::Checked PurchaseOrders::check(const TypedItem& item)
{
    Checked c;
    c.code = registers::sixDigitCode(item.code);
    if (c.code.isEmpty() || !stock::readProduct(m_logon, c.code).found)
        throw stock::FieldError(c.code.isEmpty() ? text::fillError : stock::text::productNotFound, field::product);
    const std::optional<Decimal> quantity = stock::readAmount(item.quantity);
    if (!quantity || !quantity->isWhole() || *quantity <= Decimal(0))
        throw stock::FieldError(text::fillError, field::quantity);
    c.quantity = *quantity;
    c.cost = stock::moneyOf(stock::optionalAmount(item.cost, text::fillError, field::cost).value_or(Decimal()));
    const auto rate = [](const QString& typed, const QString& f) -> qint64 {
        const Decimal r = stock::optionalAmount(typed, text::fillError, f).value_or(Decimal());
        if (!r.isWhole() || r > Decimal(100))
            throw stock::FieldError(text::fillError, f);
        return r.truncToInt();
    };
    c.icms = rate(item.icms, field::icms);
    c.ipi = rate(item.ipi, field::ipi);
    return c;
}

void PurchaseOrders::addItem(qint64 number, const TypedItem& item)
{
    const Checked c = check(item);
    m_logon.action([&] {
        holdOrder(number);
        m_logon.run(QStringLiteral("insert into compped (id,codped,codigo,quant,custo,icm,ipi) values (GEN_ID(OUTROS,1),?,?,?,?,?,?)"),
                    {number, c.code, c.quantity, c.cost, c.icms, c.ipi});
    });
}

void PurchaseOrders::changeItem(qint64 id, const TypedItem& item)
{
    const Checked c = check(item);
    m_logon.action([&] {
        RowSet r = m_logon.run(QStringLiteral("select codped from compped where id = ?"), {id});
        if (!r.next())
            throw stock::FieldError(text::itemGone, field::product);
        holdOrder(r.integer(u"CODPED"));
        if (m_logon.exec(QStringLiteral("update compped set codigo = ?, quant = ?, custo = ?, icm = ?, ipi = ? where id = ?"),
                         {c.code, c.quantity, c.cost, c.icms, c.ipi, id}) == 0)
            throw stock::FieldError(text::itemGone, field::product);
    });
}

void PurchaseOrders::removeItem(qint64 id)
{
    m_logon.action([&] {
        RowSet r = m_logon.run(QStringLiteral("select codped from compped where id = ?"), {id});
        if (!r.next())
            return;   // gone already
        holdOrder(r.integer(u"CODPED"));
        m_logon.run(QStringLiteral("delete from CompPed where id = ?"), {id});
    });
}

RowSet PurchaseOrders::pending()
{
    return m_logon.run(QStringLiteral(
        "select c.*, (select first 1 f.nome from fornecedor f where f.codigo = c.forne) as FORNENOME "
        "from compras c order by c.codigo desc"));
}

} // namespace purchase
