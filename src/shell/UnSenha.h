#pragma once
// The login window.
#include "shell/Credentials.h"

#include <QDialog>
#include <memory>

namespace Ui { class TFormProtecao; }

class TFormProtecao : public QDialog {
    Q_OBJECT
public:
    enum Result { Left = 0, Accepted = 1, Exhausted = 2 };

    TFormProtecao(LoginSession& session, QWidget* parent = nullptr);
    ~TFormProtecao() override;

    void setName(const QString& name);
    void setPassword(const QString& password);
    QString acceptedName() const { return m_session.acceptedName(); }
    QString acceptedMaster() const { return m_session.acceptedMaster(); }

public slots:
    void confirm();     // "Confirmar"
    void leave();       // "Sair"

private:
    std::unique_ptr<::Ui::TFormProtecao> ui;
    LoginSession& m_session;
};

// Both credential windows turn what is typed into capitals as it is typed.
class QLineEdit;
void upperCaseWhileTyping(QLineEdit* edit);
