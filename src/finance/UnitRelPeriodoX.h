#pragma once
// "Listagem de Titulos por Periodo": a listing of payable titles (PayablesListingWindow).
#include "finance/PayablesListingWindow.h"

class TFormRelPeriodoX : public PayablesListingWindow {
    Q_OBJECT
public:
    explicit TFormRelPeriodoX(TLogon& logon, QWidget* parent = nullptr);
};
