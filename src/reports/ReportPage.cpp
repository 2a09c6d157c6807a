#include "reports/ReportPage.h"

#include "db/UnitLogon.h"
#include "reports/ReportForm.h"
#include "reports/ReportRenderer.h"
#include "reports/UnitVisaoRelatorio.h"

using namespace report;

namespace reportpage {

RowSet company(TLogon& logon)
{
    return companyRow(logon);
}

std::vector<Captioned> companyWithCityState(const RowSet& empresa)
{
    return {{QStringLiteral("EMPRESA"), companyValue(empresa, "EMPRESA")},
            {QStringLiteral("ENDEREÇO"), companyValue(empresa, "ENDERECO")},
            {QStringLiteral("CIDADE"), companyValue(empresa, "CIDADE") + QStringLiteral(" - ")
                                           + companyValue(empresa, "ESTADO")},
            {QStringLiteral("CNPJ"), companyValue(empresa, "CNPJ")}};
}

double start(Definition& def, QPageSize::PageSizeId paper, const QString& title,
             const std::vector<Captioned>& lines, const QString& dated)
{
    def.title = title;
    def.paper = paper;
    def.font.size = 9;
    def.printWhenEmpty = true;
    const double w = widthOf(def);
    Band& h = def.pageHeader;
    h.add(label(0, 0, w - 45, 8, title).withFont(12, true));
    h.add(label(w - 45, 0, 45, 6, dated).right());
    addCaptionedLines(h, 10, lines);
    return 10 + 5.0 * double(lines.size()) + 1;
}

void titles(Band& band, double top, const std::vector<std::pair<Column, QString>>& columns, double width)
{
    band.add(rule(0, top, width));
    for (const auto& [c, text] : columns) {
        Item i = label(c.x, top + 1, c.width, 5, text).bold();
        if (c.right)
            i.right();
        band.add(i);
    }
    band.add(rule(0, top + 6.5, width));
    band.height = std::max(band.height, top + 7.5);
}

void listing(Definition& def, QPageSize::PageSizeId paper, const QString& title, const std::vector<Captioned>& lines,
             const QString& dated, const QString& caption, const std::vector<ListColumn>& columns,
             const QString& totalCaption, const Column& totalAt)
{
    const double y = start(def, paper, title, lines, dated);
    const double w = widthOf(def);
    def.pageHeader.add(label(0, y, w, 5, caption));
    def.pageHeader.height = y + 6;
    std::vector<std::pair<Column, QString>> heads;
    Band& d = def.detail;
    Band& s = def.summary;
    d.height = 5;
    s.height = 8;
    s.add(rule(0, 0.5, w));
    Item totalLabel = label(totalAt.x, 1.5, totalAt.width, 5, totalCaption).bold();
    if (totalAt.right)
        totalLabel.right();
    s.add(totalLabel);
    for (const ListColumn& c : columns) {
        heads.push_back({c.at, c.title});
        Item i = c.column.isEmpty() ? label(c.at.x, 0, c.at.width, 5, c.fixed) : field(c.at.x, 0, c.at.width, 5, c.column);
        i.mask(c.mask);
        if (c.at.right)
            i.right();
        d.add(i);
        if (c.total)
            s.add(sum(c.at.x, 1.5, c.at.width, 5, c.column).mask(c.mask).right().bold());
    }
    titles(def.columnHeader, 0, heads, w);
}

void show(const Definition& def, const RowSet& rows, bool preview)
{
    if (preview) {
        report::preview(def, rows);
        return;
    }
    const Layout layout(def, rows);
    printOn(layout, QString());
}

} // namespace reportpage
