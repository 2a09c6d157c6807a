#pragma once
// "Selecione um Garçom": a waiter identifies himself by code and password; the
// code comes back in LookupCode (empty when nothing matched).
#include <QDialog>
#include <memory>

namespace Ui { class TFormSenGarcom; }
class TLogon;

class TFormSenGarcom : public QDialog {
    Q_OBJECT
public:
    explicit TFormSenGarcom(TLogon& logon, QWidget* parent = nullptr);
    ~TFormSenGarcom() override;

public slots:
    void codeLeft();    // shows the waiter's name, or " Garcom não Localizado.. "
    void confirm();     // "Confirma"

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::unique_ptr<::Ui::TFormSenGarcom> ui;
    TLogon& m_logon;
};
