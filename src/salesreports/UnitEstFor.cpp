#include "salesreports/UnitEstFor.h"
#include "ui_UnitEstFor.h"

#include "reports/ReportWindow.h"
#include "salesreports/SupplierMovement.h"
#include "salesreports/UnitBalFor.h"

TFormEstFor::TFormEstFor(TLogon& logon, QWidget* parent)
    : PeriodReportDialog(logon, parent, true)
    , ui(std::make_unique<::Ui::TFormEstFor>())
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("TFormEstFor"));
    wire({ui->firstDateEdit, ui->lastDateEdit, ui->printButton, ui->returnButton});
    reportwindow::enterMovesFromList(ui->supplierCombo, ui->printButton);
    reportwindow::run([&] { ui->supplierCombo->addItems(SupplierMovement(logon).supplierItems()); });
}

TFormEstFor::~TFormEstFor() = default;

QStringList TFormEstFor::suppliers() const { return reportwindow::items(ui->supplierCombo); }
void TFormEstFor::setSupplierText(const QString& text) { ui->supplierCombo->setCurrentText(text); }

void TFormEstFor::report(const QString& first, const QString& last)
{
    const QString supplier = ui->supplierCombo->currentText();
    const RowSet rows = SupplierMovement(m_logon).rows(supplier, first, last);
    TFormBalFor(m_logon, supplier, SupplierMovement::period(first, last)).preview(rows);
}
