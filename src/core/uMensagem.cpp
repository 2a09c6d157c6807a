#include "core/uMensagem.h"

#include "core/FormatFloat.h"

#include <QHash>

#include <algorithm>
#include <climits>

QString TrimText(const QString& s)
{
    qsizetype b = 0;
    qsizetype e = s.size();
    while (b < e && s[b] <= u' ')
        ++b;
    while (e > b && s[e - 1] <= u' ')
        --e;
    return s.mid(b, e - b);
}

namespace {

// Delphi's Copy(s, 1, n): a negative count gives an empty text.
QString leftPart(const QString& s, qsizetype n)
{
    return s.left(std::max<qsizetype>(n, 0));
}

// Integer text as Delphi's StrToInt reads it: leading blanks, optional sign,
// decimal digits or a '$' / '0x' hexadecimal prefix; nothing after.
} // namespace

std::optional<int> TextToInt(QStringView s)
{
    qsizetype i = 0;
    while (i < s.size() && s[i] == u' ')
        ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == u'+' || s[i] == u'-'))
        negative = s[i++] == u'-';
    int base = 10;
    if (i < s.size() && s[i] == u'$') {
        base = 16;
        ++i;
    } else if (i + 1 < s.size() && s[i] == u'0' && (s[i + 1] == u'x' || s[i + 1] == u'X')) {
        base = 16;
        i += 2;
    }
    if (i == s.size())
        return std::nullopt;
    long long v = 0;
    for (; i < s.size(); ++i) {
        const char16_t c = s[i].toLower().unicode();
        int d;
        if (c >= u'0' && c <= u'9')
            d = c - u'0';
        else if (base == 16 && c >= u'a' && c <= u'f')
            d = c - u'a' + 10;
        else
            return std::nullopt;
        v = v * base + d;
        if (v > 0x80000000LL)
            return std::nullopt;
    }
    v = negative ? -v : v;
    if (v > INT_MAX || v < INT_MIN)
        return std::nullopt;
    return int(v);
}

std::optional<qint64> wholeNumber(const QString& text)
{
    const QString t = TrimText(text);
    if (t.isEmpty() || t.size() > 18)
        return std::nullopt;
    for (qsizetype i = 0; i < t.size(); ++i)
        if (!t[i].isDigit() && !(i == 0 && t[i] == u'-'))
            return std::nullopt;
    bool ok = false;
    const qint64 v = t.toLongLong(&ok);
    return ok ? std::optional<qint64>(v) : std::nullopt;
}

namespace {

// Reads d/m/y the way StrToDate does under the "dd/mm/yy" short format:
// blanks allowed around the parts, day and month of 1 or 2 digits, year of 1,
// 2 or 4 digits (up to two digits: 00-49 is 2000-2049, 50-99 is 1950-1999);
// without the year the current one is taken.
std::optional<QDate> scanDate(QStringView s)
{
    qsizetype i = 0;
    auto blanks = [&] {
        while (i < s.size() && s[i] == u' ')
            ++i;
    };
    auto number = [&](int& value, int& digits) {
        blanks();
        value = 0;
        digits = 0;
        for (; i < s.size() && s[i] >= u'0' && s[i] <= u'9' && digits < 5; ++i, ++digits)
            value = value * 10 + (s[i].unicode() - u'0');
        return digits > 0;
    };
    auto separator = [&] {
        blanks();
        if (i < s.size() && s[i] == u'/') {
            ++i;
            return true;
        }
        return false;
    };

    int day, month, year, dd, md, yd;
    if (!number(day, dd) || dd > 2 || !separator() || !number(month, md) || md > 2)
        return std::nullopt;
    if (separator()) {
        if (!number(year, yd) || yd == 3 || yd > 4)
            return std::nullopt;
        if (yd <= 2)
            year += year < 50 ? 2000 : 1900;
    } else {
        year = QDate::currentDate().year();
    }
    blanks();
    if (i != s.size())
        return std::nullopt;
    const QDate date(year, month, day);
    if (!date.isValid())
        return std::nullopt;
    return date;
}

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

QDate TextToDate(const QString& text)
{
    if (const auto d = scanDate(text))
        return *d;
    throw ConversionError(QStringLiteral("'%1' não é uma data válida").arg(text));
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

QString IsValidDate(const QString& text)
{
    return scanDate(text) ? QStringLiteral("S") : QStringLiteral("N");
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
    const auto hours = TextToInt(QStringView(timeText).left(2));
    const auto minutes = TextToInt(QStringView(timeText).mid(3, 2));
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
