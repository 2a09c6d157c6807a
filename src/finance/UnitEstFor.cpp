#include "finance/UnitEstFor.h"
#include "ui_UnitEstFor.h"

#include "finance/ReportWindow.h"
#include "finance/SupplierMovement.h"
#include "finance/UnitBalFor.h"

TFormEstFor::TFormEstFor(TLogon& logon, QWidget* parent)
    : QDialog(parent)
    , ui(std::make_unique<::Ui::TFormEstFor>())
    , m_logon(logon)
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("TFormEstFor"));
    reportwindow::period(ui->firstDateEdit, ui->lastDateEdit, QDate::currentDate(), ui->printButton);
    reportwindow::printHint(ui->printButton);
    connect(ui->printButton, &QPushButton::clicked, this, &TFormEstFor::print);
    connect(ui->returnButton, &QPushButton::clicked, this, &QDialog::reject);
    reportwindow::run([&] { ui->supplierCombo->addItems(SupplierMovement(logon).supplierItems()); });
}

TFormEstFor::~TFormEstFor() = default;

QStringList TFormEstFor::suppliers() const { return reportwindow::items(ui->supplierCombo); }
void TFormEstFor::setSupplierText(const QString& text) { ui->supplierCombo->setCurrentText(text); }
QString TFormEstFor::firstDay() const { return ui->firstDateEdit->text(); }
QString TFormEstFor::lastDay() const { return ui->lastDateEdit->text(); }

void TFormEstFor::setPeriod(const QString& first, const QString& last)
{
    ui->firstDateEdit->setText(first);
    ui->lastDateEdit->setText(last);
}

void TFormEstFor::print()
{
    const QString supplier = ui->supplierCombo->currentText();
    const QString first = firstDay(), last = lastDay();
    ui->printButton->setEnabled(false);
    const bool done = reportwindow::run([&] {
        const RowSet rows = SupplierMovement(m_logon).rows(supplier, first, last);
        TFormBalFor(m_logon, supplier, SupplierMovement::period(first, last)).preview(rows);
    });
    ui->printButton->setEnabled(true);
    if (done)
        accept();
}
