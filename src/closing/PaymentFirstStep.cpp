#include "closing/PaymentFirstStep.h"

#include "tabs/TabKey.h"
#include "closing/ClosingSettings.h"
#include "core/uMensagem.h"
#include "db/UnitLogon.h"

QString normaliseSwitch(const QString& typed)
{
    return typed.trimmed().toUpper() == QLatin1String("N") ? QStringLiteral("N") : QStringLiteral("S");
}


ChargeSwitches PaymentFirstStep::presets(const QString& typedTab)
{
    const QString tab = tabs::readTabKey(typedTab, tabs::TabKeyRules::paymentWindow());
    const ClosingSettings settings = ClosingSettings::load();
    ChargeSwitches s;
    RowSet rs;
    if (tabs::storableTabKey(tab))
        rs = m_logon.run(QStringLiteral("select first 1 STATUS, COUVER, TAXA from CABMESA where MESA = ?"), {tab});
    if (rs.next() && rs.integer(u"STATUS") == 1) {
        s.cover = rs.text(u"COUVER");
        s.service = rs.text(u"TAXA");
    } else {
        s.service = settings.servicePercent.roundTo(0).isZero() ? QStringLiteral("N") : QStringLiteral("S");
        s.cover = settings.coverPerPerson.roundTo(2).isZero() ? QStringLiteral("N") : QStringLiteral("S");
    }
    if (tabs::isDeliveryTab(tab))
        s.cover = s.service = QStringLiteral("N");
    const int itemOptions = int(integerOf(m_logon.scalar(QStringLiteral("select first 1 coalesce(SCC4, 0) from EMPRESA"))));
    s.locked = (itemOptions & 32) != 0;
    return s;
}

void PaymentFirstStep::tabChanged(const QString& tab, ChargeSwitches& s)
{
    const QString key = tabs::readTabKey(tab, tabs::TabKeyRules::paymentWindow());
    if (!tabs::storableTabKey(key))
        return;
    RowSet rs = m_logon.run(QStringLiteral("select first 1 STATUS, COUVER, TAXA from CABMESA where MESA = ?"), {key});
    if (rs.next() && rs.integer(u"STATUS") == 1) {
        s.cover = rs.text(u"COUVER");
        s.service = rs.text(u"TAXA");
    }
}

bool PaymentFirstStep::confirm(const QString& tab, const QString& cover, const QString& service)
{
    if (!tabs::storableTabKey(tabs::readTabKey(tab, tabs::TabKeyRules::paymentWindow())))
        return false;
    return m_logon.exec(QStringLiteral("update CABMESA set TAXA = ?, COUVER = ? where MESA = ?"),
                        {normaliseSwitch(service), normaliseSwitch(cover), tabs::readTabKey(tab, tabs::TabKeyRules::paymentWindow())}) > 0;
}
