#pragma once
// "Pedido de Delivery  N.": a delivery order taken on one screen. The customer is
// found, or registered, by his telephone; items are added by code, the product
// lookup, a scale's price label, the fractions window ("/"), with a size and the
// extras of the product; the delivery man, the area and up to three payments are
// chosen; the kitchen ticket and the delivery ticket are printed, and the order is
// closed as a sale when the delivery man comes back.
//
// No menu opens this window: it is registered by its class name only. Whoever
// opens it gives the number of an order to resume, or none (0) for a new order,
// which is created when the window first shows.
#include "delivery/DeliveryItemEntry.h"
#include "delivery/DeliveryRegisters.h"
#include "delivery/SingleOrder.h"
#include "registers/PaymentMethodStore.h"

#include <QDialog>
#include <memory>
#include <optional>

namespace Ui { class TFormCadPedDeli; }
class FieldEvents;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QTableWidget;

class TFormCadPedDeli : public QDialog {
    Q_OBJECT
public:
    explicit TFormCadPedDeli(TLogon& logon, qint64 orderId = 0, QWidget* parent = nullptr);
    ~TFormCadPedDeli() override;

    qint64 orderId() const { return m_orderId; }
    const std::vector<SingleOrderItem>& items() const { return m_items; }
    const std::optional<ItemInHand>& item() const { return m_item; }

    enum class Field { Phone, Ddd, Name, Address, District, Cep, City, State, Reference, Observation,
                       Code, Product, Quantity, Price, Extra, Amount1, Amount2, Amount3 };
    QLineEdit* field(Field f) const;
    QComboBox* deliveryManBox() const;
    QComboBox* areaBox() const;
    QComboBox* sizeBox() const;
    QComboBox* methodBox(int k) const;
    QTableWidget* itemGrid() const;
    QTableWidget* extrasGrid() const;
    QCheckBox* cashierPrinterBox() const;
    QWidget* extrasPanel() const;
    QWidget* paymentPanel() const;
    QString labelText(const char* name) const;

public slots:
    void windowShown();         // the first show: creates or resumes the order
    void phoneLeft();           // the telephone is left
    void searchCustomer();      // the picture beside the telephone
    void codeEntered();
    void codeLeft();
    void searchProduct();       // the picture beside the code
    void sizeLeft();
    void openExtras();          // "Poçoes"
    void toggleExtra(int row);  // a double click on an extra
    void addExtra();            // "Incluir Complementos"
    void extrasDone();          // "Incluir"
    bool confirmItem();         // "Confirma"
    void deleteItem();          // "&Excluir"
    void openPayments();        // "Forma de Pagamento"
    void amountLeft(int k);     // an amount of the payment panel is left
    bool confirmPayments();     // "Confirmar" of the payment panel
    void kitchenTicket();       // "Imprimir para &Cozinha"
    void deliveryTicket();      // "&Imprimir para Entrega"
    bool closeOrder();          // "&Finalizar Retorno/Pagamento"
    void leave();               // "Sair"

protected:
    void showEvent(QShowEvent* event) override;
    void reject() override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void loadLists();
    void loadMethods();
    void showOrder();
    void showCustomer(const DeliveryCustomerData& c);
    void clearItem();
    void showExtras();
    void recompute();
    SingleOrderHeader header() const;
    bool saveScreen();
    Decimal areaFee() const;
    QString deliveryManName() const;
    std::optional<std::array<Decimal, 3>> typedAmounts();
    void showChange(const std::array<Decimal, 3>& amounts);
    void say(const QString& text);
    void panelFocusChanged(QWidget* now);
    bool refusedOrFailed(const std::function<void()>& work);

    std::unique_ptr<::Ui::TFormCadPedDeli> ui;
    TLogon& m_logon;
    SingleOrders m_orders;
    DeliveryItemEntry m_entry;
    FieldEvents* m_events = nullptr;
    qint64 m_orderId = 0;
    bool m_started = false;
    bool m_closing = false;        // the window is going: no more saves
    int m_salesOptions = 0;
    int m_itemOptions = 0;
    SingleOrderRow m_order;
    std::vector<SingleOrderItem> m_items;
    std::optional<ItemInHand> m_item;
    qint64 m_customerCode = 0;     // the telephone whose customer the fields show
    std::vector<DeliveryMan> m_men;
    std::vector<DeliveryArea> m_areas;
    std::vector<PaymentMethod> m_methods;
};
