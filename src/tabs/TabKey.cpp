#include "tabs/TabKey.h"
#include "core/WholeNumber.h"

#include "core/AmountReader.h"
#include "core/FormatFloat.h"
#include "core/uMensagem.h"
#include "platform/Win1252.h"
#include "registers/RegisterRules.h"

namespace tabs {

QString readTabKey(const QString& typed, const TabKeyRules& rules)
{
    if (rules.roundsDecimals) {
        const std::optional<Decimal> n = readAmount(typed, AmountRules::money().pointAsComma());
        return n ? FormatFloat(u"000000", *n) : typed;
    }
    QString t = TrimText(typed);
    if (rules.zeroNamesNothing && (t == QLatin1String("0") || t == QLatin1String("000000")))
        t.clear();
    if (t.isEmpty())
        return rules.emptyIsZero ? QStringLiteral("0") : QString();
    if (rules.upperCase)
        t = TrimText(t.toUpper());
    if (!rules.padShortOnly || t.size() < 6)
        t = registers::sixDigitCode(t);
    if (rules.plainKey) {
        if (t.startsWith(QLatin1String("(F)")))
            t = TrimText(t.mid(3, 10));
        t = TrimText(StripAccents(t));
    }
    return t;
}

bool storableTabKey(const QString& tab)
{
    return tab.size() <= 30 && fitsWin1252(tab);
}

bool isDeliveryTab(const QString& tab)
{
    const std::optional<qint64> n = readWhole(tab, WholeRules::upTo(std::numeric_limits<qint64>::max()));
    return n && *n > 1000000;
}

} // namespace tabs
