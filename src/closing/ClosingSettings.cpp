#include "closing/ClosingSettings.h"
#include "core/WholeNumber.h"

#include "core/AmountReader.h"
#include "core/uMensagem.h"
#include "platform/LineFile.h"
#include "platform/StationPaths.h"
#include "printing/SetComSettings.h"

#include <optional>

namespace {

std::optional<LineFile> loadFile(const char* name)
{
    try {
        return LineFile::load(station::path(QString::fromLatin1(name)));
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

Decimal number(const QString& text, const AmountRules& rules = AmountRules::money())
{
    return readAmount(text, rules).value_or(Decimal());
}

} // namespace

QString settingsLine(const char* windowsName, int line)
{
    const auto f = loadFile(windowsName);
    return f ? f->line(line) : QString();
}

ClosingSettings ClosingSettings::load()
{
    ClosingSettings s;
    if (const auto f = loadFile(kMinimum))
        s.minimumConsumption = number(f->line(0));
    if (const auto f = loadFile(kSetup)) {
        s.serviceCaption = f->line(0);
        s.servicePercent = number(f->line(1), SetComSettings::servicePercentRules());
        s.coverPerPerson = number(f->line(2), SetComSettings::coverChargeRules());
        s.printPreBill = f->line(3).trimmed() == QLatin1String("S");
        s.printReceipt = f->line(6).trimmed() == QLatin1String("S");
        s.feedLines = readInt(f->line(9)).value_or(7);
        s.coverCaption = f->line(22);
    }
    s.fontSize = SetComSettings::receiptFontSize();
    if (const auto f = loadFile(kMessages)) {
        s.hasMessageFile = true;
        for (int i = 0; i < 5; ++i)
            s.messageLines << f->line(i);
    }
    if (const auto f = loadFile(kPreBillRequired))
        s.preBillRequired = f->line(0).trimmed() == QLatin1String("S");
    return s;
}
