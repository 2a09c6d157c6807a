#include "sales/CounterEntry.h"
#include "core/WholeNumber.h"

#include "core/AmountReader.h"
#include "core/FormatFloat.h"
#include "core/uMensagem.h"
#include "db/UnitLogon.h"
#include "registers/MultiFlavour.h"
#include "platform/Win1252.h"
#include "sales/CounterClosing.h"
#include "sales/ItemEntry.h"

#include <cmath>

namespace {

QString padded(const QString& code)
{
    const QString t = code.trimmed();
    if (t.size() < 6)
        if (const auto n = readWhole(t); n && *n >= 0)
            return FormatFloat(u"000000", Decimal(*n));
    return t;
}


} // namespace

std::optional<CounterCode> CounterEntry::product(const QString& code, bool promotion)
{
    if (code.isEmpty() || code.size() > 14)
        return std::nullopt;
    const auto p = ItemEntry(m_logon).findProduct(code);
    if (!p)
        return std::nullopt;
    CounterCode c;
    c.kind = CounterCode::Kind::Found;
    c.code = p->codigo;
    c.name = p->nome.left(30);
    c.price = amountText(p->price(promotion));
    c.kitchen = p->clas.isEmpty() ? QStringLiteral("0") : p->clas;
    c.hasSizes = p->hasSizes;
    if (c.hasSizes) {
        RowSet rs = m_logon.run(QStringLiteral("select first 1 VFAMILIA, VALOR, VGRANDE, VPEQUENA, PESO from PRODUTOS "
                                               "where CODIGO = ? order by ID"), {code});
        if (rs.next())
            for (const char16_t* column : {u"VFAMILIA", u"VALOR", u"VGRANDE", u"VPEQUENA", u"PESO"})
                c.sizePrices.push_back(rs.decimal(column));
    }
    return c;
}

std::optional<CounterCode> CounterEntry::kit(const QString& code)
{
    if (code.isEmpty() || code.size() > 10)
        return std::nullopt;
    RowSet rs = m_logon.run(QStringLiteral("select first 1 CODIGO, NOME, VALOT, IMPFISCAL from KITMASTER "
                                           "where CODIGO = ? order by ID"), {code});
    if (!rs.next())
        return std::nullopt;
    CounterCode c;
    c.kind = CounterCode::Kind::Found;
    c.code = QStringLiteral("*") + rs.text(u"CODIGO").trimmed();
    c.name = rs.text(u"NOME").left(30);
    c.price = amountText(rs.decimal(u"VALOT"));
    const auto k = readInt(rs.text(u"IMPFISCAL"));
    c.kitchen = k && *k >= 0 && *k <= 5 ? QString::number(*k) : QStringLiteral("0");
    return c;
}

CounterCode CounterEntry::handle(const QString& typed, bool promotion)
{
    CounterCode out;
    const QString code = typed.trimmed();
    if (code.isEmpty())
        return out;
    if (!fitsWin1252(code)) {   // no product can have such a code
        out.kind = CounterCode::Kind::NotFound;
        out.messages << countermsg::productNotFound();
        return out;
    }
    if (code == QLatin1String("/")) {
        out.kind = CounterCode::Kind::FlavourDialog;
        return out;
    }
    if (code == QLatin1String("0")) {
        out.kind = CounterCode::Kind::Search;
        return out;
    }
    // The counter scale label: the product and the amount to charge.
    if (const auto label = parseCounterScaleLabel(code)) {
        if (auto found = product(label->code, promotion)) {
            const auto price = readAmount(found->price);
            if (label->amount && price)
                if (const auto q = counterScaleQuantity(*label->amount, *price))
                    found->quantity = *q;
            return *found;
        }
        out.kind = CounterCode::Kind::NotFound;
        out.code = label->code;
        out.messages << countermsg::productNotFound();
        return out;
    }
    const QString working = padded(code);
    if (working.startsWith(QLatin1Char('/'))) {
        // Flavours: each looked up; the first is priced at its price and the others
        // at 0 (the counter page shows no sizes), averaged or the highest.
        const std::array<QString, 4> parts = splitFlavours(working, LastFlavour::TakenAsItStands);
        std::array<Decimal, 4> prices;
        bool any = false;
        QString kitchen = QStringLiteral("0");
        for (size_t i = 0; i < parts.size(); ++i) {
            const QString& f = parts[i];
            if (f.isEmpty())
                continue;
            if (f.startsWith(QLatin1Char('*')) && f.size() > 1) {
                if (!kit(f.mid(1, 15).trimmed()))
                    out.messages << countermsg::flavourNotFound(f);
                continue;
            }
            const auto p = product(padded(f), false);
            if (!p) {
                out.messages << countermsg::flavourNotFound(f);
                continue;
            }
            any = true;
            kitchen = p->kitchen;
            if (i == 0)
                prices[0] = readAmount(p->price).value_or(Decimal());
        }
        if (!any) {
            out.kind = CounterCode::Kind::NotFound;
            out.code = working;
            return out;
        }
        out.kind = CounterCode::Kind::Found;
        out.code = working;
        out.price = amountText(flavourItemPrice(prices, (m_itemOptions & 64) != 0));
        out.kitchen = kitchen;
        return out;
    }
    if (working.startsWith(QLatin1Char('*')) && working.size() > 1 && !product(working, promotion)) {
        if (auto k = kit(working.mid(1, 20).trimmed()))
            return *k;
        out.kind = CounterCode::Kind::NotFound;
        out.code = working;
        out.messages << countermsg::kitNotFound();
        return out;
    }
    if (auto p = product(working, promotion))
        return *p;
    out.kind = CounterCode::Kind::NotFound;
    out.code = working;
    out.messages << countermsg::productNotFound();
    return out;
}

CounterConfirm CounterEntry::build(const CounterDraft& d, const QString& saleKey, bool ticketsPerUnit)
{
    CounterConfirm out;
    const QString code = d.code.trimmed();
    if (code.isEmpty()) {
        out.message = countermsg::productNotSelected();
        return out;
    }
    const auto price = readAmount(d.price);
    const auto quantity = readAmount(d.quantity, AmountRules::quantity());
    const Decimal extra = readAmount(d.complementValue).value_or(Decimal());
    if (!price || price->isNegative() || !quantity || quantity->isZero() || quantity->isNegative()
        || *quantity > Decimal(100000) || *price > Decimal(10000000)) {
        out.message = countermsg::invalidNumber();
        return out;
    }
    QString kitchen = d.kitchen.trimmed();
    const auto k = readInt(kitchen);
    kitchen = k && *k >= 0 && *k <= 5 ? QString::number(*k) : QStringLiteral("0");
    CounterItem item;
    item.code = code;
    item.quantity = *quantity;
    item.price = (*price + extra).roundTo(2);
    item.saleKey = saleKey;
    item.kitchen = kitchen;
    item.complement = d.complement;
    item.name = d.hasSizes ? d.sizeText.mid(1, 14).trimmed() + QLatin1Char('-') + d.name : d.name;
    if (ticketsPerUnit)
        out.tickets = int(quantity->roundTo(0).cents() / 100);
    if (kitchen != QLatin1String("0")) {
        const QString name = d.hasSizes ? d.sizeText.mid(1, 15).trimmed() + QLatin1Char('-') + d.name : d.name;
        out.kitchenLine = CounterKitchenLine{counterKitchenText(*quantity, name), d.complement, kitchen, code,
                                             *quantity};
    }
    out.item = std::move(item);
    out.added = true;
    return out;
}

QStringList CounterEntry::sizeEntries()
{
    QStringList out;
    RowSet rs = m_logon.run(QStringLiteral("select MOEDA, LOCAL from MOEDA order by MOEDA"));
    while (rs.next())
        out << QString::number(rs.integer(u"MOEDA")) + QLatin1Char(' ') + rs.text(u"LOCAL");
    return out;
}

std::optional<Decimal> CounterEntry::sizePrice(const CounterCode& code, const QString& sizeEntry)
{
    if (sizeEntry.isEmpty())
        return std::nullopt;
    const int k = sizeEntry[0].unicode() - u'1';
    if (k < 0 || k >= int(code.sizePrices.size()))
        return std::nullopt;
    return code.sizePrices[size_t(k)];
}
