#include "finance/UnitRelEmiX.h"

TFormRelEmiX::TFormRelEmiX(TLogon& logon, QWidget* parent)
    : PayablesListingWindow(logon, PayablesListingKind::Issued, parent)
{
}
