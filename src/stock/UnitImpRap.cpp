#include "stock/UnitImpRap.h"

#include "reports/PageHeader.h"
#include "stock/StockPosition.h"
#include "stock/StockReports.h"

namespace {

StockReportWindow::Contents contents()
{
    namespace T = stockposition::text;
    StockReportWindow::Contents p;
    p.className = QStringLiteral("TFormImpRap");
    p.caption = T::currentCaption;
    p.heading = T::currentHeading;
    p.groupCaption = T::currentGroupCaption;
    p.output = true;
    p.costCaption = T::costCaption;
    p.priceCaption = T::priceCaption;
    p.allCaption = T::allProducts;
    p.stockOnlyCaption = T::onlyWithStock;
    p.waiting = true;
    return p;
}

} // namespace

TFormImpRap::TFormImpRap(TLogon& logon, QWidget* parent)
    : StockReportWindow(logon, contents(), parent)
{
}

void TFormImpRap::makeReport()
{
    using namespace stockposition;
    const int chosen = group(false);
    CurrentStock current(logon());
    // Whatever group is chosen, and whether the report is then printed or not.
    current.clearStoredColumns();
    const Value value = cost() ? Value::Cost : Value::Price;
    const RowSet rows = current.rows(chosen, value, stockOnly());
    showReport(CurrentStock::report(value, report::companyRow(logon()), stockreports::printedAt()), rows);
}
