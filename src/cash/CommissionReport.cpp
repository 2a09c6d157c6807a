#include "cash/CommissionReport.h"

#include "cash/RollText.h"
#include "core/AmountReader.h"
#include "core/FormatFloat.h"
#include "core/Globals.h"
#include "core/LineAmount.h"
#include "core/uMensagem.h"
#include "registers/ReportChoices.h"

#include <map>

QStringList CommissionReport::waiters() const
{
    return choices::items(choices::waiters(m_logon), {5, QStringLiteral(" "), QString()});
}

QStringList CommissionReport::groups() const
{
    return choices::items(choices::groups(m_logon), choices::waiterGroups);
}

int CommissionReport::waiterCode(const QString& waiterText)
{
    return choices::codeOf(waiterText, 5).value_or(1);
}

int CommissionReport::groupCode(const QString& groupText)
{
    return choices::codeOf(groupText, choices::waiterGroups.digits).value_or(0);
}

std::optional<Decimal> CommissionReport::percent(const QString& text)
{
    return readAmount(text, AmountRules::percent());
}

std::vector<ShiftSales> CommissionReport::shifts(const QString& firstShift, const QString& lastShift,
                                                 const QString& waiterText, const QString& groupText) const
{
    QString sql = QStringLiteral(
        "select estfic.*,produtos.classe from estfic left join produtos on estfic.codigo = produtos.codigo "
        "where (estfic.Caixa between ? and ?) and estfic.vendedor = ? and estfic.NFISCAL > 0");
    Params params{roll::shiftNumber(firstShift), roll::shiftNumber(lastShift), waiterCode(waiterText)};
    const int group = groupCode(groupText);
    if (group != 0) {
        sql += QStringLiteral(" and produtos.classe = ?");
        params.append(group);
    }
    sql += QStringLiteral(" order by estfic.id");
    RowSet rs = m_logon.run(sql, params);
    std::map<qint64, ShiftSales> byShift;
    while (rs.next()) {
        ShiftSales& s = byShift[rs.integer(u"CAIXA")];
        s.caixa = rs.integer(u"CAIXA");
        s.data = rs.date(u"DATA");
        s.valor += rs.decimal(u"SAIDA") * rs.decimal(u"VALOR");
    }
    std::vector<ShiftSales> list;
    for (auto& [caixa, s] : byShift) {
        s.valor = lineAmount(s.valor);   // a shift's line to the cent: the totals add it as printed
        list.push_back(s);
    }
    return list;
}

Decimal CommissionReport::commission(const Decimal& total, const QString& percentText)
{
    const std::optional<Decimal> p = percent(percentText);
    return p ? (*p * total / Decimal(100)) : Decimal();
}

Printout CommissionReport::roll(const std::vector<ShiftSales>& shifts, const QString& waiterText,
                                const QString& percentText)
{
    const ctx::Company& c = ctx::company();
    const QString rule = RepeatText(QStringLiteral("="), 34);
    Printout p = roll::newPrintout();
    p.lines << QStringLiteral("RECIBO DE COMISSAO") << rule << c.CompanyName << c.CompanyAddress
            << c.CompanyCity + QStringLiteral(" Estado.:") + c.CompanyState << QStringLiteral("Func.:") + waiterText
            << rule << QStringLiteral("Data      Caixa             Valor") << rule;
    Decimal total;
    for (const ShiftSales& s : shifts) {
        p.lines << PadRight(s.data.toString(QStringLiteral("dd/MM/yy")) + QStringLiteral("  ")
                                + QString::number(s.caixa),
                            22)
                       + FormatFloatLeftPadded(QStringLiteral("0.00"), 11, s.valor);
        total += s.valor;
    }
    p.lines << rule << QString(22, QLatin1Char(' ')) + FormatFloatLeftPadded(QStringLiteral("#,##0.00"), 11, total)
            << PadRight(QStringLiteral("Comissao ") + percentText, 22)
                   + FormatFloatLeftPadded(QStringLiteral("#,##0.00"), 11, commission(total, percentText))
            << QStringLiteral(" ") << QStringLiteral(" ") << RepeatText(QStringLiteral("-"), 25) << waiterText;
    return p;
}
