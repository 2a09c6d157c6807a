#pragma once
// ".: Relatório de despesas :.": the daily expenses of a range of cash shifts, on the
// roll (previewed) or on a page by cost centre (TFormDespQui); the window closes after.
#include "reports/ReportDialogs.h"

#include <memory>

namespace Ui { class TFormRelDesp; }

class TFormRelDesp : public ShiftListingDialog {
    Q_OBJECT
public:
    explicit TFormRelDesp(TLogon& logon, QWidget* parent = nullptr);
    ~TFormRelDesp() override;

protected:
    void report(const QString& first, const QString& last, bool page) override;

private:
    std::unique_ptr<::Ui::TFormRelDesp> ui;
};
