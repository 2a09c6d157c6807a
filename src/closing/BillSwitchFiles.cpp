#include "closing/BillSwitchFiles.h"

#include "closing/ClosingSettings.h"
#include "core/AmountReader.h"
#include "platform/LineFile.h"
#include "platform/StationPaths.h"

namespace {
void saveLine(const char* name, const QString& text)
{
    LineFile::save(station::pathForWriting(QString::fromLatin1(name)), {text});
}
bool fileExists(const char* name) { return station::exists(QString::fromLatin1(name)); }
} // namespace

namespace billswitch {

QString withDecimalComma(const QString& typed)
{
    QString t = typed;
    t.replace(QLatin1Char('.'), QLatin1Char(','));
    return t;
}

QString minimumText()
{
    const QString line = settingsLine(ClosingSettings::kMinimum, 0).trimmed();
    return readAmount(line, AmountRules::money().pointAsComma()) ? line : QStringLiteral("0");
}

QString saveMinimum(const QString& typed)
{
    const auto amount = readAmount(typed, AmountRules::money().pointAsComma());
    const QString text = amount && !amount->isNegative() ? typed.trimmed() : QStringLiteral("0");
    saveLine(ClosingSettings::kMinimum, withDecimalComma(text));
    return withDecimalComma(text);
}

QString preBillRequiredText()
{
    if (!fileExists(ClosingSettings::kPreBillRequired))
        return QStringLiteral("S");
    return settingsLine(ClosingSettings::kPreBillRequired, 0).trimmed() == QLatin1String("S") ? QStringLiteral("S")
                                                                                              : QStringLiteral("N");
}

QString savePreBillRequired(const QString& typed)
{
    const QString text = typed.trimmed().toUpper() == QLatin1String("N") ? QStringLiteral("N") : QStringLiteral("S");
    saveLine(ClosingSettings::kPreBillRequired, text);
    return text;
}

} // namespace billswitch
