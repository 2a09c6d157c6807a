#pragma once
// "Listagem de Titulos Emitidos": a listing of payable titles (PayablesListingWindow).
#include "finance/PayablesListingWindow.h"

class TFormRelEmiX : public PayablesListingWindow {
    Q_OBJECT
public:
    explicit TFormRelEmiX(TLogon& logon, QWidget* parent = nullptr);
};
