#pragma once
// "Ponto Fedelidade": a customer's loyalty points, the redemption voucher and the
// points taken away (LoyaltyVoucher in CounterReports).
#include "sales/CounterReports.h"

#include <QDialog>
#include <memory>
#include <optional>

namespace Ui { class TFormFidelidade; }
class TLogon;

class TFormFidelidade : public QDialog {
    Q_OBJECT
public:
    explicit TFormFidelidade(TLogon& logon, QWidget* parent = nullptr);
    ~TFormFidelidade() override;
    Ui::TFormFidelidade* form() const { return ui.get(); }
    void showCustomer(int code);

public slots:
    void search();
    void redeem();

private:
    std::unique_ptr<Ui::TFormFidelidade> ui;
    TLogon& m_logon;
    std::optional<LoyaltyCustomer> m_customer;
};
