#pragma once
// "Balancete por Cliente (Saida)": a customer's ledger rows of a period, day by
// day, at cost, sale price or average cost; previewed as TFormBalCliQui, the window
// staying open.
#include "reports/ReportDialogs.h"

#include <memory>

namespace Ui { class TFormBalCli; }

class TFormBalCli : public PeriodReportDialog {
    Q_OBJECT
public:
    explicit TFormBalCli(TLogon& logon, QWidget* parent = nullptr);
    ~TFormBalCli() override;

    QStringList customers() const;
    void chooseCustomer(int index);
    void chooseValuation(int index);   // 0 cost, 1 sale price, 2 average cost

protected:
    void report(const QString& first, const QString& last) override;

private:
    std::unique_ptr<::Ui::TFormBalCli> ui;
};
