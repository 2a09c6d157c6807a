#include "cash/RollText.h"
#include "core/WholeNumber.h"

#include "core/uMensagem.h"
#include "printing/SetComSettings.h"
#include "platform/StationPaths.h"

namespace roll {

namespace {
constexpr int kDefaultFontSize = 7;
constexpr int kDefaultFeedLines = 7;
constexpr int kFeedLine = 9;
} // namespace

int cupomFontSize()
{
    try {
        if (const auto cupom = LineFile::load(station::path(u"c:\\Miltrex\\Trezo\\Cupom.INI")))
            if (const auto f = readInt(cupom->line(10)))
                return *f;
    } catch (const std::runtime_error&) {
    }
    return kDefaultFontSize;
}

Printout newPrintout()
{
    Printout p;
    p.fontSize = SetComSettings::receiptFontSize();
    return p;
}

LineFile setup()
{
    try {
        const auto file = LineFile::load(station::path(QString::fromLatin1(SetComSettings::kSetupFile)));
        return file ? *file : LineFile();
    } catch (const std::runtime_error&) {
        return LineFile();
    }
}

int feedLines(const LineFile& setup)
{
    const std::optional<int> n = readInt(setup.line(kFeedLine));
    if (!n)
        return kDefaultFeedLines;
    return *n > 0 ? *n : 0;
}

int shiftNumber(const QString& text)
{
    const std::optional<int> n = readInt(text);
    return n ? *n : 0;
}

} // namespace roll
