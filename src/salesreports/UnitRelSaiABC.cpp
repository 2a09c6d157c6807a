#include "salesreports/UnitRelSaiABC.h"
#include "ui_UnitRelSaiABC.h"

#include "reports/ReportWindow.h"
#include "salesreports/SalesRanking.h"
#include "salesreports/UnitSaiQuiABC.h"

TFormRelSaiABC::TFormRelSaiABC(TLogon& logon, QWidget* parent)
    : PeriodReportDialog(logon, parent, true)
    , ui(std::make_unique<::Ui::TFormRelSaiABC>())
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("TFormRelSaiABC"));
    wire({ui->firstDateEdit, ui->lastDateEdit, ui->printButton, ui->returnButton});
    reportwindow::run([&] { ui->waiterCombo->addItems(SalesRanking(logon).waiterItems()); });
    ui->waiterCombo->setCurrentIndex(0);
}

TFormRelSaiABC::~TFormRelSaiABC() = default;

QStringList TFormRelSaiABC::waiters() const { return reportwindow::items(ui->waiterCombo); }
void TFormRelSaiABC::setWaiterText(const QString& text) { ui->waiterCombo->setCurrentText(text); }

void TFormRelSaiABC::report(const QString& first, const QString& last)
{
    const QString waiter = ui->waiterCombo->currentText();
    const auto lines = SalesRanking(m_logon).products(first, last, waiter);
    TFormSaiQuiABC(m_logon, SalesRanking::productPeriod(first, last, waiter)).preview(SalesRanking::rows(lines));
}
