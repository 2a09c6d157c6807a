#include "stock/UnitFicMov2.h"

#include "core/FieldEvents.h"
#include "registers/Lookups.h"
#include "reports/PageHeader.h"
#include "stock/MovementCard.h"
#include "stock/StockProducts.h"
#include "stock/StockReports.h"

#include <QLineEdit>
#include <QPushButton>

namespace {

StockReportWindow::Contents contents()
{
    namespace T = movementcard::text;
    StockReportWindow::Contents p;
    p.className = QStringLiteral("TFormFicMov2");
    p.caption = T::caption;
    p.heading = T::heading;
    p.codeCaption = T::codeCaption;
    p.nameCaption = T::nameCaption;
    p.period = true;
    p.progress = false;
    p.returnCaption = QStringLiteral("&Sair");
    p.staysOpen = true;
    return p;
}

} // namespace

TFormFicMov2::TFormFicMov2(TLogon& logon, QWidget* parent)
    : StockReportWindow(logon, contents(), parent)
{
    auto* events = new FieldEvents(this);
    events->onLeave(codeEdit(), [this] { codeLeft(); });
    connect(lookupButton(), &QPushButton::clicked, this, &TFormFicMov2::lookUpProduct);
}

QString TFormFicMov2::productName() const { return nameEdit()->text(); }

void TFormFicMov2::codeLeft()
{
    nameEdit()->clear();
    const stock::ProductCard p = stock::productLeft(logon(), codeEdit());
    nameEdit()->setText(p.name);
}

void TFormFicMov2::lookUpProduct()
{
    const QString chosen = chooseProduct(logon());
    stock::ProductCard p;
    if (chosen != QLatin1String("0"))
        stock::attempt([&] { p = stock::readProduct(logon(), chosen); });
    codeEdit()->setText(p.code);
    nameEdit()->setText(p.name);
    stock::focusOn(field(QStringLiteral("first")));
}

void TFormFicMov2::makeReport()
{
    using namespace movementcard;
    codeEdit()->setText(MovementCard::codeOf(codeEdit()->text()));
    const QString code = codeEdit()->text();
    const stock::Period p = period();
    const stock::ProductCard product = code.isEmpty() ? stock::ProductCard() : stock::readProduct(logon(), code);
    const Card card = MovementCard(logon()).card(code, p.from, p.to);
    showReport(MovementCard::report(report::companyRow(logon()), stockreports::printedAt(), product.name, p.from, p.to,
                              card.opening),
         card.rows);
}
