#include "salesreports/UnitRelVenGar.h"
#include "ui_UnitRelVenGar.h"

#include "reports/ReportWindow.h"
#include "salesreports/WaiterSales.h"
#include "printing/RoutePrintout.h"
#include "registers/Lookups.h"
#include "registers/RegisterCommon.h"

TFormRelVenGar::TFormRelVenGar(TLogon& logon, QWidget* parent)
    : QDialog(parent)
    , ui(std::make_unique<::Ui::TFormRelVenGar>())
    , m_logon(logon)
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("TFormRelVenGar"));
    reportwindow::shiftRange(logon, ui->firstShiftEdit, ui->pickFirstButton, ui->lastShiftEdit, ui->pickLastButton,
                             ui->confirmButton);
    registers::upperCaseField(ui->productEdit);
    connect(ui->pickProductButton, &QPushButton::clicked, this, &TFormRelVenGar::searchProduct);
    connect(ui->confirmButton, &QPushButton::clicked, this, &TFormRelVenGar::confirm);
    connect(ui->cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    reportwindow::run([&] {
        WaiterSales sales(logon);
        ui->waiterCombo->addItems(sales.waiterItems());
        ui->groupCombo->addItems(sales.groupItems());
    });
}

TFormRelVenGar::~TFormRelVenGar() = default;

QStringList TFormRelVenGar::waiters() const { return reportwindow::items(ui->waiterCombo); }
QStringList TFormRelVenGar::groups() const { return reportwindow::items(ui->groupCombo); }
void TFormRelVenGar::setWaiterText(const QString& text) { ui->waiterCombo->setCurrentText(text); }
void TFormRelVenGar::chooseGroup(int index) { ui->groupCombo->setCurrentIndex(index); }
void TFormRelVenGar::setProduct(const QString& code) { ui->productEdit->setText(code); }
QString TFormRelVenGar::product() const { return ui->productEdit->text(); }
QString TFormRelVenGar::firstShift() const { return ui->firstShiftEdit->text(); }
QString TFormRelVenGar::lastShift() const { return ui->lastShiftEdit->text(); }
void TFormRelVenGar::setForcePreview(bool force) { ui->previewBox->setChecked(force); }
bool TFormRelVenGar::confirmEnabled() const { return ui->confirmButton->isEnabled(); }

void TFormRelVenGar::setRange(const QString& first, const QString& last)
{
    ui->firstShiftEdit->setText(first);
    ui->lastShiftEdit->setText(last);
}

void TFormRelVenGar::searchProduct()
{
    ui->productEdit->setText(chooseProduct(m_logon));
}

void TFormRelVenGar::confirm()
{
    SalesPerWaiter q;
    q.waiterItem = ui->waiterCombo->currentText();
    q.groupItem = ui->groupCombo->currentText();
    ui->firstShiftEdit->setText(WaiterSales::shiftText(ui->firstShiftEdit->text()));
    ui->lastShiftEdit->setText(WaiterSales::shiftText(ui->lastShiftEdit->text()));
    ui->productEdit->setText(WaiterSales::productText(ui->productEdit->text()));
    q.firstShift = ui->firstShiftEdit->text();
    q.lastShift = ui->lastShiftEdit->text();
    q.product = ui->productEdit->text();
    q.today = QDate::currentDate();
    ui->confirmButton->setEnabled(false);
    reportwindow::run([&] {
        const Printout text = WaiterSales(m_logon).salesPerWaiter(q);
        RouteOptions options;
        options.controlByte = true;
        options.forcePreview = ui->previewBox->isChecked();
        RoutePrintout(text, PrinterSlot::Closing, options);
    });
    ui->confirmButton->setEnabled(true);
}
