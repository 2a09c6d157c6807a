#include "finance/UnitRelCli.h"

TFormRelCli::TFormRelCli(TLogon& logon, QWidget* parent)
    : RegisterListWindow(logon, registerlists::Register::Customers, parent)
{
}
