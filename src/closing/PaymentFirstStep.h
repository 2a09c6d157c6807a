#pragma once
// The first step of paying a tab ("Recebimentos"): whether the cover charge and
// the service charge are charged, stored on the tab for the payment window.
#include "tabs/TabKey.h"

#include <QString>

class TLogon;

// "N" stays "N" (any letter case, blanks around); anything else is charged, "S".
QString normaliseSwitch(const QString& typed);

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
