#pragma once
// "Balancete Mensal": the stock balance of a period for every group or one,
// printed at once or previewed (as TFormBal); the window closes after the report; a
// printer that takes no job is said, and the window stays.
#include "stock/StockReportWindow.h"

class TFormBalMen : public StockReportWindow {
    Q_OBJECT
public:
    explicit TFormBalMen(TLogon& logon, QWidget* parent = nullptr);

protected:
    void makeReport() override;
};
