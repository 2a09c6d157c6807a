#include "stock/UnitEstMin.h"

#include "reports/PageHeader.h"
#include "stock/StockPosition.h"
#include "stock/StockReports.h"

namespace {

StockReportWindow::Contents contents()
{
    namespace T = stockposition::text;
    StockReportWindow::Contents p;
    p.className = QStringLiteral("TFormEstMin");
    p.caption = T::minimumCaption;
    p.heading = T::minimumHeading;
    p.groupCaption = T::groupCaption;
    return p;
}

} // namespace

TFormEstMin::TFormEstMin(TLogon& logon, QWidget* parent)
    : StockReportWindow(logon, contents(), parent)
{
}

void TFormEstMin::makeReport()
{
    using namespace stockposition;
    // A group that is no code stands for all of them, as the list always read it.
    const RowSet rows = MinimumStock(logon()).rows(group(true));
    showReport(MinimumStock::report(report::companyRow(logon()), stockreports::printedAt()), rows);
}
