#pragma once
// "Pedido de Delivery": the delivery desk. Telephone orders are started by the
// customer's telephone (F2), their items added (F3) and deleted (F4), the delivery
// man (F8) and the area (F9) chosen, and the order deleted (F10) or handed to its
// printouts and invoicing (F5, F6, F7). Opened maximised; nothing is passed in.
//
// While the cash shift is closed (read from the database when the desk shows and
// on "F11-Atualiza tela") the order and item actions are refused, by key as by click.
#include "delivery/DeliveryOrders.h"
#include "delivery/DeliveryRegisters.h"
#include "delivery/DeskActions.h"

#include <QDialog>
#include <memory>
#include <optional>

namespace Ui { class TFormPedDelivery; }
class QLabel;
class QLineEdit;
class QTableWidget;
class RibbonBar;

class TFormPedDelivery : public QDialog {
    Q_OBJECT
public:
    explicit TFormPedDelivery(TLogon& logon, std::unique_ptr<DeskActions> actions = makeDeskActions(),
                              QWidget* parent = nullptr);
    ~TFormPedDelivery() override;

    // The order shown in the label row (none when the list is empty).
    const std::optional<DeskOrder>& shownOrder() const { return m_shown; }
    const std::vector<DeskOrder>& listedOrders() const { return m_orders; }
    const std::vector<DeskItem>& shownItems() const { return m_items; }
    bool cashOpen() const { return m_cashOpen; }
    QString labelText(const char* name) const;
    QLineEdit* phoneField() const;
    QTableWidget* orderGrid() const;
    QTableWidget* itemGrid() const;
    QTableWidget* manList() const;
    QTableWidget* areaList() const;
    QWidget* newOrderPanel() const;
    RibbonBar* ribbon() const { return m_ribbon; }

public slots:
    // When the desk first shows: the cash gate, then the list's first order.
    void deskShown();
    void newOrder();          // F2
    void confirmPhone();      // F4 of the new-order panel
    void searchCustomer();    // F2 of the new-order panel
    void cancelPhone();       // F3 of the new-order panel
    void addItems();          // F3
    void deleteItem();        // F4
    void productionTickets(); // F5
    void deliveryNote();      // F6
    void invoice();           // F7
    void chooseDeliveryMan(); // F8
    void chooseArea();        // F9
    void deleteOrder();       // F10
    void refresh();           // "F11-Atualiza tela"
    void manChosen();         // the delivery-man list: a row chosen
    void areaChosen();        // the area list: a row chosen
    void showRow(int row);    // the order of a row of the order list
    void ribbonAction(const QString& caption);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildRibbon();
    void readCash();
    bool cashGate();
    void reload(std::optional<qint64> keep, DeliveryOrders::Order order = DeliveryOrders::Order::ByNumber);
    void showItems();
    void clearLabels();
    void placePanels();
    void hidePanels();
    bool panelShown() const;
    void runAction(void (DeskActions::*action)(TLogon&, const DeskHandOver&));
    void say(const QString& text);

    std::unique_ptr<::Ui::TFormPedDelivery> ui;
    TLogon& m_logon;
    DeliveryOrders m_store;
    std::unique_ptr<DeskActions> m_actions;
    RibbonBar* m_ribbon = nullptr;
    std::vector<DeskOrder> m_orders;
    std::vector<DeskItem> m_items;
    std::optional<DeskOrder> m_shown;
    std::vector<DeliveryMan> m_men;
    std::vector<DeliveryArea> m_areas;
    bool m_cashOpen = false;
    bool m_shownOnce = false;
    bool m_filling = false;
    bool m_choosing = false;
};
