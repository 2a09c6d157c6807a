#pragma once
// "Cadastro da Empresa": the company's tax and contact data.
#include "registers/CompanyStore.h"

#include <QDialog>
#include <memory>

namespace Ui { class TFormEmpresa; }
class QLineEdit;

class TFormEmpresa : public QDialog {
    Q_OBJECT
public:
    explicit TFormEmpresa(TLogon& logon, QWidget* parent = nullptr);
    ~TFormEmpresa() override;

    QLineEdit* cnpjField() const;
    QLineEdit* stateRegistrationField() const;
    QLineEdit* phoneField() const;

public slots:
    bool returnToMenu();   // "Retornar": writes, refreshes the header, closes

private:
    std::unique_ptr<::Ui::TFormEmpresa> ui;
    CompanyStore m_store;
    CompanyRow m_row;
};
