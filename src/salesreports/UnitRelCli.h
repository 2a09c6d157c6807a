#pragma once
// "Relação de Clientes": the customer list, sorted by name, previewed (as
// TFormListCliQui); the window closes after.
#include "salesreports/RegisterListWindow.h"

class TFormRelCli : public RegisterListWindow {
    Q_OBJECT
public:
    explicit TFormRelCli(TLogon& logon, QWidget* parent = nullptr);
};
