#pragma once
// "Tabela de Venda": the price list of every group or one, previewed (as
// TFormVenQui); the window closes after.
#include "stock/StockReportWindow.h"

class TFormVenda : public StockReportWindow {
    Q_OBJECT
public:
    explicit TFormVenda(TLogon& logon, QWidget* parent = nullptr);

protected:
    void makeReport() override;
};
