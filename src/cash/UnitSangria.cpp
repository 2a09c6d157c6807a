#include "cash/UnitSangria.h"
#include "core/uMensagemWindow.h"
#include "registers/RegisterCommon.h"

#include "core/FieldEvents.h"
#include "cash/Withdrawal.h"
#include "core/ActionRefused.h"
#include "core/Globals.h"
#include "db/UnitLogon.h"
#include "platform/Dialogs.h"
#include "shell/UnSenha.h"
#include "ui_UnitSangria.h"

namespace T = WithdrawalText;

TFormSangria::TFormSangria(TLogon& logon, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), ui(new ::Ui::TFormSangria), m_logon(logon)
{
    ui->setupUi(this);
    auto* events = new FieldEvents(this);
    events->onLeave(ui->kindEdit, [this] { kindLeft(); });
    events->chain({ui->amountEdit, ui->kindEdit, ui->descriptionEdit, ui->confirmButton});
    registers::commaForPointField(ui->amountEdit);
    upperCaseWhileTyping(ui->descriptionEdit);
    connect(ui->confirmButton, &QPushButton::clicked, this, &TFormSangria::confirm);
    connect(ui->returnButton, &QPushButton::clicked, this, &QDialog::reject);
    try {
        m_shift = Withdrawal(m_logon).openCashShift();
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
    }
    ui->shiftLabel->setText(QString::number(m_shift));
}

TFormSangria::~TFormSangria() = default;

void TFormSangria::kindLeft()
{
    ui->kindEdit->setText(Withdrawal::normalizeKind(ui->kindEdit->text()));
}

void TFormSangria::confirm()
{
    kindLeft();
    const WithdrawalRequest r{m_shift, ui->amountEdit->text(), ui->kindEdit->text(), ui->descriptionEdit->text(),
                              ctx::station().TerminalNumber, ctx::op().OperatorName, QDateTime::currentDateTime()};
    Printout record;
    try {
        record = Withdrawal(m_logon).record(r);
    } catch (const ActionRefused& e) {
        ShowMessageWindow(QStringLiteral("ATENÇÃO"), e.message(), QStringLiteral("1"));
        return;
    } catch (const DbError& e) {
        ShowMessageWindow(QStringLiteral("ATENÇÃO"), e.isCharacterSetError() ? e.message() : T::kFillError, QStringLiteral("1"));
        return;
    }
    try {
        Withdrawal::print(record);
    } catch (const std::exception& e) {
        dialogs().errorBox(QStringLiteral("Movimento registrado; o comprovante não foi impresso: ") + QString::fromUtf8(e.what()));
    }
    accept();
}
