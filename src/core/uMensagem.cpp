#include "core/uMensagem.h"

#include "core/FormatFloat.h"
#include "core/WholeNumber.h"

#include <QHash>

#include <algorithm>
#include <climits>

QStringView trimmedView(QStringView s)
{
    qsizetype b = 0;
    qsizetype e = s.size();
    while (b < e && s[b] <= u' ')
        ++b;
    while (e > b && s[e - 1] <= u' ')
        --e;
    return s.mid(b, e - b);
}

QString TrimText(const QString& s)
{
    const QStringView t = trimmedView(s);
    return t.size() == s.size() ? s : t.toString();
}

QString readText(const QString& text)
{
    QString t = TrimText(text);
    for (QChar& c : t)
        if (c < u' ' || c == QChar(0x7F))
            c = u' ';
    return t;
}

namespace {

// Delphi's Copy(s, 1, n): a negative count gives an empty text.
QString leftPart(const QString& s, qsizetype n)
{
    return s.left(std::max<qsizetype>(n, 0));
}

} // namespace

namespace {

// A number of an item line's text; ConversionError when it is none or too large.
Decimal numberOf(const QString& text)
{
    try {
        if (const auto d = Decimal::parse(text))
            return *d;
    } catch (const std::overflow_error&) {
        throw ConversionError(QStringLiteral("'%1' é um valor grande demais").arg(text));
    }
    throw ConversionError(QStringLiteral("'%1' não é um valor numérico válido").arg(text));
}

// The quantity of an item line: fractionMask when it has a fractional part, else wholeMask.
QString quantityText(const QString& quantity, const QString& fractionMask, const QString& wholeMask)
{
    const Decimal q = numberOf(quantity);
    return FormatFloat(q.isWhole() ? wholeMask : fractionMask, q);
}

} // namespace

ConversionError::ConversionError(const QString& message)
    : std::runtime_error(message.toStdString())
{
}

QString FormatFloatLeftPadded(const QString& mask, int width, const Decimal& value)
{
    const QString s = FormatFloat(mask, value);
    const qsizetype pad = std::clamp<qsizetype>(width - s.size(), 0, 19);
    return QString(pad, u' ') + s;
}

QString PadRight(const QString& text, int width)
{
    return leftPart(text + QString(150, u' '), width);
}

QString RepeatText(const QString& text, int count)
{
    return count > 0 ? text.repeated(count) : QString();
}

QString FormatItemLine(const QString& description, const QString& value)
{
    const QString v = TrimText(value);
    return leftPart(PadRight(TrimText(description), 34), 34 - v.size()) + QStringLiteral("  ") + v;
}

QString FormatQuantityItemLine(const QString& description, const QString& quantity,
                               const QString& unitPrice, const QString& total)
{
    const QString desc = TrimText(description);
    const QString price = FormatFloatLeftPadded(QStringLiteral("0.00"), 7, numberOf(unitPrice));
    const QString tot = FormatFloatLeftPadded(QStringLiteral("0.00"), 8, numberOf(total));
    const QString tail = quantityText(TrimText(quantity), QStringLiteral("0.###"), QStringLiteral("0")) + price + tot;
    return leftPart(PadRight(desc, 34), 34 - tail.size()) + QStringLiteral("  ") + tail;
}

QString FormatQuantityItemLine2(const QString& description, const QString& quantity,
                                const QString& /*ignored*/, const QString& total)
{
    const QString desc = TrimText(description);
    const QString tot = FormatFloatLeftPadded(QStringLiteral("0.00"), 8, numberOf(total));
    const QString tail = quantityText(TrimText(quantity), QStringLiteral("0.###"), QStringLiteral("0")) + tot;
    return leftPart(PadRight(desc, 34), 34 - tail.size()) + QStringLiteral("  ") + tail;
}

QString FormatKitchenLine(const QString& name, const QString& quantity,
                          const QString& unitValue, const QString& total)
{
    const QString n = leftPart(TrimText(name) + QString(21, u' '), 30);
    const QString unit = TrimText(unitValue);
    const QString tot = TrimText(total);
    QString qty = quantityText(TrimText(quantity), QStringLiteral("0.000"), QStringLiteral("00000"));
    const qsizetype measure = unit.size() + 2 + tot.size();
    QString tail = unit + QStringLiteral("  ") + tot;
    if (qty == u"04321") { // the code 4321 marks an addition: no total on its line
        tail = unit;
        qty = QStringLiteral("ADIC ");
    }
    return qty + u' ' + leftPart(PadRight(n, 30), 30 - measure) + QStringLiteral("  ") + tail;
}

QString FormatQuantityPriceLine(const QString& description, const QString& quantity,
                                const QString& price, const QString& total)
{
    const QString desc = leftPart(TrimText(description) + QString(21, u' '), 30);
    const QString tail = quantityText(TrimText(quantity), QStringLiteral("0.#"), QStringLiteral("0"))
                         + u'x' + TrimText(price) + u'=' + TrimText(total);
    return leftPart(PadRight(desc, 36), 36 - tail.size()) + QStringLiteral("  ") + tail;
}

QString IsValidNumber(const QString& text)
{
    try {
        return Decimal::parse(text) ? QStringLiteral("S") : QStringLiteral("N");
    } catch (const std::overflow_error&) {
        return QStringLiteral("S");   // a number, only too large to compute with
    }
}

int DatePart(int selector, const QDate& date)
{
    switch (selector) {
    case 1: return date.day();
    case 2: return date.month();
    case 3: return date.year();
    default: return -1;
    }
}

int TimeToMinutes(const QString& timeText)
{
    const auto hours = readInt(QStringView(timeText).left(2));
    const auto minutes = readInt(QStringView(timeText).mid(3, 2));
    return hours && minutes ? *hours * 60 + *minutes : 0;
}

QString OpenDurationText(int minutes)
{
    const int hours = minutes < 0 ? 0 : minutes / 60;
    const int rest = minutes < 0 ? minutes : minutes % 60;
    return QStringLiteral("Aberta a %1 horas e %2 minutos").arg(hours).arg(rest);
}

QString NowAsText()
{
    return NowAsText(QDateTime::currentDateTime());
}

QString NowAsText(const QDateTime& now)
{
    return now.toString(QStringLiteral("dd.MM.yyyy hh:mm"));
}

QString RightsBitSet(int mask, int bit)
{
    // Taken apart from the highest bit down, as the users register has always done.
    bool set = false;
    int rest = mask;
    for (int p = 32768; p >= 2; p /= 2) {
        if (rest >= p) {
            rest -= p;
            if (bit == p)
                set = true;
        }
    }
    if (rest == 1 && bit == 1)
        set = true;
    return set ? QStringLiteral("S") : QStringLiteral("N");
}

QString PrinterChoiceCode(const QString& choice)
{
    static const QHash<QString, QString> codes = {
        {"0", "VI"},   {"12", "VI"},  {"1", "SM1"},  {"2", "SM2"},  {"13", "SM3"}, {"14", "SM4"},
        {"3", "S1"},   {"4", "S2"},   {"5", "S3"},   {"6", "S4"},   {"7", "S5"},   {"8", "S6"},
        {"9", "S7"},   {"10", "JT"},  {"11", "JT"},  {"15", "MSP"},
    };
    return codes.value(choice, QStringLiteral("VI"));
}

QString StripAccents(const QString& text)
{
    static const QString from = QStringLiteral("àáâãäåçèéêëìíîïñòóôõöùüúÿÀÁÂÃÄÅÇÈÉÊËÌÍÎÏÑÒÓÔÕÖÙÜÚ'");
    static const QString to = QStringLiteral("aaaaaaceeeeiiiinooooouuuyAAAAAACEEEEIIIINOOOOOUUU.");
    QString out = text;
    for (QChar& c : out) {
        const qsizetype k = from.indexOf(c);
        if (k >= 0)
            c = to[k];
    }
    return out;
}

QString UpperAZ(const QString& text)
{
    QString out = text;
    for (QChar& c : out)
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - u'a' + u'A');
    return out;
}

void DistributeGridColumns(int extra, int totalSize, const QList<int>& sizes, QList<int>& widths,
                           int outerWidth, int textWidthOfAAAAAA)
{
    if (totalSize != 0) {
        for (qsizetype i = 0; i < widths.size() && i < sizes.size(); ++i)
            widths[i] += int(qint64(extra) * sizes[i] / totalSize);
    } else if (!widths.isEmpty()) {
        const int each = (outerWidth - textWidthOfAAAAAA) / int(widths.size());
        std::fill(widths.begin(), widths.end(), each);
    }
}
