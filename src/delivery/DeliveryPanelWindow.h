#pragma once
// The borderless, centred payment panel the delivery note (TFormVenRapidaPre) and
// the invoicing (TFormVenRapida) share: the sale value, the delivery fee and the
// sub-total, up to ten payment methods, the discount (invoicing only, F4 in money
// and F5 in per cent behind the supervisor prompt), the change or what is missing,
// and "(F3) Imprimir", whose checks run here before the window's own action.
// The desk fills it (setOrder) and shows it modally; Esc or "(ESC)" closes it with
// nothing written.
#include "delivery/DeliveryPaymentPanel.h"
#include "delivery/DeskActions.h"

#include <QDialog>
#include <functional>
#include <memory>

namespace Ui { class DeliveryPanelWindow; }
class FieldEvents;
class QLabel;
class QLineEdit;
class QPushButton;
class TLogon;

class DeliveryPanelWindow : public QDialog {
    Q_OBJECT
public:
    ~DeliveryPanelWindow() override;

    // What the desk hands over: the order, its items, the hand-over list and the
    // total as it shows it. Reads the payment methods and opens the panel.
    void setOrder(const DeskHandOver& order);

    const DeliveryPaymentPanel& panel() const { return m_panel; }
    QLineEdit* amountField(int i) const;
    QLineEdit* feeField() const;
    QLineEdit* percentField() const;
    QLineEdit* discountField() const;
    QLineEdit* messageField() const;
    QPushButton* printButton() const;
    QWidget* discountRow() const;
    QString methodCaption(int i) const;
    bool methodShown(int i) const;
    bool methodGrey(int i) const;
    QString labelText(const char* name) const;

public slots:
    void print();               // F3 "(F3) Imprimir"
    void discountInMoney();     // F4
    void discountInPercent();   // F5

protected:
    DeliveryPanelWindow(TLogon& logon, bool takesDiscount, const QString& header, QWidget* parent);
    // The window's own print action, once the checks passed and the keys are off;
    // true when the window closed, false to take keys again (nothing was written).
    virtual bool run() = 0;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // The panel with what the fields hold now.
    DeliveryPaymentPanel& readFields();
    // The window's write (one action): a refusal shows its message and, when it
    // says the order is no longer on the desk, closes the window; a database
    // failure shows the error box. Then, once written, the printing (a failure
    // reported, the write stays) and the window closes. The result is run()'s.
    bool writeThenPrint(const std::function<void()>& write, const QString& orderGone,
                        const std::function<void()>& print);
    void say(const QString& text);

    TLogon& m_logon;
    DeskHandOver m_order;
    std::vector<HandOverLine> m_lines;   // the hand-over list less its fee line

private:
    void showFields();
    void totalsLeft(QLineEdit* field);
    void percentLeft();
    void discountLeft();
    void refuse(QLineEdit* field);
    // F4 and F5: the supervisor prompt, and a user whose rights carry the value 1.
    bool discountAuthorised();
    QLineEdit* invalidField() const;

    std::unique_ptr<::Ui::DeliveryPanelWindow> ui;
    DeliveryPaymentPanel m_panel;
    FieldEvents* m_fields = nullptr;
    const bool m_takesDiscount;
    bool m_keysOn = true;
};
