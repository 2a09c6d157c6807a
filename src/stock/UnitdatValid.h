#pragma once
// "Relatório de Produto por data de validade": the products whose validity date
// has come by the day asked for and that still have stock then, as roll text in the
// preview ("Mini Impressora") or as a page report (TFormDatValidQ, "Normal Papel
// A4"); the window closes after.
#include "stock/StockReportWindow.h"

class TFormDatValid : public StockReportWindow {
    Q_OBJECT
public:
    explicit TFormDatValid(TLogon& logon, QWidget* parent = nullptr);

protected:
    void makeReport() override;
};
