#pragma once
// ".: Incluir Lançamento :.": inserts entries into the current account and stays
// open for the next one (AccountBookEntryWindow).
#include "finance/AccountBookEntryWindow.h"

class TFormEntradax : public AccountBookEntryWindow {
    Q_OBJECT
public:
    TFormEntradax(TLogon& logon, qint64 account, QWidget* parent = nullptr);
};
