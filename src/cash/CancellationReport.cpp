#include "cash/CancellationReport.h"

#include "cash/RollText.h"
#include "core/Globals.h"
#include "core/uMensagem.h"

RowSet CancellationReport::rows(const QString& shiftText) const
{
    return m_logon.run(QStringLiteral("select * from LOG where caixa = ?"), {roll::shiftNumber(shiftText)});
}

Printout CancellationReport::roll(const RowSet& rows)
{
    const ctx::Company& c = ctx::company();
    const QString rule = RepeatText(QStringLiteral("="), 38);
    Printout p = roll::newPrintout();
    p.lines << QStringLiteral("Relatório de Itens Cancelados") << RepeatText(QStringLiteral("="), 29) << c.CompanyName
            << c.CompanyAddress << c.CompanyCity + QStringLiteral(" Estado.:") + c.CompanyState << rule
            << QStringLiteral("Caixa/Data     Operador/Mesa/Motivo") << rule;
    for (int i = 0; i < rows.size(); ++i) {
        const QString caixa = textOf(rows.value(i, u"CAIXA"));
        const QString hora = textOf(rows.value(i, u"HORA")).left(14);
        const QString operador = textOf(rows.value(i, u"OPERADOR"));
        const QString motivo = textOf(rows.value(i, u"MOTIVO"));
        p.lines << PadRight(caixa + QLatin1Char('/') + hora, 17) + PadRight(operador + QLatin1Char('/') + motivo, 22);
    }
    p.lines << rule;
    return p;
}
