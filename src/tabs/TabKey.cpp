#include "tabs/TabKey.h"

#include "core/uMensagem.h"
#include "platform/Win1252.h"

QString paymentTabKey(const QString& typed)
{
    const QString t = typed.trimmed();
    if (t.isEmpty())
        return QStringLiteral("0");
    bool ok = false;
    const qlonglong n = t.toLongLong(&ok);
    if (ok && n >= 0 && !t.startsWith(QLatin1Char('+')))
        return QStringLiteral("%1").arg(n, 6, 10, QLatin1Char('0'));
    return t;
}

bool storableTabKey(const QString& tab)
{
    return tab.size() <= 30 && fitsWin1252(tab);
}

bool isDeliveryTab(const QString& tab)
{
    bool ok = false;
    const qlonglong n = tab.trimmed().toLongLong(&ok);
    return ok && n > 1000000;
}

namespace tabs {

QString normalizeTabCode(const QString& text)
{
    if (const auto n = TextToInt(text))
        return QStringLiteral("%1").arg(*n, 6, 10, QLatin1Char('0'));
    return TrimText(text);
}

} // namespace tabs
