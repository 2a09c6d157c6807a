#include "reports/PageHeader.h"

#include "db/UnitLogon.h"
#include "printing/RoutePrintout.h"
#include "reports/ReportRenderer.h"
#include "reports/UnitVisaoRelatorio.h"

#include <algorithm>

namespace report {

double backOfficeHeader(Definition& def, const QString& title, const RowSet& empresa, const QString& printed,
                        QPageSize::PageSizeId paper)
{
    def.title = title;
    def.paper = paper;
    def.landscape = false;
    def.font.size = 9;
    def.printWhenEmpty = true;
    const double w = def.bodySize().width();
    Band& h = def.pageHeader;
    h.add(label(0, 0, w - 45, 8, title.trimmed()).withFont(12, true));
    h.add(pageNumber(w - 45, 0, 45, 6).right());
    std::vector<Captioned> lines = companyLines(empresa);
    if (!printed.isEmpty())
        lines.push_back({QStringLiteral("DATA"), printed});
    addCaptionedLines(h, 10, lines);
    return 10 + 5.0 * double(lines.size()) + 1;
}

Item placed(Item item, const Column& column, double y, double height)
{
    item.x = column.x;
    item.y = y;
    item.width = column.width;
    item.height = height;
    if (column.right)
        item.right();
    return item;
}

void columnTitles(Band& band, double top, const std::vector<std::pair<Column, QString>>& titles, double width,
                  TitleRow row)
{
    band.add(rule(0, top, width));
    for (const auto& [column, text] : titles)
        band.add(placed(label(0, 0, 0, 0, text).bold(), column, top + 1, row.height));
    band.add(rule(0, top + row.ruleBelow, width));
    band.height = std::max(band.height, top + row.ruleBelow + 1);
}

void titledColumns(Definition& def, Band& band, double top, const std::vector<ListColumn>& columns, double width,
                   TitleRow row, double lineHeight)
{
    std::vector<std::pair<Column, QString>> titles;
    def.detail.height = lineHeight;
    for (const ListColumn& c : columns) {
        titles.push_back({c.at, c.title});
        if (!c.field.isEmpty())
            def.detail.add(placed(field(0, 0, 0, 0, c.field).mask(c.mask), c.at, 0, lineHeight));
    }
    columnTitles(band, top, titles, width, row);
}

void listColumns(Definition& def, const std::vector<ListColumn>& columns, double lineHeight)
{
    titledColumns(def, def.columnHeader, 0, columns, def.bodySize().width(), {}, lineHeight);
}

Item total(const QString& field, const Column& at, const QString& mask, double y)
{
    return placed(sum(0, 0, 0, 0, field).mask(mask).bold(), at, y);
}

void previewOrPrint(const Definition& def, const RowSet& rows, bool preview)
{
    if (preview) {
        report::preview(def, rows);
        return;
    }
    printOn(Layout(def, rows), CurrentPrinterName());
}

} // namespace report
