#include "finance/UnitRelBaixaX.h"

TFormRelBaixaX::TFormRelBaixaX(TLogon& logon, QWidget* parent)
    : PayablesListingWindow(logon, PayablesListingKind::Paid, parent)
{
}
