#pragma once
// ":: Listagem de Sangrias / Reforços ::": the withdrawals and top-ups of a range of
// cash shifts, on the roll (previewed) or on a page (TFormListSangQui); the window
// closes after.
#include "reports/ReportDialogs.h"

#include <memory>

namespace Ui { class TFormListSang; }

class TFormListSang : public ShiftListingDialog {
    Q_OBJECT
public:
    explicit TFormListSang(TLogon& logon, QWidget* parent = nullptr);
    ~TFormListSang() override;

protected:
    void report(const QString& first, const QString& last, bool page) override;

private:
    std::unique_ptr<::Ui::TFormListSang> ui;
};
