#include "cashoffice/ShiftRollLayout.h"

#include "cash/RollText.h"
#include "core/Globals.h"
#include "core/uMensagem.h"

namespace shiftroll {

QStringList header(const QString& title, int titleRule, const QString& cityLineTail)
{
    const ctx::Company& c = ctx::company();
    return {title, RepeatText(QStringLiteral("="), titleRule), c.CompanyName, c.CompanyAddress,
            c.CompanyCity + QStringLiteral(" Estado.:") + c.CompanyState + cityLineTail};
}

Printout compose(const QString& title, int titleRule, const QString& columns, const QStringList& rows,
                 const QString& totalLine, const QStringList& underHeader)
{
    const QString rule = RepeatText(QStringLiteral("="), kFrameRule);
    Printout p = roll::newPrintout();
    p.lines << header(title, titleRule) << underHeader << rule << columns << rule << rows << rule << totalLine;
    return p;
}

} // namespace shiftroll
