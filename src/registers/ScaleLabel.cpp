#include "registers/ScaleLabel.h"
#include "core/WholeNumber.h"

#include "core/FormatFloat.h"
#include "core/uMensagem.h"

QString scaleQuantityText(const Decimal& weight)
{
    return FormatFloatLeftPadded(QStringLiteral("#0.000"), 8, weight);
}

namespace {

// The product code (padded to six digits when a number) and the value of a label
// whose code takes `codeLength` characters from the second one.
struct LabelFields {
    QString product;
    qint64 value = 0;
};
std::optional<LabelFields> labelFields(const QString& code, int codeLength)
{
    const QString t = TrimText(code);
    if (t.size() != 13 || t[0] != u'2')
        return std::nullopt;
    const std::optional<qint64> value = readWhole(t.mid(7, 5));
    if (!value || *value < 0)
        return std::nullopt;
    QString product = t.mid(1, codeLength);
    if (const std::optional<qint64> n = readWhole(product))
        product = FormatFloat(u"000000", Decimal(*n));
    return LabelFields{product, *value};
}

} // namespace

std::optional<ScaleLabel> parseScaleLabel(const QString& code)
{
    const std::optional<LabelFields> f = labelFields(code, 6);
    if (!f)
        return std::nullopt;
    return ScaleLabel{f->product, Decimal::fromThousandths(f->value)};
}

std::optional<PriceLabel> parsePriceLabel(const QString& code)
{
    const std::optional<LabelFields> f = labelFields(code, 4);
    if (!f)
        return std::nullopt;
    return PriceLabel{f->product, Decimal::fromCents(f->value)};
}

std::optional<Decimal> priceLabelQuantity(const Decimal& amount, const Decimal& price)
{
    if (!(price > Decimal()))
        return std::nullopt;
    return (amount / price).roundTo(3);
}
