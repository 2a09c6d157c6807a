#pragma once
// The program-wide values every window reads, gathered by what they describe.
// They keep the names the stations' code has always used.

#include <QString>

namespace ctx {

// Who is working and what he may do.
struct Operator {
    QString OperatorName;        // the user who logged in, as stored
    QString OperatorIsMaster;    // his MASTER ("S" = supervisor)
    int LoginRights = 0;         // his SISTEMA mask; fixed after login
    int CurrentRights = 0;       // mask of the last authorisation (login, then each supervisor prompt)
    QString AuthoriserIsMaster;  // MASTER of the user the last prompt confirmed
    QString AuthoriserName;      // NOME of that user
    QString AccessUserName;      // the prompt's own copy of AuthoriserName
};

// The company header printed on receipts and reports (the single EMPRESA row).
struct Company {
    QString CompanyName, CompanyAddress, CompanyCity, CompanyState;
    QString CompanyCnpj, CompanyStateRegistration, CompanyPhone;
};

// This station.
struct Station {
    QString TerminalNumber;       // from terminal.ini, default "01"
    QString CondensedOnCode;      // printer pitch code report titles start with
    QString CancelQueryConstant;  // always "NIl"
    QString OutsideErpLink;       // "SIM" = the outside-ERP link is on
};

// What the last lookup window chose.
struct Lookup {
    QString LookupCode;
    QString ProductLookupCode;
};

Operator& op();
Company& company();
Station& station();
Lookup& lookup();

// Back to the values of a fresh start (tests).
void resetAll();

} // namespace ctx
