#pragma once
// What the back office's A4 reports share: the page header (the bold title, the
// company block under it with the date of printing, the page "Página N de M" at
// the top right), column titles between two rules, and the choice every report
// window offers between the preview and printing at once.
#include "reports/CompanyBlock.h"
#include "reports/PageReport.h"
#include "reports/ReportForm.h"

#include <QSizeF>
#include <QString>
#include <utility>
#include <vector>

class TLogon;

namespace report {

// Portrait on `paper`, 9 points: the title in bold, "EMPRESA" .. "CNPJ" under it
// and, when `printed` is given, "DATA" with it; the page number at the top right.
// Returns where the header's free space starts (mm): the caller adds its own lines
// from there and sets the header's height.
double backOfficeHeader(Definition& def, const QString& title, const RowSet& empresa,
                        const QString& printed = QString(), QPageSize::PageSizeId paper = QPageSize::Letter);

// A column of a report: its left edge and width in mm, aligned right or not.
struct Column {
    double x = 0, width = 0;
    bool right = false;
};
// An item placed in a column (a field, a sum, a label), aligned as the column is.
Item placed(Item item, const Column& column, double y = 0, double height = 5);

// How a row of column titles stands: the titles' height and how far below the
// rule over them the rule under them lies (mm).
struct TitleRow {
    double height = 5;
    double ruleBelow = 6.5;
};
// Column titles in bold between two rules, from `top` of the band; the band grows
// to hold them.
void columnTitles(Band& band, double top, const std::vector<std::pair<Column, QString>>& titles, double width,
                  TitleRow row = {});

// A column of a listing: its title over a field of the rows, shown by the number mask.
struct ListColumn {
    QString title, field;
    Column at;
    QString mask = {};
};
// The listing's column titles on every page and its detail line, one field a column.
void listColumns(Definition& def, const std::vector<ListColumn>& columns, double lineHeight = 5);
// The same with the titles on `band` (the page header of a report that shows them
// on its first page only) from `top`, between rules `width` long, standing as `row`
// says; a column without a field has its title only, its value left to the caller.
void titledColumns(Definition& def, Band& band, double top, const std::vector<ListColumn>& columns, double width,
                   TitleRow row, double lineHeight = 5);
// The sum of a column in bold, placed in its column `y` mm down its band.
Item total(const QString& field, const Column& at, const QString& mask, double y);

// The report in the preview, or printed at once on the station's printer (the one
// the last printout chose, the default printer before any). Printing throws
// std::runtime_error when the printer takes no job.
void previewOrPrint(const Definition& def, const RowSet& rows, bool preview);

} // namespace report
