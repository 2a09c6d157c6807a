#include "platform/Win1252.h"

namespace {

// Code points of bytes 0x80 to 0x9F.
constexpr char16_t kHigh[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 98-9F
};

// The byte for a code point, or -1 when Windows-1252 has none.
int byteFor(char32_t cp)
{
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
        return int(cp);
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] == cp)
            return 0x80 + i;
    return -1;
}

} // namespace

QByteArray toWin1252(QStringView s, bool* lossless)
{
    QByteArray out;
    out.reserve(s.size());
    bool ok = true;
    for (qsizetype i = 0; i < s.size(); ++i) {
        char32_t cp = s[i].unicode();
        // A surrogate pair is one character and becomes one '?'.
        if (QChar::isHighSurrogate(cp) && i + 1 < s.size() && s[i + 1].isLowSurrogate()) {
            cp = QChar::surrogateToUcs4(s[i], s[i + 1]);
            ++i;
        }
        const int b = byteFor(cp);
        if (b < 0)
            ok = false;
        out += char(b < 0 ? '?' : b);
    }
    if (lossless)
        *lossless = ok;
    return out;
}

QString fromWin1252(QByteArrayView bytes)
{
    QString out(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        out[i] = QChar(b >= 0x80 && b < 0xA0 ? kHigh[b - 0x80] : char16_t(b));
    }
    return out;
}

bool fitsWin1252(QStringView s)
{
    bool ok = false;
    toWin1252(s, &ok);
    return ok;
}
