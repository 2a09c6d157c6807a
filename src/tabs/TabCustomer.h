#pragma once
// The customer of a tab: the customer register or the customer lookup leaves a
// code in LookupCode, and the tab (of the sales screen's table field, or of the
// payment window) takes it.
#include <QString>
#include <optional>

class TLogon;

class TabCustomer {
public:
    explicit TabCustomer(TLogon& logon) : m_logon(logon) {}
    // The customer's name, nullopt when no customer has that code (or it is no code).
    std::optional<QString> customerName(const QString& code);
    // Sets CABMESA.CLIENTE of the tab; false when the code is no customer's or no
    // open tab has that key (nothing written).
    bool attach(const QString& tabKey, const QString& code);
    // The name of the tab's customer; empty when it has none.
    QString nameOfTabCustomer(const QString& tabKey);

private:
    TLogon& m_logon;
};
