#pragma once
// ".: Exclusão de Lançamento :.": deletes the entry chosen in the main window
// after asking (AccountBookEntryWindow).
#include "finance/AccountBookEntryWindow.h"

class TFormExcluirx : public AccountBookEntryWindow {
    Q_OBJECT
public:
    TFormExcluirx(TLogon& logon, const std::optional<BookEntry>& entry, QWidget* parent = nullptr);
};
