#include "stock/UnitVenda.h"

#include "reports/PageHeader.h"
#include "stock/ProductLists.h"
#include "stock/StockReports.h"

namespace {

StockReportWindow::Contents contents()
{
    namespace T = productlists::text;
    StockReportWindow::Contents p;
    p.className = QStringLiteral("TFormVenda");
    p.caption = T::pricesCaption;
    p.heading = T::pricesCaption;
    p.groupCaption = T::pricesGroupCaption;
    p.progress = false;
    return p;
}

} // namespace

TFormVenda::TFormVenda(TLogon& logon, QWidget* parent)
    : StockReportWindow(logon, contents(), parent)
{
}

void TFormVenda::makeReport()
{
    using namespace productlists;
    const RowSet rows = ProductLists(logon()).rows(Kind::Prices, group(false));
    showReport(ProductLists::report(Kind::Prices, report::companyRow(logon()), stockreports::printedAt()), rows);
}
