#pragma once
// ".: Alteração de Lançamento :.": changes the entry chosen in the main window (AccountBookEntryWindow).
#include "finance/AccountBookEntryWindow.h"

class TFormAlterarx : public AccountBookEntryWindow {
    Q_OBJECT
public:
    TFormAlterarx(TLogon& logon, const std::optional<BookEntry>& entry, QWidget* parent = nullptr);
};
