#pragma once
// ".: Estoque Atual - Impressão Rapida :.": the stock of every product of every
// group or one, valued at cost or sale price, with group and grand totals, printed
// at once or previewed (as TFormRapQui). It first sets the products' stored stock
// columns to 0. The window closes after the report; a printer that takes no job is
// said, and the window stays.
#include "stock/StockReportWindow.h"

class TFormImpRap : public StockReportWindow {
    Q_OBJECT
public:
    explicit TFormImpRap(TLogon& logon, QWidget* parent = nullptr);

protected:
    void makeReport() override;
};
