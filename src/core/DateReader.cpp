#include "core/DateReader.h"

#include <optional>

namespace {

// Nothing but blanks, the mask's placeholders and its separators.
bool blank(QStringView s)
{
    for (const QChar c : s)
        if (c > u' ' && c != u'_' && c != u'/')
            return false;
    return true;
}

// d/m/y as the stations have always typed it (the short date format dd/mm/yy):
// blanks around the parts, day and month of 1 or 2 digits, a year of 1, 2 or 4
// digits (up to two digits: 00-49 is 2000-2049, 50-99 is 1950-1999); without the
// year the current one is taken. A mask placeholder left among the digits ("12/03/2_")
// is a date not typed whole.
std::optional<QDate> scan(QStringView s)
{
    qsizetype i = 0;
    auto blanks = [&] {
        while (i < s.size() && s[i] <= u' ')
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

} // namespace

TypedDate readDate(QStringView text)
{
    if (blank(text))
        return {};
    if (const std::optional<QDate> d = scan(text))
        return {TypedDate::Kind::Date, *d};
    return {TypedDate::Kind::NoDate, QDate()};
}

QString notADateText(const QString& text)
{
    return QStringLiteral("'%1' não é uma data válida").arg(text);
}
