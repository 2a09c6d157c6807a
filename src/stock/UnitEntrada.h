#pragma once
// "Listagem de Entrada no estoque": the ledger's entries of a period, of every
// invoice or one, previewed (as TFormEntQui); the window closes after.
#include "stock/StockReportWindow.h"

class TFormEntrada : public StockReportWindow {
    Q_OBJECT
public:
    explicit TFormEntrada(TLogon& logon, QWidget* parent = nullptr);

protected:
    void makeReport() override;
};
