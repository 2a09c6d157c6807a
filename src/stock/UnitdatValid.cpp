#include "stock/UnitdatValid.h"

#include "printing/RoutePrintout.h"
#include "reports/PageHeader.h"
#include "stock/ExpiryReport.h"
#include "stock/StockReports.h"

namespace {

StockReportWindow::Contents contents()
{
    namespace T = expiry::text;
    StockReportWindow::Contents p;
    p.className = QStringLiteral("TFormDatValid");
    p.caption = T::caption;
    p.heading = T::heading;
    p.dayCaption = T::dayCaption;
    p.layoutCaption = T::kindCaption;
    p.rollCaption = T::roll;
    p.pageCaption = T::page;
    p.returnCaption = QStringLiteral("&Retornar");
    return p;
}

} // namespace

TFormDatValid::TFormDatValid(TLogon& logon, QWidget* parent)
    : StockReportWindow(logon, contents(), parent)
{
}

void TFormDatValid::makeReport()
{
    using namespace expiry;
    const QDate chosen = day();
    const RowSet rows = ExpiryReport(logon()).rows(chosen);
    if (roll()) {
        walk(rows);
        setProgress(100);
        RoutePreviewOnly(ExpiryReport::roll(rows));
    } else {
        showReport(ExpiryReport::report(report::companyRow(logon()), stockreports::printedAt()), rows);
    }
}
