#include "finance/UnitAlterarx.h"

TFormAlterarx::TFormAlterarx(TLogon& logon, const std::optional<BookEntry>& entry, QWidget* parent)
    : AccountBookEntryWindow(logon, Mode::Change, 0, entry, parent)
{
}
