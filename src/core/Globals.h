#pragma once
// The program-wide values every window reads, gathered by what they describe.
// They keep the names the stations' code has always used.

#include <QString>
#include <QStringList>

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

// The sales screen's values, read by the payment, closing and delivery windows.
// They outlive the sales screen and are loaded again each time it opens.
struct Sales {
    int SalesOptions = 0;        // EMPRESA.SCC5
    int ItemOptions = 0;         // EMPRESA.SCC4
    int CashShiftNumber = 0;     // CONTCAIXA.CAIXA; 0 = the cash is closed
    QString CashShiftDate;       // CONTDATA.DATA of that shift, dd/mm/yy; empty when none
    QString DeliveryManText;     // the delivery man chosen for a tab
    int TouchAreaWidth = 0;      // screen width minus 724
    QString TabNumber;           // the sales screen's table field, for the windows it opens
    QStringList JuntaMesa;       // tabs paid together (filled by the payment's first window)
};

Operator& op();
Sales& sales();
Company& company();
Station& station();
Lookup& lookup();

// Back to the values of a fresh start (tests).
void resetAll();

} // namespace ctx
