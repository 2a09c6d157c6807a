#pragma once
// "Listagem por Fornecedor": a listing of payable titles (PayablesListingWindow).
#include "finance/PayablesListingWindow.h"

class TFormRelPorCliX : public PayablesListingWindow {
    Q_OBJECT
public:
    explicit TFormRelPorCliX(TLogon& logon, QWidget* parent = nullptr);
};
