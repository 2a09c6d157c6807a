#pragma once
// The key of a table or tab (CABMESA.MESA) as the boxes that name one read it:
// one reader, with the few rules in which the boxes differ.
#include <QString>

namespace tabs {

struct TabKeyRules {
    bool upperCase = false;          // what was typed is read in capitals
    bool emptyIsZero = false;        // nothing typed names table "0"
    bool zeroNamesNothing = false;   // "0" and "000000" name no tab
    bool padShortOnly = false;       // only numbers of fewer than six characters get six digits
    bool roundsDecimals = false;     // a decimal number is rounded to a whole one ("12,6" → "000013")
                                     // and any other text is kept as typed
    bool plainKey = false;           // "(F)" keeps characters 4 to 13; accents are taken off

    // The sales screen's table field: "0" and "000000" are nothing, a whole number
    // of fewer than six characters gets six digits, "(F)" keeps characters 4 to 13,
    // upper case without accents, trimmed. Empty when nothing is left.
    static TabKeyRules salesScreen() { return {true, false, true, true, false, true}; }
    // The payment windows' tab box: a whole number becomes six digits ("000012"),
    // anything else is only trimmed, and an empty one is "0".
    static TabKeyRules paymentWindow() { return {false, true}; }
    // The tab-upkeep boxes: a whole number becomes six digits, anything else is only trimmed.
    static TabKeyRules upkeepBox() { return {}; }
    // The reopening's tab box: a number rounded to a whole one, six digits; other text as typed.
    static TabKeyRules reopenBox() { return {false, false, false, false, true}; }
};

// The key for what was typed in a box that names a table or tab. A whole number is
// written with the mask "000000" (12 → "000012", -5 → "-000005").
QString readTabKey(const QString& typed, const TabKeyRules& rules);

// A key the CABMESA table can hold (at most 30 characters the database's
// character set has); any other key names no tab.
bool storableTabKey(const QString& tab);
// Delivery tabs are numbered above 1000000.
bool isDeliveryTab(const QString& tab);

// The refusal of an action on a tab that is not open.
inline QString tabNotFound() { return QStringLiteral("|     Comanda não Localizada      |"); }

} // namespace tabs
