#pragma once
// ".: Cadastro do Cliente :.": a customer's address, read only. No button opens it;
// by class name it shows the customer of the last lookup (LookupCode).
#include <QDialog>
#include <memory>

namespace Ui { class TFormVerEndCliente; }
class TLogon;

class TFormVerEndCliente : public QDialog {
    Q_OBJECT
public:
    TFormVerEndCliente(TLogon& logon, qint64 customerCode, QWidget* parent = nullptr);
    ~TFormVerEndCliente() override;
    QString shown(const char* labelName) const;

private:
    std::unique_ptr<::Ui::TFormVerEndCliente> ui;
};
