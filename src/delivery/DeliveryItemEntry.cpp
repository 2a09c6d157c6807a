#include "delivery/DeliveryItemEntry.h"
#include "core/WholeNumber.h"

#include "core/FormatFloat.h"
#include "core/uMensagem.h"
#include "db/UnitLogon.h"
#include "delivery/DeliveryAmount.h"
#include "delivery/DeliveryOrders.h"
#include "delivery/DeliveryText.h"
#include "registers/RegisterCommon.h"
#include "registers/TouchMenu.h"

namespace {

QString S(const char* s) { return QString::fromUtf8(s); }

QString kitchenOf(const QString& clas)
{
    const QString k = TrimText(clas);
    return k.isEmpty() ? S("1") : k.left(1);
}

// A lookup that fails because the code holds characters the database cannot
// store finds nothing: no row has such a code.
template <class F>
auto orNothing(F&& read) -> decltype(read())
{
    try {
        return read();
    } catch (const DbError& e) {
        if (e.isCharacterSetError())
            return std::nullopt;
        throw;
    }
}

} // namespace

Decimal ItemInHand::extrasValue() const
{
    Decimal sum;
    for (const ItemExtra& e : extras)
        if (e.ticked)
            sum += e.valor;
    return sum;
}

bool ItemInHand::toggleExtra(int row)
{
    if (row < 0 || row >= int(extras.size()))
        return false;
    extras[size_t(row)].ticked = !extras[size_t(row)].ticked;
    return true;
}

bool ItemInHand::addTypedExtra(const QString& text, bool ticked)
{
    const QString t = TrimText(text);
    if (t.isEmpty())
        return false;
    extras.push_back({ticked, t, Decimal()});
    return true;
}

int DeliveryItemEntry::readItemOptions(TLogon& logon)
{
    const QVariant v = logon.scalar(S("select first 1 SCC4 from EMPRESA"));
    return v.isNull() ? 0 : int(integerOf(v));
}

QStringList DeliveryItemEntry::sizeEntries() { return m_flavours.sizeEntries(); }

QString DeliveryItemEntry::normaliseCode(const QString& typed)
{
    const QString t = TrimText(typed);
    if (const std::optional<qint64> n = readWhole(t))
        return registers::paddedCode(*n, 6);
    return t;
}

std::vector<ItemExtra> DeliveryItemEntry::extrasOf(const QString& code, qint64 group)
{
    std::vector<ItemExtra> extras;
    TouchMenu menu(m_logon);
    for (const QString& a : menu.accompaniments(code))
        extras.push_back({true, a, Decimal()});
    for (const TouchButton& c : menu.complementsOf(QString::number(group)))
        if (!c.write)
            extras.push_back({true, c.code + u' ' + delivery::amountText(c.value), c.value});
    return extras;
}

DeliveryItemEntry::Loaded DeliveryItemEntry::load(const QString& typed)
{
    Loaded r;
    const QString code = normaliseCode(typed);
    if (code.startsWith(u'*')) {
        // a kit as one item, at its own price
        const std::optional<KitRow> kit = code.size() <= 11 ? orNothing([&] { return m_flavours.kit(code.mid(1)); })
                                                             : std::nullopt;
        if (!kit) {
            r.messages << deliverytext::items::productNotFound;
            return r;
        }
        ItemInHand item;
        item.code = u'*' + kit->codigo;
        item.name = kit->nome;
        item.price = kit->valot;
        item.kitchen = kitchenOf(kit->impfiscal);
        item.extras = extrasOf(item.code, kit->classe);
        r.item = item;
        return r;
    }
    const std::optional<SizedProduct> p = code.size() <= 14 ? orNothing([&] { return m_flavours.product(code); })
                                                             : std::nullopt;
    if (!p) {
        r.messages << deliverytext::items::productNotFound;
        return r;
    }
    ItemInHand item;
    item.code = code;
    item.name = p->nome;
    item.price = p->valor;
    item.kitchen = kitchenOf(p->clas);
    if (p->hasSizes()) {
        item.sized = *p;
        r.showSizes = true;
    }
    item.extras = extrasOf(code, p->classe);
    r.item = item;
    return r;
}

DeliveryItemEntry::Loaded DeliveryItemEntry::flavours(const QString& list, const QString& sizeEntry)
{
    Loaded r;
    const FlavourPrice f = m_flavours.entryPrice(list, false, sizeEntry, 4);
    r.messages = f.notFound;
    r.showSizes = f.showSizes;
    ItemInHand item;
    item.code = TrimText(list);
    item.flavourList = true;
    item.name = f.names.join(u'/');
    item.price = f.price;
    item.kitchen = kitchenOf(f.kitchen);
    r.item = item;
    return r;
}

void DeliveryItemEntry::chooseSize(ItemInHand& item, const QString& sizeEntry)
{
    if (item.flavourList) {
        item.price = m_flavours.entryPrice(item.code, true, sizeEntry, 4).price;
        return;
    }
    if (item.sized)
        item.price = item.sized->sizePrice(sizeEntry).value_or(item.sized->valor);
}

qint64 DeliveryItemEntry::confirm(qint64 orderId, const ItemInHand& item, const QString& quantityText,
                                  const QString& observation, const QDateTime& now)
{
    const std::optional<Decimal> quantity = delivery::readAmount(quantityText);
    if (!quantity || *quantity <= Decimal() || *quantity > Decimal(99999))
        throw DeliveryRefused(deliverytext::items::noQuantity);
    const Decimal unitPrice = item.price + item.extrasValue();
    const QString busca = (S("C") + item.code + S("Q") + FormatFloat(u"0", *quantity) + S("V")
                           + FormatFloat(u"0.00", item.price) + now.time().toString(S("hh:mm:ss"))).left(50);
    DeliveryOrders orders(m_logon);
    return m_logon.action([&] {
        orders.holdOrder(orderId);
        RowSet added = m_logon.run(S("insert into DELIITEM (ID, PEDIDO, NOME, CODIGO, QUANT, OBS, BUSCA, IMPRESSORA, "
                                     "VALOR) values (GEN_ID(DELIITEM,1), ?, ?, ?, ?, ?, ?, ?, ?) returning ID"),
                                   {QString::number(orderId), item.name, item.code, *quantity, observation, busca,
                                    item.kitchen.left(1), unitPrice});
        added.next();
        const qint64 id = added.integer(u"ID");
        for (const ItemExtra& e : item.extras)
            if (e.ticked)
                m_logon.run(S("insert into ACOMPDELI (ID, PRODUTO, CODIGO, IDMESA, QUANT) "
                              "values (GEN_ID(ACOMPDELI,1), ?, ?, ?, ?)"),
                            {e.produto, QString::number(id), id, e.valor.roundTo(0)});
        orders.writeTotal(orderId);
        return id;
    });
}
