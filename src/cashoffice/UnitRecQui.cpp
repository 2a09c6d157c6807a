#include "cashoffice/UnitRecQui.h"

#include "reports/CompanyBlock.h"
#include "reports/ReportForm.h"
#include "reports/UnitVisaoRelatorio.h"

using namespace report;

TFormRecQui::TFormRecQui(TLogon& logon, const ExpenseVoucher& v, const QDate& today)
{
    const RowSet empresa = companyRow(logon);
    auto company = [&](const char* column) { return companyValue(empresa, column); };
    Band& h = titledForm(m_def, {.title = QStringLiteral("COMPROVANTE DE DESPESAS"), .fontSize = 10,
                                 .headerHeight = 120, .titleSize = 14, .titleHeight = 9});
    m_def.printWhenEmpty = true;
    h.add(label(0, 14, 28, 6, QStringLiteral("EMPRESA")).bold());
    h.add(label(30, 14, 120, 6, company("EMPRESA")));
    h.add(label(150, 14, 45, 6, today.toString(QStringLiteral("dd/MM/yyyy"))).right());
    h.add(label(0, 20, 28, 6, QStringLiteral("ENDEREÇO")).bold());
    h.add(label(30, 20, 165, 6, company("ENDERECO")));
    h.add(label(0, 26, 28, 6, QStringLiteral("CIDADE")).bold());
    h.add(label(30, 26, 60, 6, company("CIDADE")));
    h.add(label(92, 26, 18, 6, QStringLiteral("ESTADO")).bold());
    h.add(label(110, 26, 12, 6, company("ESTADO")));
    h.add(label(124, 26, 14, 6, QStringLiteral("CNPJ")).bold());
    h.add(label(138, 26, 57, 6, company("CNPJ")));
    h.add(rule(0, 34, 195));

    struct Line { const char* caption; QString value; bool right; };
    const Line lines[] = {{"Caixa", v.caixa, false}, {"Data", v.data, false},
                          {"Historico", v.historico, false}, {"Valor", v.valor.trimmed(), true}};
    double y = 40;
    for (const Line& l : lines) {
        h.add(label(0, y, 28, 7, QString::fromLatin1(l.caption)).withFont(11, true));
        Item value = label(30, y, 120, 7, l.value).withFont(11);
        if (l.right)
            value.right();
        h.add(value);
        y += 9;
    }
    h.add(rule(120, 104, 75));
    h.add(label(120, 105, 75, 6, QStringLiteral("Gerência")).center());
}

void TFormRecQui::preview() const
{
    const RowSet none;
    report::preview(m_def, none);
}
