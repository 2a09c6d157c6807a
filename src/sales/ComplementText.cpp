#include "sales/ComplementText.h"

#include "core/AmountReader.h"
#include "core/uMensagem.h"
#include "platform/Win1252.h"

std::optional<Decimal> complementValue(const QString& text)
{
    const std::optional<Decimal> d = readAmount(text, AmountRules::money().notNegative().upTo(Decimal::fromCents(9'999'999)));
    return d ? std::optional<Decimal>(d->roundTo(2)) : std::nullopt;
}

QString complementValueAtConfirm(const QString& typed)
{
    return complementValue(typed) ? TrimText(typed) : QStringLiteral("0");
}

QString complementTextOf(const QString& typed)
{
    QString kept;
    const QString upper = typed.toUpper();
    for (qsizetype i = 0; i < upper.size(); ++i) {
        // a character outside Windows-1252 (an emoji is two UTF-16 units) is left out
        const qsizetype n = upper[i].isHighSurrogate() && i + 1 < upper.size() ? 2 : 1;
        const QStringView ch = QStringView(upper).mid(i, n);
        if (fitsWin1252(ch) && !upper[i].isSurrogate())
            kept += ch;
        i += n - 1;
    }
    return TrimText(kept).left(35);
}
