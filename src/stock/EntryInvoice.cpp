#include "stock/EntryInvoice.h"

#include "core/uMensagem.h"
#include "db/UnitLogon.h"
#include "registers/RegisterRules.h"
#include "stock/StockFields.h"
#include "stock/StockLedger.h"
#include "stock/StockProducts.h"
#include "stock/StockWindows.h"

#include <set>

namespace invoice {

namespace {

// A typed value that reaches the product only when given: blank or 0 is not given.
std::optional<Decimal> givenValue(const QString& typed, const QString& field)
{
    if (stock::isBlank(typed))
        return std::nullopt;
    const std::optional<Decimal> v = stock::readAmount(typed);
    if (!v || v->isNegative())
        throw stock::FieldError(text::fillError, field);
    if (stock::moneyOf(*v).isZero())
        return std::nullopt;
    return stock::moneyOf(*v);
}

} // namespace

Decimal Item::total() const
{
    return stock::moneyOf(quantity * unitCost);
}

void EntryInvoice::addTyped(const TypedItem& typed)
{
    const QString code = reg::sixDigitCode(typed.code);
    if (code.isEmpty())
        throw stock::FieldError(text::fillError, field::product);
    const std::optional<Decimal> quantity = stock::readAmount(typed.quantity);
    if (!quantity || stock::quantityOf(*quantity) <= Decimal(0))
        throw stock::FieldError(text::fillError, field::quantity);
    const stock::ProductCard product = stock::readProduct(m_logon, code);
    if (!product.found)
        throw stock::FieldError(stock::text::productNotFound, field::product);
    Decimal cost = product.cost;
    if (!stock::isBlank(typed.cost)) {
        const std::optional<Decimal> c = stock::readAmount(typed.cost);
        if (!c || c->isNegative())
            throw stock::FieldError(text::fillError, field::cost);
        cost = *c;
    }
    Item item;
    item.code = code;
    item.name = product.name.left(kNameLength);
    item.quantity = stock::quantityOf(*quantity);
    item.unitCost = stock::moneyOf(cost);
    item.salePrice = givenValue(typed.price, field::price);
    item.bookValue = givenValue(typed.bookValue, field::bookValue);
    m_items.push_back(item);
}

void EntryInvoice::removeAt(int index)
{
    if (index >= 0 && index < int(m_items.size()))
        m_items.erase(m_items.begin() + index);
}

ImportedOrder EntryInvoice::importOrder(const QString& number)
{
    ImportedOrder result;
    const qint64 order = TextToInt(TrimText(number)).value_or(0);
    RowSet header = m_logon.run(QStringLiteral("select first 1 * from compras where codigo = ?"), {order});
    if (!header.next())
        return result;
    if (std::any_of(m_items.begin(), m_items.end(), [&](const Item& i) { return i.order == order; }))
        throw stock::FieldError(text::alreadyImported, field::order);
    result.found = true;
    result.supplier = header.isNull(u"FORNE") ? QString() : QString::number(header.integer(u"FORNE"));
    RowSet rows = m_logon.run(QStringLiteral(
        "select c.*, (select first 1 p.nome from produtos p where p.codigo = c.codigo) as NOMEPROD "
        "from compped c where c.codped = ? order by c.id"), {order});
    while (rows.next()) {
        Item item;
        item.code = rows.text(u"CODIGO");
        item.name = rows.text(u"NOMEPROD").left(kNameLength);
        item.quantity = stock::quantityOf(rows.decimal(u"QUANT"));
        const Decimal cost = rows.decimal(u"CUSTO");
        const qint64 ipi = rows.integer(u"IPI");
        item.unitCost = stock::moneyOf(ipi == 0 ? cost : cost * (Decimal(ipi) / Decimal(100) + Decimal(1)));
        item.order = order;
        m_items.push_back(item);
        ++result.items;
    }
    return result;
}

Decimal EntryInvoice::totalCost() const
{
    Decimal sum;
    for (const Item& i : m_items)
        sum += i.total();
    return sum;
}

QString EntryInvoice::totalText(const Decimal& total)
{
    return FormatFloatLeftPadded(QStringLiteral("#0.00"), 12, total);
}

QString EntryInvoice::history(const Header& header)
{
    return (text::historyPrefix + TrimText(header.number) + text::historyObservation + header.observation)
        .left(kHistoryLength);
}

void EntryInvoice::process(const Header& header, const QDate& today)
{
    const std::optional<int> number = TextToInt(TrimText(header.number));
    if (!number || *number <= 0)
        throw stock::FieldError(text::fillError, field::number);
    if (m_items.empty())
        throw stock::FieldError(text::fillError, field::product);
    const QDate date = stock::readDate(header.date).value_or(today);
    const QString history = EntryInvoice::history(header);
    std::set<qint64> orders;
    for (const Item& i : m_items)
        if (i.order != 0)
            orders.insert(i.order);

    stock::StockLedger ledger(m_logon);
    m_logon.action([&] {
        // The orders first: another station processing one of them meanwhile
        // makes this invoice wait, then find it gone.
        for (const qint64 order : orders) {
            if (m_logon.run(QStringLiteral("select id from compras where codigo = ? with lock"), {order}).isEmpty())
                throw stock::FieldError(text::orderGone.arg(order), field::order);
        }
        for (const Item& item : m_items) {
            stock::LedgerRow row;
            row.code = item.code;
            row.date = date;
            row.history = history;
            row.entrada = item.quantity;
            row.valor = item.unitCost;
            row.nfiscal = *number;
            stock::ProductEntry product;
            product.entryDate = today;
            product.unitCost = item.unitCost;
            product.salePrice = item.salePrice;
            product.bookValue = item.bookValue;
            if (!ledger.receive(row, product))
                throw stock::FieldError(stock::text::productNotFound + QLatin1Char('\n') + item.code, field::product);
        }
        for (const qint64 order : orders) {
            m_logon.run(QStringLiteral("delete from compras where codigo = ?"), {order});
            m_logon.run(QStringLiteral("delete from CompPed where codped = ?"), {order});
        }
    });
    m_items.clear();
}

} // namespace invoice
