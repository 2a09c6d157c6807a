#include "finance/UnitExcluirx.h"

TFormExcluirx::TFormExcluirx(TLogon& logon, const std::optional<BookEntry>& entry, QWidget* parent)
    : AccountBookEntryWindow(logon, Mode::Delete, 0, entry, parent)
{
}
