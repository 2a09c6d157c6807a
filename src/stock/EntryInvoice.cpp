#include "stock/EntryInvoice.h"
#include "core/DateReader.h"
#include "core/WholeNumber.h"

#include "core/uMensagem.h"
#include "db/UnitLogon.h"
#include "registers/RegisterRules.h"
#include "stock/PurchaseOrders.h"
#include "stock/StockFields.h"
#include "stock/StockLedger.h"
#include "stock/StockProducts.h"
#include "stock/StockWindows.h"

#include <algorithm>
#include <set>

namespace invoice {

namespace {

// A typed value that reaches the product only when given: blank or 0 is not given.
std::optional<Decimal> givenValue(const QString& typed, const QString& field)
{
    const std::optional<Decimal> v = stock::optionalAmount(typed, text::fillError, field);
    if (!v || stock::moneyOf(*v).isZero())
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
    const QString code = registers::sixDigitCode(typed.code);
    if (code.isEmpty())
        throw stock::FieldError(text::fillError, field::product);
    const std::optional<Decimal> quantity = stock::readAmount(typed.quantity);
    if (!quantity || stock::quantityOf(*quantity) <= Decimal(0))
        throw stock::FieldError(text::fillError, field::quantity);
    const stock::ProductCard product = stock::readProduct(m_logon, code);
    if (!product.found)
        throw stock::FieldError(stock::text::productNotFound, field::product);
    const Decimal cost = stock::optionalAmount(typed.cost, text::fillError, field::cost).value_or(product.cost);
    Item item;
    item.code = code;
    item.name = product.name.left(kNameLength);
    item.quantity = stock::quantityOf(*quantity);
    item.unitCost = stock::unitCostOf(cost);
    item.salePrice = givenValue(typed.price, field::price);
    item.bookValue = givenValue(typed.bookValue, field::bookValue);
    m_items.push_back(item);
}

void EntryInvoice::removeAt(int index)
{
    if (index < 0 || index >= int(m_items.size()))
        return;
    const qint64 order = m_items[size_t(index)].order;
    m_items.erase(m_items.begin() + index);
    if (order != 0 && std::none_of(m_items.begin(), m_items.end(), [&](const Item& i) { return i.order == order; }))
        m_imported.erase(order);   // none of it left: it may be imported again
}

ImportedOrder EntryInvoice::importOrder(const QString& number)
{
    ImportedOrder result;
    const qint64 order = readInt(number).value_or(0);
    purchase::PurchaseOrders orders(m_logon);
    const purchase::Order header = orders.order(order);
    if (!header.found)
        return result;
    if (std::any_of(m_items.begin(), m_items.end(), [&](const Item& i) { return i.order == order; }))
        throw stock::FieldError(text::alreadyImported, field::order);
    result.found = true;
    result.supplier = header.supplier;
    std::vector<purchase::Item> lines = orders.items(order);
    for (const purchase::Item& ordered : lines) {
        Item item;
        item.code = ordered.code;
        item.name = ordered.name.left(kNameLength);
        item.quantity = stock::quantityOf(ordered.quantity);
        item.unitCost = stock::unitCostOf(ordered.costWithIpi());
        item.order = order;
        item.orderLine = ordered.id;
        m_items.push_back(item);
        ++result.items;
    }
    m_imported[order] = std::move(lines);
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
    const std::optional<int> number = readInt(header.number);
    if (!number || *number <= 0)
        throw stock::FieldError(text::fillError, field::number);
    if (m_items.empty())
        throw stock::FieldError(text::fillError, field::product);
    const TypedDate typedDate = readDate(header.date);
    if (typedDate.isNoDate())
        throw stock::FieldError(text::fillError, field::date);
    const QDate date = typedDate.isDate() ? typedDate.date : today;
    const QString history = EntryInvoice::history(header);
    std::map<qint64, std::set<qint64>> received;   // order -> the lines of it the invoice holds
    for (const Item& i : m_items)
        if (i.order != 0)
            received[i.order].insert(i.orderLine);

    stock::StockLedger ledger(m_logon);
    purchase::PurchaseOrders purchases(m_logon);
    m_logon.action([&] {
        // The orders first: another station processing one of them meanwhile makes
        // this invoice wait, then find it gone; one changing its lines waits too, or
        // changed them before, and the lines differ from those imported.
        for (const auto& [order, lines] : received) {
            const std::optional<std::vector<purchase::Item>> held = purchases.holdLines(order);
            if (!held)
                throw stock::FieldError(text::orderGone.arg(order), field::order);
            const auto imported = m_imported.find(order);
            if (imported == m_imported.end() || !purchase::sameLines(*held, imported->second))
                throw stock::FieldError(text::orderChanged.arg(order), field::order);
        }
        // Every item in a few statements: the products held in the order of their
        // codes, the rows appended, each product's average written once.
        std::vector<stock::StockEntry> entries;
        for (const Item& item : m_items) {
            stock::StockEntry e;
            e.row.code = item.code;
            e.row.date = date;
            e.row.history = history;
            e.row.entrada = item.quantity;
            e.row.valor = item.unitCost;
            e.row.nfiscal = *number;
            e.product.entryDate = today;
            e.product.unitCost = item.unitCost;
            e.product.salePrice = item.salePrice;
            e.product.bookValue = item.bookValue;
            entries.push_back(e);
        }
        const QStringList missing = ledger.receive(entries);
        if (!missing.isEmpty())
            throw stock::FieldError(stock::text::productNotFound + QLatin1Char('\n') + missing.first(), field::product);
        for (const auto& [order, lines] : received) {
            if (lines.size() < m_imported[order].size()) {
                for (const qint64 line : lines)
                    m_logon.run(QStringLiteral("delete from CompPed where id = ?"), {line});
                continue;   // the lines taken out of the invoice stay on the order
            }
            m_logon.run(QStringLiteral("delete from compras where codigo = ?"), {order});
            m_logon.run(QStringLiteral("delete from CompPed where codped = ?"), {order});
        }
    });
    m_items.clear();
    m_imported.clear();
}

} // namespace invoice
