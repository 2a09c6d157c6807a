#pragma once
// "Fechar Comanda": the bill of a tab, its payments and "F11- Pagamento Comanda".
// The window shows what BillComputation computes from its fields, keeps the
// payment lines in a PaymentEntry and hands the closing to TabClosing.
#include "closing/BillComputation.h"
#include "closing/ClosingSettings.h"
#include "closing/OutsideErpExport.h"
#include "closing/PaymentEntry.h"
#include "closing/TabClosing.h"
#include <QDialog>
#include <memory>

namespace Ui { class TFormFecCom; }
class TLogon;

class TFormFecCom : public QDialog {
    Q_OBJECT
public:
    // Opens on the tab in LookupCode, as the sales screen leaves it.
    explicit TFormFecCom(TLogon& logon, QWidget* parent = nullptr);
    ~TFormFecCom() override;

    // What the opener fills: the tab + " - " + the customer's name, and the tabs paid together.
    void setTabCaption(const QString& caption);
    void setJoinedTabs(const QStringList& tabs) { m_joinedTabs = tabs; }

    Ui::TFormFecCom& ui() { return *m_ui; }
    const Bill& bill() const { return m_bill; }
    const PaymentEntry& payments() const { return m_entry; }
    qint64 saleNumber() const { return m_saleNumber; }
    void setClosingClock(std::function<QDateTime()> clock) { m_clock = std::move(clock); }

public slots:
    void recompute();
    void servicePercentLeft();
    void serviceValueLeft();
    void personsLeft();
    void coverPerPersonLeft();
    void discountLeft();
    void paymentCodeEntered();
    void paymentCodeLeft();
    void paymentRowChosen(int row);
    void confirmPayment();
    void customerLeft();
    void lookUpCustomer();
    void dueDateLeft();
    void daysLeft();
    void returnWithoutClosing();
    void payAndClose();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void showBill();
    void showPayments();
    void readyForCash();
    int customerCode() const;

    TLogon& m_logon;
    std::unique_ptr<Ui::TFormFecCom> m_ui;
    QString m_tab;
    QStringList m_joinedTabs;
    TabSnapshot m_snapshot;
    ClosingSettings m_settings;
    PaymentEntry m_entry;
    Bill m_bill;
    int m_salesOptions = 0, m_itemOptions = 0;
    qint64 m_saleNumber = 0;
    std::function<QDateTime()> m_clock;
    OutsideErpExport m_erp;   // LoginGdoor: the outside ERP's connection of this window
};
