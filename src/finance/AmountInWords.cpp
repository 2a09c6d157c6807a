#include "finance/AmountInWords.h"

#include <array>
#include <cstdint>
#include <vector>

namespace words {

namespace {

const std::array<const char*, 20> kUnits = {
    "zero", "um", "dois", "três", "quatro", "cinco", "seis", "sete", "oito", "nove",
    "dez", "onze", "doze", "treze", "quatorze", "quinze", "dezesseis", "dezessete", "dezoito", "dezenove"};
const std::array<const char*, 10> kTens = {
    "", "", "vinte", "trinta", "quarenta", "cinquenta", "sessenta", "setenta", "oitenta", "noventa"};
const std::array<const char*, 10> kHundreds = {
    "", "cento", "duzentos", "trezentos", "quatrocentos", "quinhentos", "seiscentos", "setecentos",
    "oitocentos", "novecentos"};

QString u8(const char* s) { return QString::fromUtf8(s); }

// 1 to 999.
QString below1000(int n)
{
    if (n == 100)
        return QStringLiteral("cem");
    QStringList parts;
    if (n >= 100)
        parts << u8(kHundreds[size_t(n / 100)]);
    const int rest = n % 100;
    if (rest >= 20) {
        parts << u8(kTens[size_t(rest / 10)]);
        if (rest % 10)
            parts << u8(kUnits[size_t(rest % 10)]);
    } else if (rest > 0) {
        parts << u8(kUnits[size_t(rest)]);
    }
    return parts.join(QStringLiteral(" e "));
}

struct Scale { const char* one; const char* many; };
// Groups of three digits from the lowest: units, thousands, millions, billions...
const std::array<Scale, 5> kScales = {{
    {"", ""}, {"mil", "mil"}, {"milhão", "milhões"}, {"bilhão", "bilhões"}, {"trilhão", "trilhões"}}};

// A whole number of units in words ("mil e um", "dois milhões").
QString wholeInWords(std::int64_t n)
{
    if (n == 0)
        return u8(kUnits[0]);
    std::vector<int> groups;   // lowest first
    for (std::int64_t rest = n; rest > 0; rest /= 1000)
        groups.push_back(int(rest % 1000));
    int lastNonZero = 0;       // the lowest group that is not zero
    while (groups[size_t(lastNonZero)] == 0)
        ++lastNonZero;

    QString text;
    for (int g = int(groups.size()) - 1; g >= 0; --g) {
        const int value = groups[size_t(g)];
        if (value == 0)
            continue;
        QString part;
        if (g == 1 && value == 1)
            part = u8(kScales[1].one);   // "mil", never "um mil"
        else {
            part = below1000(value);
            if (g > 0)
                part += QLatin1Char(' ') + u8(value == 1 ? kScales[size_t(g)].one : kScales[size_t(g)].many);
        }
        if (!text.isEmpty()) {
            // The last group joins with "e" when it is below a hundred or a whole hundred.
            const bool joinWithE = g == lastNonZero && (value < 100 || value % 100 == 0);
            text += joinWithE ? QStringLiteral(" e ") : QStringLiteral(" ");
        }
        text += part;
    }
    return text;
}

} // namespace

QString amountInWords(const Decimal& amount)
{
    const std::int64_t cents = amount.abs().cents();
    const std::int64_t units = cents / 100;
    const int fraction = int(cents % 100);

    QString text;
    if (units > 0 || fraction == 0) {
        text = wholeInWords(units);
        // "um milhão de reais": a whole million or more with nothing below the millions
        const bool ofReais = units >= 1000000 && units % 1000000 == 0;
        text += ofReais ? QStringLiteral(" de reais") : units == 1 ? QStringLiteral(" real") : QStringLiteral(" reais");
    }
    if (fraction > 0) {
        if (!text.isEmpty())
            text += QStringLiteral(" e ");
        text += below1000(fraction) + (fraction == 1 ? QStringLiteral(" centavo") : QStringLiteral(" centavos"));
    }
    if (amount.isNegative() && cents > 0)
        text = QStringLiteral("menos ") + text;
    return text;
}

QStringList wrapWords(const QString& text, int width)
{
    QStringList lines;
    QString line;
    for (QString word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        while (word.size() > width) {
            if (!line.isEmpty()) {
                lines << line;
                line.clear();
            }
            lines << word.left(width);
            word = word.mid(width);
        }
        if (line.isEmpty())
            line = word;
        else if (line.size() + 1 + word.size() <= width)
            line += QLatin1Char(' ') + word;
        else {
            lines << line;
            line = word;
        }
    }
    if (!line.isEmpty())
        lines << line;
    return lines;
}

} // namespace words
