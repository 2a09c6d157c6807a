#pragma once
// The lookup windows as one call each. Every call shows its window modally
// through the dialog seam and returns what the window leaves behind; the
// program-wide LookupCode (and ProductLookupCode) are set as the windows always
// set them, for the windows that read them from there.

#include <QString>

class TLogon;

// The chosen customer's code; an empty text when the window was closed without a
// choice (never "0").
QString chooseCustomer(TLogon& logon);
// The code of the list's current row however the window was closed (a kit comes
// back as its plain code); "0" when the list was empty.
QString chooseProduct(TLogon& logon);
// The code of the list's current row however the window was closed; an empty
// text when there are no suppliers.
QString chooseSupplier(TLogon& logon);
// The supplier search by letters of the name: the code of the list's current row
// however the window was closed; "0" when the list was empty.
QString findSupplier(TLogon& logon);
// The fractions window: what it leaves in LookupCode (a flavour list "/12/15/", or
// the code typed in its first box) and in ProductLookupCode (the list's
// description), trimmed; both empty when it was closed without a choice.
struct FractionsChoice {
    QString code;
    QString description;
};
FractionsChoice chooseFractions(TLogon& logon);
// The chosen cash-shift number; 0 when none was chosen (the picker's label read
// the way its openers read it: its first five characters, 0 when not a number).
int chooseCashShift(TLogon& logon);
