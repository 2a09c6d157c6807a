#pragma once
// "Relatorio de Saida" of kits: the kits ranked by the quantity sold in a period;
// previewed as TFormKitVendQui, the window closing after.
#include "reports/ReportDialogs.h"

#include <memory>

namespace Ui { class TFormKitVend; }

class TFormKitVend : public PeriodReportDialog {
    Q_OBJECT
public:
    explicit TFormKitVend(TLogon& logon, QWidget* parent = nullptr);
    ~TFormKitVend() override;

protected:
    void report(const QString& first, const QString& last) override;

private:
    std::unique_ptr<::Ui::TFormKitVend> ui;
};
