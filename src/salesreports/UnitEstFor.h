#pragma once
// "Relatório por Fornecedor": a supplier's products that moved in a period,
// previewed as TFormBalFor; the window closes after the preview.
#include "reports/ReportDialogs.h"

#include <memory>

namespace Ui { class TFormEstFor; }

class TFormEstFor : public PeriodReportDialog {
    Q_OBJECT
public:
    explicit TFormEstFor(TLogon& logon, QWidget* parent = nullptr);
    ~TFormEstFor() override;

    QStringList suppliers() const;
    void setSupplierText(const QString& text);

protected:
    void report(const QString& first, const QString& last) override;

private:
    std::unique_ptr<::Ui::TFormEstFor> ui;
};
