#include "stock/UnitListGeral.h"

#include "reports/PageHeader.h"
#include "stock/ProductLists.h"
#include "stock/StockReports.h"

namespace {

StockReportWindow::Contents contents()
{
    namespace T = productlists::text;
    StockReportWindow::Contents p;
    p.className = QStringLiteral("TFormListGeral");
    p.caption = T::productsCaption;
    p.heading = T::productsHeading;
    p.groupCaption = T::productsGroupCaption;
    p.progress = false;
    p.staysOpen = true;
    return p;
}

} // namespace

TFormListGeral::TFormListGeral(TLogon& logon, QWidget* parent)
    : StockReportWindow(logon, contents(), parent)
{
}

void TFormListGeral::makeReport()
{
    using namespace productlists;
    const RowSet rows = ProductLists(logon()).rows(Kind::Products, group(false));
    showReport(ProductLists::report(Kind::Products, report::companyRow(logon()), stockreports::printedAt()), rows);
}
