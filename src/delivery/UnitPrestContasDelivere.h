#pragma once
// "Prestação de Contas de Entregas (Delivery)": the cashier picks a delivery of a
// tab, checks what the delivery man hands over against the order value (a
// shortage is confirmed first) and confirms: the delivery moves into DELIFIC.
// No control opens it; it is registered by its class name.
#include "delivery/DeliverySettlement.h"

#include <QDialog>
#include <memory>

namespace Ui { class TFormPCEDelivere; }
class FieldEvents;
class QLineEdit;
class QTableWidget;

class TFormPCEDelivere : public QDialog {
    Q_OBJECT
public:
    explicit TFormPCEDelivere(TLogon& logon, QWidget* parent = nullptr);
    ~TFormPCEDelivere() override;

    QTableWidget* grid() const;
    QLineEdit* handedOverField() const;
    QString customerText() const;
    QString orderValueText() const;

public slots:
    void select(int row);      // a delivery picked in the grid
    bool handedOverLeft();     // false when the cashier does not confirm a shortage
    void confirm();            // "&Confirmar"
    void refresh();

private:
    std::unique_ptr<::Ui::TFormPCEDelivere> ui;
    TLogon& m_logon;
    DeliverySettlement m_store;
    FieldEvents* m_fields = nullptr;
    std::vector<PendingDelivery> m_rows;
    int m_selected = -1;
    QString m_acceptedShortage;   // the amount whose shortage the cashier confirmed
};
