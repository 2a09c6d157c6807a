#pragma once
// "Listagem de Estoque Minimo": the products below their minimum stock, of every
// group or one, previewed (as TFormMinQui); the window closes after.
#include "stock/StockReportWindow.h"

class TFormEstMin : public StockReportWindow {
    Q_OBJECT
public:
    explicit TFormEstMin(TLogon& logon, QWidget* parent = nullptr);

protected:
    void makeReport() override;
};
