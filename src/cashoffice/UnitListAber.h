#pragma once
// ": Listagem Abertura de Caixa :": the opening float of each cash shift of a range,
// on the roll (previewed) or on a page (TFormListAberQui); the window closes after.
#include "reports/ReportDialogs.h"

#include <memory>

namespace Ui { class TFormListAber; }

class TFormListAber : public ShiftListingDialog {
    Q_OBJECT
public:
    explicit TFormListAber(TLogon& logon, QWidget* parent = nullptr);
    ~TFormListAber() override;

protected:
    void report(const QString& first, const QString& last, bool page) override;

private:
    std::unique_ptr<::Ui::TFormListAber> ui;
};
