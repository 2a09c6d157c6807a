#pragma once
// The opening the portrait page reports share: the title, the paper and the body's
// font size, and a page header that begins with the title, bold and centred across
// the body (12 points on a line 8 mm high). The caller fills the header from 10 mm
// down: the company block, captions, column titles.
//
//   Band& h = report::titledForm(m_def, {.title = S("RELATÓRIO DE VENDA"), .headerHeight = 50,
//                                        .firstPageOnly = true});
//   report::companyBlock(h, 10, report::companyRow(logon));
#include "reports/PageReport.h"

#include <QPageSize>
#include <QString>

class TLogon;

namespace report {

struct Form {
    QString title;
    QPageSize::PageSizeId paper = QPageSize::Letter;
    double fontSize = 9;           // the body's, in points
    double headerHeight = 0;       // mm
    bool firstPageOnly = false;    // the page header on the first page only
    double titleSize = 12;         // the title's, in points
    double titleHeight = 8;        // the title's line, mm
};

// Sets the definition up as the form says and gives its page header.
Band& titledForm(Definition& def, const Form& form);

// The single company row the report headers print: "Select * from empresa".
RowSet companyRow(TLogon& logon);

} // namespace report
