#include "finance/UnitRelPorCliX.h"

TFormRelPorCliX::TFormRelPorCliX(TLogon& logon, QWidget* parent)
    : PayablesListingWindow(logon, PayablesListingKind::BySupplier, parent)
{
}
