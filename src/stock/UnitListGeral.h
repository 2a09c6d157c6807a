#pragma once
// "Listagem Geral dos Produtos": the product list of every group or one, previewed
// (as TFormLGeral); the window stays open for another list.
#include "stock/StockReportWindow.h"

class TFormListGeral : public StockReportWindow {
    Q_OBJECT
public:
    explicit TFormListGeral(TLogon& logon, QWidget* parent = nullptr);

protected:
    void makeReport() override;
};
