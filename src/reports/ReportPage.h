#pragma once
// What the page reports of the sales and account reports share: the company row
// they print, a page header with the title, the company block and the date, the
// column titles between rules, and the preview or the direct print a window asks for.
#include "reports/CompanyBlock.h"
#include "reports/PageReport.h"

#include <QDate>
#include <QSizeF>
#include <QString>
#include <vector>

class TLogon;

namespace reportpage {

// "Select * from empresa" (report::companyRow).
RowSet company(TLogon& logon);

// "CIDADE" with the city followed by " - " and the state, in place of two lines.
std::vector<report::Captioned> companyWithCityState(const RowSet& empresa);

// A portrait report on `paper` whose page header holds the bold title, the
// captioned lines under it and `dated` at the top right; returns where the header's
// free space starts (mm). Captions the caller adds go from there; it then sets
// the header's height.
double start(report::Definition& def, QPageSize::PageSizeId paper, const QString& title,
             const std::vector<report::Captioned>& lines, const QString& dated);

// One column title or band item position: x and width in mm, right-aligned or not.
struct Column {
    double x = 0, width = 0;
    bool right = false;
};
// Titles between two rules, from `top` of `band`; the band grows to hold them.
void titles(report::Band& band, double top, const std::vector<std::pair<Column, QString>>& columns,
            double width);

// A column of a listing: its title over a field of the rows (or a fixed text),
// with the field's number mask; `total`: its sum under it in the summary.
struct ListColumn {
    QString title = {};
    QString column = {};   // "": `fixed` on every line
    Column at = {};
    QString mask = {};
    bool total = false;
    QString fixed = {};
};

// A listing whole: start()'s header with `caption` under the lines, the column
// titles between rules on every page, one line per row, and a summary with a rule,
// `totalCaption` at `totalAt` and the totals of the columns that ask for one.
void listing(report::Definition& def, QPageSize::PageSizeId paper, const QString& title,
             const std::vector<report::Captioned>& lines, const QString& dated, const QString& caption,
             const std::vector<ListColumn>& columns, const QString& totalCaption, const Column& totalAt);

// The report's printable width in mm.
inline double widthOf(const report::Definition& def) { return def.bodySize().width(); }

// Shows the report in the preview, or prints it on the default printer when
// `preview` is false (std::runtime_error when the printer takes no job).
void show(const report::Definition& def, const RowSet& rows, bool preview = true);

} // namespace reportpage
