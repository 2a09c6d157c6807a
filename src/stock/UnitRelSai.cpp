#include "stock/UnitRelSai.h"

#include "reports/PageHeader.h"
#include "stock/StockListings.h"

#include <QLineEdit>

namespace {

StockReportWindow::Contents contents()
{
    namespace T = stocklistings::text;
    StockReportWindow::Contents p;
    p.className = QStringLiteral("TFormRelSai");
    p.caption = T::exitsCaption;
    p.heading = T::exitsHeading;
    p.label = T::exitsLabel;
    p.numberCaption = T::numberCaption;
    p.numberNote = T::numberNote;
    p.productCaption = T::productCaption;
    p.productNote = T::productNote;
    p.period = true;
    return p;
}

} // namespace

TFormRelSai::TFormRelSai(TLogon& logon, QWidget* parent)
    : StockReportWindow(logon, contents(), parent)
{
}

void TFormRelSai::makeReport()
{
    using namespace stocklistings;
    const stock::Period p = period();
    const RowSet rows = StockListings(logon()).exits(
        {p.from, p.to, field(QStringLiteral("number"))->text(), field(QStringLiteral("product"))->text()});
    showReport(StockListings::exitsReport(report::companyRow(logon()), p.from, p.to), rows);
}
