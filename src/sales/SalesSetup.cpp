#include "sales/SalesSetup.h"

#include "cash/CashShift.h"
#include "core/FormatFloat.h"
#include "core/Globals.h"
#include "core/uMensagem.h"
#include "db/UnitLogon.h"
#include "sales/SalesMessages.h"

QString SalesSetup::loadOptions()
{
    RowSet rs = m_logon.run(QStringLiteral("select first 1 scc5, scc4, titulo from empresa"));
    if (!rs.first())
        return QStringLiteral("MESA");
    ctx::sales().SalesOptions = int(rs.integer(u"SCC5"));
    ctx::sales().ItemOptions = int(rs.integer(u"SCC4"));
    QString titulo = TrimText(rs.text(u"TITULO"));
    if (titulo.isEmpty()) {
        titulo = QStringLiteral("MESA");
        m_logon.run(QStringLiteral("update empresa set titulo = ?"), {titulo});
    }
    return titulo;
}

CashState SalesSetup::loadCashState()
{
    CashShift shift(m_logon);
    CashState s;
    s.number = shift.openNumber();
    s.date = shift.dateOf(s.number);
    ctx::sales().CashShiftNumber = s.number;
    ctx::sales().CashShiftDate = s.date;
    s.numberText = QStringLiteral("Caixa N. ") + FormatFloatLeftPadded(QStringLiteral("0000000"), 7, Decimal(s.number))
        + QStringLiteral("  ") + s.date;
    s.stateText = s.open() ? salesmsg::cashOpenLabel : salesmsg::cashClosedLabel;
    return s;
}
