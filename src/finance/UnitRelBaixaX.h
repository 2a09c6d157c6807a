#pragma once
// "Listagem de Titulos  Baixados": a listing of payable titles (PayablesListingWindow).
#include "finance/PayablesListingWindow.h"

class TFormRelBaixaX : public PayablesListingWindow {
    Q_OBJECT
public:
    explicit TFormRelBaixaX(TLogon& logon, QWidget* parent = nullptr);
};
