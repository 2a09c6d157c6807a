#pragma once
// "Ficha de Movimento": the movement card of one product over a period, with its
// running stock, previewed (as TFormFicQui). Leaving the code reads the product
// ("Produto Nao Localizado" when none has it); "&Localizar" chooses it in the
// product lookup. The window stays open for the next card.
#include "stock/StockReportWindow.h"

class TFormFicMov2 : public StockReportWindow {
    Q_OBJECT
public:
    explicit TFormFicMov2(TLogon& logon, QWidget* parent = nullptr);
    QString productName() const;

public slots:
    void codeLeft();      // leaving "Codigo Produto"
    void lookUpProduct(); // "&Localizar"

protected:
    void makeReport() override;
};
