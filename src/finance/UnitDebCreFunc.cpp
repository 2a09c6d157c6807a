#include "finance/UnitDebCreFunc.h"

#include "cash/RollText.h"
#include "core/FieldEvents.h"
#include "core/Globals.h"
#include "core/uMensagemWindow.h"
#include "finance/StaffPicker.h"
#include "finance/StaffVouchers.h"
#include "reports/TypedValues.h"
#include "platform/Dialogs.h"
#include "printing/RoutePrintout.h"
#include "registers/RegisterCommon.h"
#include "reports/UnitVisaoRelatorio.h"
#include "ui_UnitDebCreFunc.h"

#include <QRegularExpressionValidator>

namespace T = StaffVoucherText;

TFormDebCreFunc::TFormDebCreFunc(TLogon& logon, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
    , ui(new ::Ui::TFormDebCreFunc)
    , m_logon(logon)
{
    ui->setupUi(this);
    m_staff = new StaffPicker(logon, ui->staffCombo, ui->balanceLabel);
    ui->dateEdit->setDate(QDate::currentDate());
    ui->historyEdit->setMaxLength(StaffVouchers::kHistoryLength);
    registers::upperCaseField(ui->historyEdit);
    typed::amountField(ui->amountEdit);
    // Digits and the decimal comma (the point typed enters the comma).
    ui->amountEdit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,12}([,.][0-9]{0,2})?")), this));
    connect(ui->historyEdit, &QLineEdit::returnPressed, this, [this] { ui->amountEdit->setFocus(); });
    connect(ui->amountEdit, &QLineEdit::returnPressed, this, [this] { ui->movementCombo->setFocus(); });
    // The employee, the date and the movement have no Enter of their own: it moves on to "Confirmar"
    auto* events = new FieldEvents(this);
    events->chain({ui->staffCombo, ui->dateEdit, ui->historyEdit});
    events->chain({ui->movementCombo, ui->confirmButton});
    connect(ui->confirmButton, &QPushButton::clicked, this, &TFormDebCreFunc::confirm);
    connect(ui->returnButton, &QPushButton::clicked, this, &QDialog::reject);
}

TFormDebCreFunc::~TFormDebCreFunc() = default;

void TFormDebCreFunc::chooseEmployee(qint64 code) { m_staff->choose(code); }
QString TFormDebCreFunc::balanceText() const { return ui->balanceLabel->text(); }
QLineEdit* TFormDebCreFunc::historyField() const { return ui->historyEdit; }
QLineEdit* TFormDebCreFunc::amountField() const { return ui->amountEdit; }
void TFormDebCreFunc::setDate(const QDate& date) { ui->dateEdit->setDate(date); }
void TFormDebCreFunc::chooseCredit(bool credit) { ui->movementCombo->setCurrentIndex(credit ? 1 : 0); }
void TFormDebCreFunc::choosePageReceipt(bool a4) { (a4 ? ui->pageRadio : ui->rollRadio)->setChecked(true); }

void TFormDebCreFunc::confirm()
{
    const qint64 code = m_staff->chosenCode();
    if (code == 0)
        return;   // no employee chosen
    VoucherReceipt receipt;
    receipt.company = ctx::company().CompanyName;
    receipt.city = ctx::company().CompanyCity;
    receipt.state = ctx::company().CompanyState;
    receipt.employee = m_staff->chosenName();
    receipt.history = ui->historyEdit->text();
    receipt.date = ui->dateEdit->date();
    try {
        receipt.amount = StaffVouchers(m_logon).record(code, receipt.date, receipt.history,
                                                       ui->movementCombo->currentIndex() == 1, ui->amountEdit->text());
    } catch (const std::exception&) {
        // an amount that cannot be read, or a row the database refuses: nothing written
        ShowMessageWindow(QStringLiteral("ATENÇÃO"), T::kFillError, QStringLiteral("1"));
        return;
    }
    if (ShowMessageWindow(QStringLiteral("ATENÇÃO"), T::kPrintAsk, QStringLiteral("2")) == QLatin1String("S")) {
        receipt.printedAt = QDateTime::currentDateTime();
        try {
            if (ui->pageRadio->isChecked()) {
                report::preview(StaffVouchers::receiptPage(receipt), RowSet());
            } else {
                RouteOptions preview;
                preview.alwaysPreview = true;
                RoutePrintout(StaffVouchers::receiptRoll(receipt, roll::cupomFontSize()), PrinterSlot::Closing, preview);
            }
        } catch (const std::exception&) {
            ShowMessageWindow(QStringLiteral("ATENÇÃO"), T::kFillError, QStringLiteral("1"));
        }
    }
    m_staff->clearBalance();
    ui->historyEdit->clear();
    ui->amountEdit->clear();
}
