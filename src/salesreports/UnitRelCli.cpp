#include "salesreports/UnitRelCli.h"

TFormRelCli::TFormRelCli(TLogon& logon, QWidget* parent)
    : RegisterListWindow(logon, registerlists::Register::Customers, parent)
{
}
