#include "shell/UnSenha.h"
#include "core/FieldText.h"
#include "core/uMensagemWindow.h"
#include "shell/Startup.h"
#include "platform/Dialogs.h"
#include "ui_UnSenha.h"

#include <QPixmap>

void upperCaseWhileTyping(QLineEdit* edit)
{
    QObject::connect(edit, &QLineEdit::textEdited, edit, [edit](const QString& t) { retypeText(edit, t.toUpper()); });
}

TFormProtecao::TFormProtecao(LoginSession& session, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
    , ui(new ::Ui::TFormProtecao)
    , m_session(session)
{
    ui->setupUi(this);
    upperCaseWhileTyping(ui->EditNome);
    upperCaseWhileTyping(ui->EditSenha);
    connect(ui->EditNome, &QLineEdit::returnPressed, ui->EditSenha, qOverload<>(&QWidget::setFocus));
    connect(ui->EditSenha, &QLineEdit::returnPressed, this, &TFormProtecao::confirm);
    connect(ui->confirmButton, &QPushButton::clicked, this, &TFormProtecao::confirm);
    connect(ui->leaveButton, &QPushButton::clicked, this, &TFormProtecao::leave);

    // The central picture, when one was chosen; any problem leaves the area empty.
    QPixmap picture;
    if (const QString file = startup::centralPicturePath(); !file.isEmpty() && picture.load(file))
        ui->picture->setPixmap(picture.scaled(ui->picture->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    ui->EditNome->setFocus();
}

TFormProtecao::~TFormProtecao() = default;

void TFormProtecao::setName(const QString& name) { ui->EditNome->setText(name); }
void TFormProtecao::setPassword(const QString& password) { ui->EditSenha->setText(password); }

void TFormProtecao::confirm()
{
    switch (m_session.confirm(ui->EditNome->text(), ui->EditSenha->text())) {
    case LoginSession::Outcome::Accepted:
        done(Accepted);
        return;
    case LoginSession::Outcome::Failed:
        dialogs().errorBox(m_session.error());
        return;
    case LoginSession::Outcome::Wrong:
        ShowMessageWindow(QStringLiteral("ATENÇÃO"), loginText::wrong, QStringLiteral("1"), QStringLiteral("alerta"));
        ui->EditNome->setFocus();
        return;
    case LoginSession::Outcome::Exhausted:
        ShowMessageWindow(QStringLiteral("ATENÇÃO"), loginText::wrong, QStringLiteral("1"), QStringLiteral("alerta"));
        dialogs().beep();
        ShowMessageWindow(QStringLiteral("ATENÇÃO"), loginText::exhausted, QStringLiteral("1"), QStringLiteral("alerta"));
        done(Exhausted);
        return;
    }
}

void TFormProtecao::leave()
{
    done(Left);
}
