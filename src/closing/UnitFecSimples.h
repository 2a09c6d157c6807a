#pragma once
// "Fechamento para simples conferencia": the pre-bill of a tab.
#include "closing/PreBill.h"
#include <QDialog>
#include <memory>

namespace Ui { class TFormFecSimples; }
class TLogon;

class TFormFecSimples : public QDialog {
    Q_OBJECT
public:
    explicit TFormFecSimples(TLogon& logon, QWidget* parent = nullptr);
    ~TFormFecSimples() override;
    // The opener puts the tab and its heading (tab + " - " + customer) here.
    void setTab(const QString& tab, const QString& caption = QString());
    PreBill& preBill() { return m_preBill; }
public slots:
    void tabLeft();
    void personsLeft();
    void discountLeft();
    void printPreBill();
private:
    // The delivery data window of a delivery tab, between storing and printing.
    void askDeliveryData(PreBillFields& fields, const QString& tab, const Decimal& itemsValue);

    TLogon& m_logon;
    std::unique_ptr<Ui::TFormFecSimples> m_ui;
    PreBill m_preBill;
};
