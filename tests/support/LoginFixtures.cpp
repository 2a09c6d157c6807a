#include "LoginFixtures.h"
#include "shell/UnSenha.h"
#include "shell/UnitAcessos.h"

#include <QDialog>

void answerLogin(ScriptedDialogs& d, const QString& name, const QString& password)
{
    d.onWindow(QStringLiteral("TFormProtecao"), [=](QDialog& w) {
        auto& login = static_cast<TFormProtecao&>(w);
        login.setName(name);
        login.setPassword(password);
        login.confirm();
        return w.result();
    });
}

void answerSupervisorPrompt(ScriptedDialogs& d, const QString& name, const QString& password)
{
    d.onWindow(QStringLiteral("TFormAcessos"), [=](QDialog& w) {
        auto& p = static_cast<TFormAcessos&>(w);
        p.setName(name);
        p.setPassword(password);
        p.confirm();
        return w.result();
    });
}
