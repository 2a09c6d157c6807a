#pragma once
// ".:  Cadastro de Funcionario / Vendedores :.": staff and waiters, with the waiter password.
#include "registers/StaffRegister.h"

#include <QDialog>
#include <QMap>
#include <memory>

namespace Ui { class TFormVendedor; }
class QLineEdit;
class TLogon;

class TFormVendedor : public QDialog {
    Q_OBJECT
public:
    explicit TFormVendedor(TLogon& logon, QWidget* parent = nullptr);
    ~TFormVendedor() override;

    QLineEdit* codeField() const;
    QLineEdit* field(const char* column) const;
    StaffRegister& staff() { return m_staff; }

public slots:
    void newStaff();          // "&Novo"
    void leaveCode();         // the code field left
    bool confirmStaff();      // "&Confirmar"
    void deleteStaff();       // "&Excluir"
    void chooseRow(int row);  // the list

private:
    void showRow();
    void refreshList();

    std::unique_ptr<::Ui::TFormVendedor> ui;
    StaffRegister m_staff;
    QMap<QString, QLineEdit*> m_fields;
    bool m_filling = false;
};
