#pragma once
// "..:: Reimprimir Cupom ::..": the closed sales, and the receipt of the chosen one
// rebuilt from its stock-out rows into the preview (composeReprintedReceipt).
#include "sales/CounterReports.h"

#include <QDialog>
#include <memory>
#include <vector>

namespace Ui { class TFormReCupom; }
class TLogon;

class TFormReCupom : public QDialog {
    Q_OBJECT
public:
    explicit TFormReCupom(TLogon& logon, QWidget* parent = nullptr);
    ~TFormReCupom() override;
    Ui::TFormReCupom* form() const { return ui.get(); }
    int rows() const { return int(m_sales.size()); }

public slots:
    void reload();
    void reprint();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::unique_ptr<Ui::TFormReCupom> ui;
    TLogon& m_logon;
    std::vector<ClosedSaleRow> m_sales;
};
