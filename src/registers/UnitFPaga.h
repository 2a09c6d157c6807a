#pragma once
// ":: Formas de Pagamentos ::": the payment methods.
#include "registers/PaymentMethodStore.h"

#include <QDialog>
#include <memory>

namespace Ui { class TFormFPaga; }
class QLineEdit;
class TLogon;

class TFormFPaga : public QDialog {
    Q_OBJECT
public:
    explicit TFormFPaga(TLogon& logon, QWidget* parent = nullptr);
    ~TFormFPaga() override;

    QLineEdit* codeField() const;
    QLineEdit* nameField() const;
    QLineEdit* bxField() const;
    QLineEdit* davField() const;
    int listedCount() const { return int(m_list.size()); }

public slots:
    void newMethod();          // "Novo"
    void leaveCode();          // the code field left
    bool confirmMethod();      // "Confirme"
    void deleteMethod();       // "Excluir"
    void chooseRow(int row);   // the list

private:
    void reloadList();
    void showMethod(const PaymentMethod& m);

    std::unique_ptr<::Ui::TFormFPaga> ui;
    PaymentMethodStore m_store;
    std::vector<PaymentMethod> m_list;
    int m_row = 0;
};
