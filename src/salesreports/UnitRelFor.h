#pragma once
// "Relacao de Fornecedor": the supplier list, sorted by name, previewed (as
// TFormForQui); the window closes after.
#include "salesreports/RegisterListWindow.h"

class TFormRelFor : public RegisterListWindow {
    Q_OBJECT
public:
    explicit TFormRelFor(TLogon& logon, QWidget* parent = nullptr);
};
