#pragma once
// ".:  Cadastro de Cliente  :.": the customers and their photos.
#include "registers/CustomerRegister.h"

#include <QDialog>
#include <QMap>
#include <memory>

namespace Ui { class TFormCliente; }
class QLineEdit;
class TLogon;

class TFormCliente : public QDialog {
    Q_OBJECT
public:
    explicit TFormCliente(TLogon& logon, QWidget* parent = nullptr);
    ~TFormCliente() override;

    QLineEdit* field(const char* column) const;
    CustomerRegister& customers() { return m_register; }

public slots:
    void newCustomer();      // "Novo Cliente"
    void leaveCode();        // the code field left
    bool saveCustomer();     // "Confirmar e Salvar"
    void deleteCustomer();   // "Exluir"
    void search();           // "Pesquisa"
    void changePhoto();      // "Alterar foto cliente"
    void step(CustomerRegister::Step s);
    void returnToMenu();     // "Retornar"

protected:
    void done(int result) override;

private:
    void showCustomer();
    void refreshList();
    void refreshPhoto();
    Customer typed() const;
    void chainEnter(const char* from, const char* to);

    std::unique_ptr<::Ui::TFormCliente> ui;
    CustomerRegister m_register;
    QMap<QString, QLineEdit*> m_fields;
};
