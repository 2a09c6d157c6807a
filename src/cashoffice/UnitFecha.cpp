#include "cashoffice/UnitFecha.h"
#include "ui_UnitFecha.h"

#include "core/Globals.h"
#include "core/uMensagemWindow.h"
#include "db/DbError.h"
#include "reports/ShiftFields.h"
#include "platform/Dialogs.h"
#include "registers/Lookups.h"

#include <QRegularExpressionValidator>

TFormFecha::TFormFecha(TLogon& logon, QWidget* parent)
    : QDialog(parent)
    , ui(std::make_unique<::Ui::TFormFecha>())
    , m_logon(logon)
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("TFormFecha"));
    ui->cashEdit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this));
    ui->printButton->setToolTip(QString(shiftfields::printHint).replace(QLatin1Char('\r'), QLatin1Char('\n')));
    connect(ui->printButton, &QPushButton::clicked, this, &TFormFecha::print);
    connect(ui->returnButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui->pickShiftButton, &QPushButton::clicked, this, &TFormFecha::pickShift);
    connect(ui->cashEdit, &QLineEdit::returnPressed, ui->printButton, qOverload<>(&QWidget::setFocus));

    ui->terminalEdit->setText(ctx::station().TerminalNumber);
    setLockFlag(CashMovementReport::lockFlagFromSettings());
    try {
        ui->cashEdit->setText(CashMovementReport(m_logon).proposedCashText());
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
    }
}

TFormFecha::~TFormFecha() = default;

void TFormFecha::setLockFlag(const QString& flag)
{
    m_lockFlag = flag;
    const bool locked = CashMovementReport::locks(flag);
    ui->cashEdit->setEnabled(!locked);
    ui->pickShiftButton->setEnabled(!locked);
}

bool TFormFecha::cashLocked() const { return !ui->cashEdit->isEnabled(); }
QString TFormFecha::cashText() const { return ui->cashEdit->text(); }
QString TFormFecha::terminalText() const { return ui->terminalEdit->text(); }
void TFormFecha::setCashText(const QString& text) { ui->cashEdit->setText(text); }
void TFormFecha::setTerminalText(const QString& text) { ui->terminalEdit->setText(text); }
bool TFormFecha::printEnabled() const { return ui->printButton->isEnabled(); }

void TFormFecha::setOptions(const CashMovementOptions& options, bool forcePreview)
{
    (options.complete ? ui->completeRadio : ui->summaryRadio)->setChecked(true);
    ui->twoLinesBox->setChecked(options.twoLines);
    ui->cancellationsBox->setChecked(options.cancellations);
    ui->forcePreviewBox->setChecked(forcePreview);
}

void TFormFecha::pickShift()
{
    ui->cashEdit->setText(QString::number(chooseCashShift(m_logon)));
}

void TFormFecha::print()
{
    CashMovementOptions options;
    options.complete = ui->completeRadio->isChecked();
    options.twoLines = ui->twoLinesBox->isChecked();
    options.cancellations = ui->cancellationsBox->isChecked();
    ui->printButton->setEnabled(false);
    try {
        CashMovementReport report(m_logon);
        const CashMovementFigures figures = report.gather(ui->cashEdit->text(), ui->terminalEdit->text(), options);
        ui->terminalEdit->setText(figures.terminalText);
        CashMovementReport::send(CashMovementReport::compose(figures, options), ui->forcePreviewBox->isChecked());
    } catch (const ShiftFieldRefused& e) {
        ShowMessageWindow(cashreportmsg::title, e.message());
        ui->cashEdit->setFocus();
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
    }
    ui->printButton->setEnabled(true);
}
