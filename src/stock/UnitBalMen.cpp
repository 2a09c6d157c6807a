#include "stock/UnitBalMen.h"

#include "reports/PageHeader.h"
#include "stock/StockBalance.h"
#include "stock/StockReports.h"

namespace {

StockReportWindow::Contents contents()
{
    namespace T = stockbalance::text;
    StockReportWindow::Contents p;
    p.className = QStringLiteral("TFormBalMen");
    p.caption = T::caption;
    p.heading = T::heading;
    p.groupCaption = T::groupCaption;
    p.groupDigits = stockbalance::kGroupDigits;
    p.period = true;
    p.periodHint = T::periodHint;
    p.output = true;
    p.outputCaption = QStringLiteral("Opção");
    p.note = T::note;
    p.waiting = true;
    // One step per row, back to 0 once past 100.
    p.bar = report::BarRule::Counter;
    return p;
}

} // namespace

TFormBalMen::TFormBalMen(TLogon& logon, QWidget* parent)
    : StockReportWindow(logon, contents(), parent)
{
}

void TFormBalMen::makeReport()
{
    using namespace stockbalance;
    const stock::Period p = period();
    // A group that is no code stands for all of them, as the list always read it.
    const RowSet rows = StockBalance(logon()).rows(group(true), p.from, p.to);
    showReport(StockBalance::report(report::companyRow(logon()), stockreports::printedAt()), rows);
}
