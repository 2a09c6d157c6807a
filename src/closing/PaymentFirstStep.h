#pragma once
// The first step of paying a tab ("Recebimentos"): whether the cover charge and
// the service charge are charged, stored on the tab for the payment window.
#include <QString>

class TLogon;

// A table or tab number as the payment windows read it: a whole number becomes six digits ("000012"),
// anything else is only trimmed, and an empty one is "0".
QString paymentTabKey(const QString& typed);
// A key the CABMESA table can hold (at most 30 characters the database's
// character set has); any other key names no tab.
bool storableTabKey(const QString& tab);
// "N" stays "N" (any letter case, blanks around); anything else is charged, "S".
QString normaliseSwitch(const QString& typed);
// Delivery tabs are numbered above 1000000.
bool isDeliveryTab(const QString& tab);

struct ChargeSwitches {
    QString cover = QStringLiteral("N");
    QString service = QStringLiteral("N");
    bool locked = false;   // ItemOptions bit 32: no change at payment
};

class PaymentFirstStep {
public:
    explicit PaymentFirstStep(TLogon& logon) : m_logon(logon) {}
    // The switches the window starts with for a tab.
    ChargeSwitches presets(const QString& tab);
    // Leaving the tab field: a pre-billed tab brings its stored answers.
    void tabChanged(const QString& tab, ChargeSwitches& switches);
    // Stores the answers on the tab (when it exists). Returns whether it exists.
    bool confirm(const QString& tab, const QString& cover, const QString& service);

private:
    TLogon& m_logon;
};
