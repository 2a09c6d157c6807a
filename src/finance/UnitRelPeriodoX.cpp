#include "finance/UnitRelPeriodoX.h"

TFormRelPeriodoX::TFormRelPeriodoX(TLogon& logon, QWidget* parent)
    : PayablesListingWindow(logon, PayablesListingKind::ByDueDate, parent)
{
}
