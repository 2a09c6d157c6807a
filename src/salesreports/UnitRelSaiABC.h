#pragma once
// "Produtos mais Vendidos": the products ranked by the quantity that left stock in a
// period, for every waiter or one; previewed as TFormSaiQuiABC, the window closing after.
#include "reports/ReportDialogs.h"

#include <memory>

namespace Ui { class TFormRelSaiABC; }

class TFormRelSaiABC : public PeriodReportDialog {
    Q_OBJECT
public:
    explicit TFormRelSaiABC(TLogon& logon, QWidget* parent = nullptr);
    ~TFormRelSaiABC() override;

    QStringList waiters() const;
    void setWaiterText(const QString& text);

protected:
    void report(const QString& first, const QString& last) override;

private:
    std::unique_ptr<::Ui::TFormRelSaiABC> ui;
};
