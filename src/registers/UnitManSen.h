#pragma once
// "Cadastro de Usúarios Acesso ao Sistema": users, passwords, supervisor flag and rights.
#include "registers/UserRegister.h"

#include <QDialog>
#include <memory>

namespace Ui { class TFormManSen; }
class QCheckBox;
class QLineEdit;
class TLogon;

class TFormManSen : public QDialog {
    Q_OBJECT
public:
    explicit TFormManSen(TLogon& logon, QWidget* parent = nullptr);
    ~TFormManSen() override;

    QLineEdit* nameField() const;
    QLineEdit* passwordField() const;
    QLineEdit* masterField() const;
    QCheckBox* rightsBox(int bit) const;   // bit 1, 2, 4, ... 32768
    UserRegister& users() { return m_users; }

public slots:
    void newUser();            // "&Novo"
    bool confirmUser();        // "&Confirmar"
    void deleteUser();         // "&Excluir"
    void returnToMenu();       // "&Retornar"
    void chooseUser(const QString& name);   // the picker
    void chooseRow(int row);                // the list

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showUser();
    void refillPicker();

    std::unique_ptr<::Ui::TFormManSen> ui;
    UserRegister m_users;
    std::array<QCheckBox*, rights::kBits> m_boxes{};
};
