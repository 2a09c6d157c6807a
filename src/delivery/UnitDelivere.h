#pragma once
// "Deliverey" (Informações Delivery): the delivery data of a tab, asked by the
// pre-bill of a delivery tab. Closing it by the close box writes nothing.
#include "closing/TabDeliveryForm.h"
#include "delivery/TabDelivery.h"

#include <QDialog>
#include <memory>
#include <optional>

namespace Ui { class TFormDelivere; }
class QComboBox;
class QLabel;
class QLineEdit;

class TFormDelivere : public QDialog, public TabDeliveryForm {
    Q_OBJECT
public:
    explicit TFormDelivere(TLogon& logon, QWidget* parent = nullptr);
    ~TFormDelivere() override;

    // TabDeliveryForm
    void setTab(const QString& tab, const QString& caption, const Decimal& orderValue) override;
    QStringList notes() const override;
    QString controlNumber() const override;

    QComboBox* manBox() const;
    QComboBox* areaBox() const;
    QComboBox* paymentBox() const;
    QLineEdit* amountField() const;
    QLineEdit* timeField() const;
    QLineEdit* noteField(int line) const;   // 1 to 3
    QString customerText() const;
    QString totalText() const;
    QString changeText() const;

public slots:
    void areaLeft();       // the fee and the total follow the area
    // The change; false when the amount is below the order value (with warn: the
    // message, and the focus back in the amount).
    bool amountLeft(bool warn = true);
    void chooseCustomer(); // "Clientes"
    bool confirm();        // "&Confirmar"

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Decimal fee() const;

    std::unique_ptr<::Ui::TFormDelivere> ui;
    TLogon& m_logon;
    TabDelivery m_data;
    QString m_tab;
    Decimal m_orderValue;
    std::optional<qint64> m_customer;
};
