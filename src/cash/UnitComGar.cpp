#include "cash/UnitComGar.h"

#include "registers/Lookups.h"
#include "registers/RegisterCommon.h"
#include "cash/CommissionReport.h"
#include "cash/RollText.h"
#include "cash/UnitComGarQui.h"
#include "platform/Dialogs.h"
#include "printing/RoutePrintout.h"
#include "ui_UnitComGar.h"

#include <QKeyEvent>
#include <QRegularExpressionValidator>

TFormComGar::TFormComGar(TLogon& logon, QWidget* parent)
    : QDialog(parent)
    , ui(new ::Ui::TFormComGar)
    , m_logon(logon)
{
    ui->setupUi(this);
    // Shift numbers: digits only.
    auto* digits = new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this);
    ui->firstShiftEdit->setValidator(digits);
    ui->lastShiftEdit->setValidator(digits);
    connect(ui->printButton, &QPushButton::clicked, this, &TFormComGar::print);
    connect(ui->returnButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui->pickFirstButton, &QPushButton::clicked, this, &TFormComGar::pickFirstShift);
    connect(ui->pickLastButton, &QPushButton::clicked, this, &TFormComGar::pickLastShift);
    registers::commaForPointField(ui->percentEdit);
    for (QLineEdit* e : {ui->firstShiftEdit, ui->lastShiftEdit, ui->percentEdit})
        e->installEventFilter(this);

    try {
        const CommissionReport report(logon);
        ui->waiterCombo->addItems(report.waiters());
        ui->groupCombo->addItems(report.groups());
    } catch (const std::runtime_error& e) {
        dialogs().errorBox(QString::fromUtf8(e.what()));
    }
}

TFormComGar::~TFormComGar() = default;

void TFormComGar::setRange(const QString& first, const QString& last)
{
    ui->firstShiftEdit->setText(first);
    ui->lastShiftEdit->setText(last);
}

void TFormComGar::setPercent(const QString& text) { ui->percentEdit->setText(text); }
QString TFormComGar::percentText() const { return ui->percentEdit->text(); }
QString TFormComGar::firstShift() const { return ui->firstShiftEdit->text(); }
QString TFormComGar::lastShift() const { return ui->lastShiftEdit->text(); }
void TFormComGar::chooseWaiter(int index) { ui->waiterCombo->setCurrentIndex(index); }
void TFormComGar::chooseGroup(int index) { ui->groupCombo->setCurrentIndex(index); }
void TFormComGar::choosePageReport(bool a4) { (a4 ? ui->pageRadio : ui->rollRadio)->setChecked(true); }

void TFormComGar::pickFirstShift()
{
    ui->firstShiftEdit->setText(QString::number(chooseCashShift(m_logon)));
}

void TFormComGar::pickLastShift()
{
    ui->lastShiftEdit->setText(QString::number(chooseCashShift(m_logon)));
}

void TFormComGar::settlePercent()
{
    if (!CommissionReport::percent(ui->percentEdit->text()))
        ui->percentEdit->setText(QStringLiteral("0"));
}

bool TFormComGar::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return QDialog::eventFilter(watched, event);
    if (watched == ui->firstShiftEdit) {
        ui->lastShiftEdit->setFocus();
        return true;
    }
    if (watched == ui->lastShiftEdit) {
        ui->printButton->setFocus();
        return true;
    }
    if (watched == ui->percentEdit) {
        settlePercent();
        ui->printButton->setFocus();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TFormComGar::print()
{
    // A percentage that is not a number becomes "0", on either path.
    settlePercent();
    ui->printButton->setEnabled(false);
    try {
        const CommissionReport report(m_logon);
        const QString waiter = ui->waiterCombo->currentText();
        const auto shifts = report.shifts(ui->firstShiftEdit->text(), ui->lastShiftEdit->text(), waiter,
                                          ui->groupCombo->currentText());
        if (ui->pageRadio->isChecked()) {
            const QString period = QStringLiteral("Caixa do periodo de:") + ui->firstShiftEdit->text()
                                 + QStringLiteral(" a ") + ui->lastShiftEdit->text();
            TFormComGarQui(m_logon, period, ui->percentEdit->text()).preview(shifts);
        } else {
            RouteOptions options;
            options.controlByte = true;
            options.trailer = true;
            RoutePrintout(CommissionReport::roll(shifts, waiter, ui->percentEdit->text()), PrinterSlot::Closing,
                          options);
        }
    } catch (const std::exception& e) {
        dialogs().errorBox(QString::fromUtf8(e.what()));
    }
    ui->printButton->setEnabled(true);
}
