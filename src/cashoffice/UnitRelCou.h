#pragma once
// "Relatorio Couver / Show": the couvert of each sale in a range of cash shifts, on
// the roll (previewed) or on a page (TFormRelCouQui); the window closes after.
#include "reports/ReportDialogs.h"

#include <memory>

namespace Ui { class TFormRelCou; }

class TFormRelCou : public ShiftListingDialog {
    Q_OBJECT
public:
    explicit TFormRelCou(TLogon& logon, QWidget* parent = nullptr);
    ~TFormRelCou() override;

protected:
    void report(const QString& first, const QString& last, bool page) override;

private:
    std::unique_ptr<::Ui::TFormRelCou> ui;
};
