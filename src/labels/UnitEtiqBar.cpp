#include "labels/UnitEtiqBar.h"

#include "reports/UnitVisaoRelatorio.h"

#include <algorithm>

using namespace report;

namespace {

constexpr int kColumns = 4;
constexpr double kBarcodeWidth = 161, kBarcodeHeight = 17;   // pixels

double mm(double pixels)
{
    return pixels * 25.4 / 96.0;
}

} // namespace

TFormEtiqBar::TFormEtiqBar(const LabelOptions& options, const LabelGeometry& g)
{
    m_def.title = QStringLiteral("Etiquetas Codigo de Barra");
    m_def.paper = options.a4 ? QPageSize::A4 : QPageSize::Letter;
    m_def.marginLeft = 12;
    m_def.marginRight = 5;
    m_def.marginTop = std::clamp(g.topMargin, 0, 100);
    m_def.marginBottom = 5;
    m_def.font.size = std::clamp(g.fontSize, 4, 30);
    m_def.printWhenEmpty = false;

    const double lineHeight = m_def.font.size * 25.4 / 72.0 * 1.25;
    const QString company = options.company.left(20);
    const double width = mm(kBarcodeWidth);
    Band& d = m_def.detail;
    d.height = mm(std::clamp(g.rowHeight, 1, 900));
    for (int k = 0; k < std::clamp(options.perRow, 1, kColumns); ++k) {
        const double x = mm(std::clamp(g.left[size_t(k)], 0, 1000));
        const QString code = QStringLiteral("Cod%1").arg(k + 1), name = QStringLiteral("Nom%1").arg(k + 1),
                      price = QStringLiteral("Cus%1").arg(k + 1);
        d.add(computed(x, 0, width, lineHeight, [company, code](const BandContext& c) {
            return textOf(c.value(code)).isEmpty() ? QString() : company;
        }));
        d.add(computed(x, lineHeight, width, lineHeight, [name](const BandContext& c) {
            return textOf(c.value(name)).left(30);
        }));
        d.add(computed(x, 2 * lineHeight, width, lineHeight, [code, price](const BandContext& c) {
            const QString codeText = textOf(c.value(code));
            return codeText.isEmpty() ? QString() : codeText + QLatin1Char(' ') + textOf(c.value(price));
        }));
        d.add(picture(x, 3 * lineHeight + 0.3, width, mm(kBarcodeHeight), [code](const BandContext& c) {
            return BarcodeLabels::barcodeOf(textOf(c.value(code)));
        }));
    }
}

void TFormEtiqBar::preview(const RowSet& rows) const
{
    report::preview(m_def, rows);
}
