#include "core/FormatFloat.h"

#include <QList>

#include <algorithm>
#include <climits>

namespace {

struct Token {
    enum Kind { Literal, Digit, Point } kind;
    QString text; // literal text only
};

// One section of a mask, scanned as Delphi does: digit placeholders are counted
// and the first '0' before the point / last '0' after it fix the digits that
// always print.
struct Section {
    QList<Token> tokens;
    bool grouping = false;
    int intSlots = 0;  // placeholders before the decimal point
    int fracSlots = 0; // placeholders after it
    int reqInt = 0;    // integer digits always printed (leading zeros)
    int reqFrac = 0;   // decimals always printed (trailing zeros)
};

bool isQuote(QChar c) { return c == u'\'' || c == u'"'; }

// Splits on ';' outside quotes; only the first three sections count.
QList<QStringView> splitSections(QStringView mask)
{
    QList<QStringView> sections;
    qsizetype start = 0;
    for (qsizetype i = 0; i < mask.size() && sections.size() < 2; ++i) {
        if (isQuote(mask[i])) {
            const qsizetype close = mask.indexOf(mask[i], i + 1);
            i = close < 0 ? mask.size() : close;
        } else if (mask[i] == u';') {
            sections.append(mask.mid(start, i - start));
            start = i + 1;
        }
    }
    QStringView last = mask.mid(start);
    if (sections.size() == 2) {
        // Cut the zero section at a further ';' (outside quotes).
        for (qsizetype i = 0; i < last.size(); ++i) {
            if (isQuote(last[i])) {
                const qsizetype close = last.indexOf(last[i], i + 1);
                i = close < 0 ? last.size() : close;
            } else if (last[i] == u';') {
                last = last.left(i);
                break;
            }
        }
    }
    sections.append(last);
    return sections;
}

Section scan(QStringView s)
{
    Section sec;
    int digitCount = 0;
    int firstZero = INT_MAX;
    int lastZero = 0;
    int decimalIndex = -1;
    for (qsizetype i = 0; i < s.size(); ++i) {
        const QChar c = s[i];
        if (c == u'#' || c == u'0') {
            if (c == u'0') {
                firstZero = std::min(firstZero, digitCount);
                lastZero = digitCount + 1;
            }
            ++digitCount;
            sec.tokens.append(Token{Token::Digit, {}});
        } else if (c == u'.') {
            if (decimalIndex < 0) {
                decimalIndex = digitCount;
                sec.tokens.append(Token{Token::Point, {}});
            }
        } else if (c == u',') {
            sec.grouping = true;
        } else if (isQuote(c)) {
            qsizetype close = s.indexOf(c, i + 1);
            if (close < 0)
                close = s.size();
            sec.tokens.append(Token{Token::Literal, s.mid(i + 1, close - i - 1).toString()});
            i = close;
        } else {
            sec.tokens.append(Token{Token::Literal, QString(c)});
        }
    }
    if (decimalIndex < 0)
        decimalIndex = digitCount;
    sec.intSlots = decimalIndex;
    sec.fracSlots = digitCount - decimalIndex;
    sec.reqInt = decimalIndex - std::min(firstZero, decimalIndex);
    sec.reqFrac = std::max(lastZero, decimalIndex) - decimalIndex;
    return sec;
}

// Every significant digit, as Delphi's general format does for an empty mask.
QString generalFormat(const Decimal& v, QChar decimalSeparator)
{
    QString s = v.toString();
    s.replace(u'.', decimalSeparator);
    return s;
}

} // namespace

QString FormatFloat(QStringView mask, const Decimal& value, QChar decimalSeparator, QChar thousandSeparator)
{
    const QList<QStringView> sections = splitSections(mask);
    int index = value.isZero() ? 2 : value.isNegative() ? 1 : 0;
    if (index >= sections.size() || sections[index].isEmpty())
        index = 0;
    if (sections[index].isEmpty())
        return generalFormat(value, decimalSeparator);

    const Section sec = scan(sections[index]);
    const Decimal rounded = value.abs().roundTo(sec.fracSlots);

    QString intDigits = rounded.truncToInt() == 0 ? QString() : QString::number(rounded.truncToInt());
    if (intDigits.size() < sec.reqInt)
        intDigits = intDigits.rightJustified(sec.reqInt, u'0');

    QString frac = QString::number(rounded.raw() % Decimal::kOne).rightJustified(Decimal::kScale, u'0');
    frac = frac.leftJustified(sec.fracSlots, u'0', true);
    while (frac.size() > sec.reqFrac && frac.endsWith(u'0'))
        frac.chop(1);

    // Only the first section prints a minus; the negative section carries its own.
    const bool minus = index == 0 && value.isNegative() && !rounded.isZero();
    const bool hasDigits = sec.intSlots + sec.fracSlots > 0;

    QString out;
    bool started = false;
    auto start = [&] {
        if (!started && minus)
            out += u'-';
        started = true;
    };
    const qsizetype len = intDigits.size();
    // Integer digit at position pos, counted from the right, with its group mark.
    auto putInt = [&](qsizetype pos) {
        out += intDigits[len - 1 - pos];
        if (sec.grouping && pos > 0 && pos % 3 == 0)
            out += thousandSeparator;
    };

    int intIndex = 0;
    int fracIndex = 0;
    for (const Token& t : sec.tokens) {
        switch (t.kind) {
        case Token::Literal:
            out += t.text;
            break;
        case Token::Point:
            if (!hasDigits)
                break;
            start();
            if (sec.intSlots == 0) // no integer placeholder: the integer digits go here
                for (qsizetype pos = len - 1; pos >= 0; --pos)
                    putInt(pos);
            if (!frac.isEmpty())
                out += decimalSeparator;
            break;
        case Token::Digit:
            if (intIndex < sec.intSlots) {
                const int slot = sec.intSlots - 1 - intIndex; // position from the right
                if (intIndex++ == 0) {
                    // The first placeholder also takes the digits the mask has no room for.
                    start();
                    for (qsizetype pos = len - 1; pos >= slot; --pos)
                        putInt(pos);
                } else if (slot < len) {
                    putInt(slot);
                }
            } else {
                if (fracIndex < frac.size())
                    out += frac[fracIndex];
                ++fracIndex;
            }
            break;
        }
    }
    return out;
}
