#include "finance/UnitEntradax.h"

TFormEntradax::TFormEntradax(TLogon& logon, qint64 account, QWidget* parent)
    : AccountBookEntryWindow(logon, Mode::Insert, account, std::nullopt, parent)
{
}
