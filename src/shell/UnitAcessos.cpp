#include "shell/UnitAcessos.h"
#include "shell/Credentials.h"
#include "core/Globals.h"
#include "shell/UnSenha.h"
#include "db/UnitLogon.h"
#include "core/uMensagemWindow.h"
#include "platform/Dialogs.h"
#include "ui_UnitAcessos.h"

void askSupervisor(TLogon& logon)
{
    TFormAcessos prompt(logon);
    dialogs().exec(prompt);
}

TFormAcessos::TFormAcessos(TLogon& logon, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
    , ui(new ::Ui::TFormAcessos)
    , m_logon(logon)
{
    ui->setupUi(this);
    ctx::op().AuthoriserName.clear();
    ctx::op().CurrentRights = 0;
    upperCaseWhileTyping(ui->EditNome);
    upperCaseWhileTyping(ui->EditSenha);
    connect(ui->EditNome, &QLineEdit::returnPressed, ui->EditSenha, qOverload<>(&QWidget::setFocus));
    connect(ui->EditSenha, &QLineEdit::returnPressed, this, &TFormAcessos::confirm);
    connect(ui->confirmButton, &QPushButton::clicked, this, &TFormAcessos::confirm);
    connect(ui->cancelButton, &QPushButton::clicked, this, &TFormAcessos::cancel);
    ui->EditNome->setFocus();
}

TFormAcessos::~TFormAcessos() = default;

void TFormAcessos::setName(const QString& name) { ui->EditNome->setText(name); }
void TFormAcessos::setPassword(const QString& password) { ui->EditSenha->setText(password); }

void TFormAcessos::confirm()
{
    try {
        if (confirmSupervisor(m_logon, ui->EditNome->text(), ui->EditSenha->text())) {
            accept();
            return;
        }
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
        return;
    }
    ShowMessageWindow(QStringLiteral("ATENÇÃO"), loginText::wrong, QStringLiteral("1"), QString());
    ui->EditNome->setFocus();
}

void TFormAcessos::cancel()
{
    reject();
}
