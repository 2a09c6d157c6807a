#include "salesreports/UnitRelFor.h"

TFormRelFor::TFormRelFor(TLogon& logon, QWidget* parent)
    : RegisterListWindow(logon, registerlists::Register::Suppliers, parent)
{
}
