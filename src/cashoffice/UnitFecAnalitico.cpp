#include "cashoffice/UnitFecAnalitico.h"
#include "ui_UnitFecAnalitico.h"

#include "core/Globals.h"
#include "core/uMensagemWindow.h"
#include "db/DbError.h"
#include "cashoffice/AnalyticClosing.h"
#include "reports/ShiftFields.h"
#include "platform/Dialogs.h"
#include "printing/RoutePrintout.h"
#include "registers/Lookups.h"

TFormFecAnalitico::TFormFecAnalitico(TLogon& logon, QWidget* parent)
    : QDialog(parent)
    , ui(std::make_unique<::Ui::TFormFecAnalitico>())
    , m_logon(logon)
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("TFormFecAnalitico"));
    connect(ui->printButton, &QPushButton::clicked, this, &TFormFecAnalitico::print);
    connect(ui->returnButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui->pickShiftButton, &QPushButton::clicked, this, &TFormFecAnalitico::pickShift);
    connect(ui->cashEdit, &QLineEdit::returnPressed, ui->terminalEdit, qOverload<>(&QWidget::setFocus));
    connect(ui->terminalEdit, &QLineEdit::returnPressed, ui->printButton, qOverload<>(&QWidget::setFocus));
    ui->terminalEdit->setText(ctx::station().TerminalNumber);
    try {
        ui->cashEdit->setText(AnalyticClosing(logon).openCashText());
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
    }
}

TFormFecAnalitico::~TFormFecAnalitico() = default;

QString TFormFecAnalitico::cashText() const { return ui->cashEdit->text(); }
QString TFormFecAnalitico::terminalText() const { return ui->terminalEdit->text(); }
void TFormFecAnalitico::setCashText(const QString& text) { ui->cashEdit->setText(text); }
void TFormFecAnalitico::setTerminalText(const QString& text) { ui->terminalEdit->setText(text); }

void TFormFecAnalitico::pickShift()
{
    ui->cashEdit->setText(QString::number(chooseCashShift(m_logon)));
}

void TFormFecAnalitico::print()
{
    ui->printButton->setEnabled(false);
    try {
        RoutePreviewOnly(AnalyticClosing(m_logon).compose(ui->cashEdit->text(), ui->terminalEdit->text()));
    } catch (const ShiftFieldRefused& e) {
        ShowMessageWindow(shiftfields::title, e.message());
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
    }
    ui->printButton->setEnabled(true);
}
