#pragma once
// What a sale needs of a customer typed by code: the name and whether the customer
// is blocked for sales on credit.
#include <QString>
#include <optional>

class TLogon;

struct CustomerCard {
    qint64 code = 0;
    QString name;
    bool blocked = false;   // BLOQUEIO "S"
};

// The customer of a code; nullopt when no customer has it. DbError when the
// database fails.
std::optional<CustomerCard> customerByCode(TLogon& logon, qint64 code);
// The walk-in customer (code 1), the one a sale falls back to.
std::optional<CustomerCard> walkInCustomer(TLogon& logon);
