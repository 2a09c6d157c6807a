#include "core/AmountReader.h"
#include "core/FormatFloat.h"

#include <QList>
#include <algorithm>
#include <QString>
#include <stdexcept>

namespace {

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// The digits of a whole part, grouped by points or not at all: with points, 1 to
// 3 digits, then groups of exactly 3 ("1.234.567"); nullopt otherwise.
std::optional<QString> groupedDigits(QStringView whole)
{
    if (!whole.contains(u'.'))
        return whole.toString();
    const QList<QStringView> groups = whole.split(u'.');
    if (groups.front().isEmpty() || groups.front().size() > 3)
        return std::nullopt;
    QString digits;
    for (qsizetype g = 0; g < groups.size(); ++g) {
        if (g > 0 && groups[g].size() != 3)
            return std::nullopt;
        digits += groups[g];
    }
    return digits;
}

struct Reading {
    AmountProblem problem = AmountProblem::None;
    Decimal value;
};

Reading read(QStringView typed, const AmountRules& rules)
{
    const QStringView text = typed.trimmed();
    if (text.isEmpty())
        return {AmountProblem::Empty, {}};
    qsizetype i = 0;
    bool negative = false;
    if (text[0] == u'+' || text[0] == u'-') {
        negative = text[0] == u'-';
        ++i;
    }
    QStringView body = text.mid(i);
    QStringView exponent;
    if (rules.exponent) {
        const qsizetype e = std::max(body.indexOf(u'e'), body.indexOf(u'E'));
        if (e >= 0) {
            exponent = body.mid(e + 1);
            body = body.left(e);
            const QStringView digits = exponent.startsWith(u'+') || exponent.startsWith(u'-') ? exponent.mid(1) : exponent;
            if (digits.isEmpty() || !std::all_of(digits.begin(), digits.end(), isDigit))
                return {AmountProblem::NotANumber, {}};
        }
    }
    if (body.isEmpty())
        return {AmountProblem::NotANumber, {}};
    for (QChar c : body)
        if (!isDigit(c) && c != u'.' && c != u',')
            return {AmountProblem::NotANumber, {}};

    // The whole part (points grouping it, or one point for the comma) and the fraction.
    QStringView whole = body, fraction;
    const qsizetype comma = body.indexOf(u',');
    if (comma >= 0) {
        whole = body.left(comma);
        fraction = body.mid(comma + 1);
        if (fraction.contains(u',') || fraction.contains(u'.'))
            return {AmountProblem::NotANumber, {}};
    } else if (rules.point && body.count(u'.') == 1) {
        const qsizetype point = body.indexOf(u'.');
        whole = body.left(point);
        fraction = body.mid(point + 1);
    } else if (body.contains(u'.')) {
        return {AmountProblem::NotANumber, {}};   // "1.234" alone could mean either: refused
    }
    if (whole.isEmpty() && fraction.isEmpty())
        return {AmountProblem::NotANumber, {}};
    const std::optional<QString> digits = groupedDigits(whole);
    if (!digits || (!rules.thousands && whole.contains(u'.')))
        return {AmountProblem::NotANumber, {}};

    QString canonical = *digits;
    if (!fraction.isEmpty() || comma >= 0)
        canonical += u',' + fraction.toString();
    if (!exponent.isEmpty())
        canonical += u'E' + exponent.toString();
    std::optional<Decimal> value;
    try {
        value = Decimal::parse(canonical);
    } catch (const std::overflow_error&) {
        return {AmountProblem::TooLarge, {}};
    }
    if (!value)
        return {AmountProblem::NotANumber, {}};
    if (rules.decimals >= 0 && value->roundTo(rules.decimals) != *value)
        return {AmountProblem::NotANumber, {}};
    if (*value > rules.limit)
        return {AmountProblem::TooLarge, {}};
    if (negative && !value->isZero()) {
        if (!rules.negative)
            return {AmountProblem::Negative, {}};
        value = -*value;
    }
    return {AmountProblem::None, *value};
}

} // namespace

std::optional<Decimal> readAmount(QStringView text, const AmountRules& rules)
{
    const Reading r = read(text, rules);
    if (r.problem != AmountProblem::None)
        return std::nullopt;
    return r.value;
}

AmountProblem amountProblem(QStringView text, const AmountRules& rules)
{
    return read(text, rules).problem;
}

QString amountText(const Decimal& amount)
{
    return FormatFloat(u"0.00", amount);
}

QString quantityText(const Decimal& quantity)
{
    return FormatFloat(u"0.###", quantity);
}

QString unitCostText(const Decimal& cost)
{
    return FormatFloat(u"0.00####", cost);
}
