#include "core/SpreadsheetCell.h"

namespace {

// A minus followed by nothing but digits, thousands points and at most one decimal
// comma, a digit first: a number a spreadsheet reads as a number and can run nothing.
bool negativeNumber(const QString& v)
{
    if (v.size() < 2 || v[0] != u'-' || v[1] < u'0' || v[1] > u'9')
        return false;
    bool comma = false;
    for (qsizetype i = 2; i < v.size(); ++i) {
        const QChar c = v[i];
        if (c >= u'0' && c <= u'9')
            continue;
        if (c == u'.' && !comma)
            continue;
        if (c == u',' && !comma) {
            comma = true;
            continue;
        }
        return false;
    }
    return true;
}

// A value a spreadsheet would take for a formula (or a command) when it begins the cell.
// Blanks before it count for nothing: a spreadsheet may drop them and run " =1+1".
bool startsAFormula(const QString& value)
{
    qsizetype first = 0;
    while (first < value.size() && value[first] == u' ')
        ++first;
    const QString v = value.mid(first);
    if (v.isEmpty())
        return false;
    switch (v[0].unicode()) {
    case u'=': case u'+': case u'@': case u'\t': case u'\r':
        return true;
    case u'-':
        return !negativeNumber(v);
    default:
        return false;
    }
}

} // namespace

QString spreadsheetCell(const QString& value)
{
    const QString text = startsAFormula(value) ? QLatin1Char('\'') + value : value;
    if (!text.contains(QLatin1Char(';')) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\n'))
        && !text.contains(QLatin1Char('\r')))
        return text;
    QString t = text;
    t.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + t + QLatin1Char('"');
}
