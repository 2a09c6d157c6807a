#include "registers/ScaleLabel.h"

#include "core/FormatFloat.h"
#include "core/uMensagem.h"

QString scaleQuantityText(const Decimal& weight)
{
    return FormatFloatLeftPadded(QStringLiteral("#0.000"), 8, weight);
}

std::optional<ScaleLabel> parseScaleLabel(const QString& code)
{
    const QString t = TrimText(code);
    if (t.size() != 13 || t[0] != u'2')
        return std::nullopt;
    const std::optional<qint64> weight = wholeNumber(t.mid(7, 5));
    if (!weight || *weight < 0)
        return std::nullopt;
    QString product = t.mid(1, 6);
    if (const std::optional<qint64> n = wholeNumber(product))
        product = FormatFloat(u"000000", Decimal(*n));
    return ScaleLabel{product, Decimal::fromThousandths(*weight)};
}
