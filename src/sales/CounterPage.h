#pragma once
// The counter page of the sales screen ("|  &Balcão  |"): items by code, scale
// label, kit, flavours, name search and touch buttons into the sale held in
// memory, the payment panel, and the closing. The rules live in CounterSale,
// CounterEntry and CounterClosing; this page moves the focus and shows them.
#include "sales/CounterEntry.h"
#include "sales/CounterSale.h"
#include "registers/TouchMenu.h"

#include <QWidget>
#include <memory>
#include <vector>

namespace Ui { class CounterPage; }
class QScrollArea;
class QToolButton;
class TLogon;

class CounterPage : public QWidget {
    Q_OBJECT
public:
    explicit CounterPage(TLogon& logon, QWidget* parent = nullptr);
    ~CounterPage() override;

    const CounterSale& sale() const { return m_sale; }
    QString totalText() const;
    QString saleKey() const { return m_saleKey; }
    bool paymentShown() const;
    Ui::CounterPage* form() const { return ui.get(); }

public slots:
    void codeLeft();              // handles the code typed
    void confirmItem();           // Confirma [F4]
    void deleteItem();            // [F5] Excluir
    void openPayment();           // [F9] Fecha Venda
    void closeSale();             // [F7] Confirmar Imprimir
    void percentDiscount();       // %[F8]
    void proposeAmount();
    // The payment code left (Enter, Tab or the mouse): the list shows the method of
    // that code, or the code shown becomes the list's method when no method has it.
    void methodCodeLeft();
    void recordPayment();         // Confirma pagamento
    void customerLeft();
    void searchCustomer();
    void searchProducts();
    void showGroup(const QString& group);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // The steps of building the page, in order.
    void setUpGrids();
    void placePaymentPanel();
    void connectButtons();
    void connectFields();
    void restoreStationChoices();
    void loadChoices();
    // While paying, the item entry and the product buttons give their room to the
    // payment panel; the items and the total stay in view.
    void showItemEntry(bool shown);
    std::vector<QWidget*> m_hiddenWhilePaying;
    QString message(const QString& text, const QString& buttons = QStringLiteral("1"));
    void showItems();
    void showPayments();
    void showBalance();
    void touchProduct(const TouchButton& b);
    void touchComplement(const TouchButton& b);
    void fillButtons(QScrollArea* area, std::vector<QToolButton*>& into, const std::vector<TouchButton>& buttons,
                     bool complements);
    void loadMethods();

    std::unique_ptr<Ui::CounterPage> ui;
    TLogon& m_logon;
    CounterSale m_sale;
    QString m_saleKey = QStringLiteral("Complementos");
    QString m_handledCode;        // the code the name and price belong to
    bool m_hasSizes = false;
    CounterCode m_code;           // what the code handling found
    std::vector<QToolButton*> m_groupButtons, m_productButtons, m_complementButtons;
};
