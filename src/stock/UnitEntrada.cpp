#include "stock/UnitEntrada.h"

#include "reports/PageHeader.h"
#include "stock/StockListings.h"

#include <QLineEdit>

namespace {

StockReportWindow::Contents contents()
{
    namespace T = stocklistings::text;
    StockReportWindow::Contents p;
    p.className = QStringLiteral("TFormEntrada");
    p.caption = T::entriesCaption;
    p.heading = T::entriesHeading;
    p.numberCaption = T::numberCaption;
    p.numberNote = T::numberNote;
    p.period = true;
    return p;
}

} // namespace

TFormEntrada::TFormEntrada(TLogon& logon, QWidget* parent)
    : StockReportWindow(logon, contents(), parent)
{
}

void TFormEntrada::makeReport()
{
    using namespace stocklistings;
    const stock::Period p = period();
    const QString invoice = field(QStringLiteral("number"))->text();
    const RowSet rows = StockListings(logon()).entries({p.from, p.to, invoice});
    showReport(StockListings::entriesReport(report::companyRow(logon()), p.from, p.to, StockListings::numberOf(invoice)), rows);
}
