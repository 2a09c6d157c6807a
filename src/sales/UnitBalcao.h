#pragma once
// ": Comandas :" — the sales screen: table buttons, opening a table or tab, the
// waiter and the items, their confirmation and kitchen tickets. The rules and the
// writes live in TabOpening, TabView, ItemEntry and ItemConfirmation; this window
// moves the focus, shows what they give and asks what they need.
#include "sales/ItemEntry.h"
#include "sales/SalesSetup.h"
#include "registers/TouchMenu.h"

#include <QDialog>
#include <memory>
#include <optional>
#include <vector>

namespace Ui { class TFormBalcao; }
class KitchenMonitorPage;
class QCheckBox;
class QLabel;
class QScrollArea;
class QTimer;
class ScalePanel;
class ScaleReader;
class QToolButton;
class QWidget;
class RibbonBar;
class TLogon;
class TouchKeypad;
namespace salesribbon { struct Button; }

class TFormBalcao : public QDialog {
    Q_OBJECT
public:
    explicit TFormBalcao(TLogon& logon, QWidget* parent = nullptr);
    ~TFormBalcao() override;

    // What a test or a caller reads.
    QString tabNumber() const;
    QString dueText() const;
    QString cashStateText() const;
    int itemLines() const;
    QToolButton* tableButton(int index, bool touchPanel = false) const;
    RibbonBar* ribbon() const { return m_ribbon; }

public slots:
    void refreshTableButtons();   // every open tab on its button
    void reloadItems();           // the item list of the tab in the table field
    void tabFieldEntered();
    void tabFieldLeft();          // opens or takes up the tab
    void waiterFieldEntered();
    void waiterFieldLeft();
    void codeFieldEntered();
    void codeFieldLeft();         // looks the product up
    void entryFieldEntered();     // quantity or price
    void confirmItem();           // [F2] Confirma
    void searchWaiter();          // [F10]
    void showGroup(const QString& group);       // a category button: its products and complements
    void searchProducts();                      // the search field of the touch page
    void touchProduct(const TouchButton& b);    // a product or kit button
    void touchComplement(const TouchButton& b); // a complement button
    void reloadCashState();
    void toggleKeypad();           // F3: the on-screen keyboard
    void preBill();                // F5: the pre-bill of the tab in the table field
    void payTab();                 // F9: the payment's first window, then the payment window
    void cancelItems();            // "Excluir Item"

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void done(int result) override;

public:
    // Tab service (BalcaoTabService.cpp): multi-flavour items and sizes, the
    // scale, the customer of a tab, the kitchen order, monitor and reprint, the
    // table reports, the free complement text.
    void printKitchenOrder();      // [F4]
    void sizeChosen();             // the size selector left: the price for that size
    void pollScale();              // every 500 ms: a weight for the focused quantity field
    void activateScale();          // the switch, one second after it changed
    void showWeight(const Decimal& weight);
    KitchenMonitorPage* kitchenMonitor() const { return m_monitorPage; }
    QCheckBox* scaleSwitch() const { return m_scaleSwitch; }
    ScalePanel* scalePanel() const { return m_scalePanel; }
    QString customerText() const;

private:
    // The steps of building the window, in order.
    void placeCounterPage();
    void setUpEntryFields();
    void setUpItemList();
    void setUpEntryPanel();
    void setUpComplements();
    void connectEntry();
    void connectPages();
    void loadSalesOptions();
    void fitTouchPage();
    void buildTouchPage();
    void setUpTabService();
    bool tabServiceAction(const salesribbon::Button& button);   // ribbon buttons of the tab service
    void priceFlavours();
    void fillSizes();
    void writeComplement();        // "ESCREVER"
    void showTabCustomer();
    void attachCustomer(bool lookup);
    void tableReport(bool withClosed);
    bool m_flavours = false;       // the code field holds a priced multi-flavour item
    KitchenMonitorPage* m_monitorPage = nullptr;
    QCheckBox* m_scaleSwitch = nullptr;
    ScalePanel* m_scalePanel = nullptr;
    ScaleReader* m_scale = nullptr;
    QTimer* m_scalePoll = nullptr;
    QTimer* m_scaleActivation = nullptr;
    QLabel* m_customerLabel = nullptr;

    void buildTableButtons();
    void layTableButtons(QScrollArea* area, const std::vector<QToolButton*>& buttons);
    void tableButtonClicked(QToolButton* button);
    void setComplements(const std::vector<ComplementRow>& rows);
    void showComplements();
    void placeComplements();   // over the item list while there are complements
    void clearEntry();
    void buildRibbon();
    // A window of another area, told the tab in the table field; the tab is shown again after it.
    void openWithTab(const QString& className, const QString& title);
    void buildGroupButtons();
    void fillButtons(QScrollArea* area, std::vector<QToolButton*>& into, const std::vector<TouchButton>& buttons,
                     bool complements);
    static void layButtons(QScrollArea* area, const std::vector<QToolButton*>& buttons, int width, int height);
    void ribbonAction(const salesribbon::Button& button);
    bool enterPressed(QObject* field);
    QString message(const QString& text, const QString& buttons = QStringLiteral("1"));

    std::unique_ptr<::Ui::TFormBalcao> ui;
    TLogon& m_logon;
    CashState m_cash;
    QString m_tableWord;
    std::vector<QToolButton*> m_tableButtons;   // the table-button page
    std::vector<QToolButton*> m_sideButtons;    // the touch page's side panel
    std::vector<ComplementRow> m_complements;
    std::optional<ProductInfo> m_product;       // the product chosen in the code field
    bool m_tabPending = false, m_waiterPending = false, m_codePending = false;
    RibbonBar* m_ribbon = nullptr;
    TouchKeypad* m_keypad = nullptr;
    std::vector<QToolButton*> m_groupButtons, m_productButtons, m_complementButtons;
};
