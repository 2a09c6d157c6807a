#pragma once
// What the sales screen loads when it opens: the option words and the word for a
// table (EMPRESA), and the open cash shift into the sales globals.
#include <QString>

class TLogon;

struct CashState {
    int number = 0;
    QString date;
    QString numberText;   // "Caixa N. 0000008  14/03/26"
    QString stateText;    // "-- >  Caixa Aberto  <--" or "-- >  Caixa Fechado  <--"
    bool open() const { return number != 0; }
};

class SalesSetup {
public:
    explicit SalesSetup(TLogon& logon) : m_logon(logon) {}
    // SalesOptions and ItemOptions from EMPRESA; a blank TITULO becomes "MESA" in
    // the database. Returns the word for a table.
    QString loadOptions();
    // CashShiftNumber and CashShiftDate from CONTCAIXA and CONTDATA.
    CashState loadCashState();

private:
    TLogon& m_logon;
};
