#include "labels/UnitMalaDirQui.h"

#include "reports/UnitVisaoRelatorio.h"

using namespace report;

TFormMalaDirQui::TFormMalaDirQui(int heightPixels, int topMargin)
{
    m_def.title = QStringLiteral("Mala Direta / Etiquetas");
    m_def.paper = QPageSize::A4;
    m_def.marginTop = topMargin;
    m_def.font.size = 9;
    m_def.printWhenEmpty = true;
    Band& d = m_def.detail;
    d.height = heightPixels * 25.4 / 96.0;
    d.add(field(0, 0, 100, 4.5, QStringLiteral("Nome")));
    d.add(field(0, 4.5, 100, 4.5, QStringLiteral("Historico")));
    d.add(field(0, 9, 60, 4.5, QStringLiteral("Classe")));
    d.add(field(62, 9, 12, 4.5, QStringLiteral("Unidade")));
    d.add(field(0, 13.5, 60, 4.5, QStringLiteral("Duplicata")));
}

void TFormMalaDirQui::preview(const RowSet& labels) const
{
    report::preview(m_def, labels);
}
