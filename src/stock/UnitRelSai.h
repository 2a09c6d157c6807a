#pragma once
// "Relatorio de Saida": the ledger's exits of a period, of every sale or one and of
// every product or one, previewed (as TFormSaiQui); the window closes after.
#include "stock/StockReportWindow.h"

class TFormRelSai : public StockReportWindow {
    Q_OBJECT
public:
    explicit TFormRelSai(TLogon& logon, QWidget* parent = nullptr);

protected:
    void makeReport() override;
};
