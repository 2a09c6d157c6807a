#pragma once
// "Acesso Restrito": another user's name and password authorise one action.
#include <QDialog>
#include <memory>

namespace Ui { class TFormAcessos; }
class TLogon;

class TFormAcessos : public QDialog {
    Q_OBJECT
public:
    explicit TFormAcessos(TLogon& logon, QWidget* parent = nullptr);
    ~TFormAcessos() override;

    void setName(const QString& name);
    void setPassword(const QString& password);

public slots:
    void confirm();   // "&Confirma"
    void cancel();    // "Cancela"

private:
    std::unique_ptr<::Ui::TFormAcessos> ui;
    TLogon& m_logon;
};

// Opens the prompt through the UI seam. Afterwards the caller tests CurrentRights
// or AuthoriserIsMaster; a cancelled prompt leaves CurrentRights 0.
void askSupervisor(TLogon& logon);
