#pragma once
// "Relatorio de taxa de serviço": one waiter's service fee of each sale in a range of
// cash shifts, on the roll (previewed) or on a page (TFormcomissaoQui); the window
// closes after.
#include "reports/ReportDialogs.h"

#include <memory>

namespace Ui { class TFormComissao; }

class TFormComissao : public ShiftListingDialog {
    Q_OBJECT
public:
    explicit TFormComissao(TLogon& logon, QWidget* parent = nullptr);
    ~TFormComissao() override;

    QStringList waiters() const;
    void chooseWaiter(int index);

protected:
    void report(const QString& first, const QString& last, bool page) override;

private:
    std::unique_ptr<::Ui::TFormComissao> ui;
};
