#pragma once
// "Dados do Cliente" (CLIENTE DELIVERY): the name and address of a delivery
// customer, checked and corrected while his order is taken. Closing it by the
// close box saves nothing; Esc does not close it (what was typed stays).
#include "delivery/DeliveryCustomer.h"

#include <QDialog>
#include <memory>

namespace Ui { class TFormVerCliente; }
class QLineEdit;

class TFormVerCliente : public QDialog {
    Q_OBJECT
public:
    explicit TFormVerCliente(TLogon& logon, QWidget* parent = nullptr);
    ~TFormVerCliente() override;

    // The opener fills the window with the customer's row (the note stays empty).
    void setCustomer(const DeliveryCustomerData& data);
    enum Field { Name, Address, District, City, State, Reference, Note };
    QLineEdit* field(Field f) const;

public slots:
    bool confirm();   // "Confirme"

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::unique_ptr<::Ui::TFormVerCliente> ui;
    DeliveryCustomers m_store;
    qint64 m_code = 0;
};
