#pragma once
// What the lookup windows read: customers, products, suppliers and cash shifts.
// The typed text goes in as a bound value; the column searched is chosen from a
// fixed list, never from user text.

#include "registers/RegisterSql.h"

#include <optional>

class TLogon;

class LookupStore {
public:
    explicit LookupStore(TLogon& logon) : m_logon(logon) {}

    enum class CustomerField { Name, Address, Phone };
    // At most 78 customers whose field contains text, in that field's order.
    registers::Rows customers(CustomerField field, const QString& text);

    // The first 20 products by name.
    registers::Rows firstProducts();
    enum class ProductField { Name, Code };
    // At most 25 products whose field contains text, in the database's order.
    registers::Rows products(ProductField field, const QString& text);

    // Every supplier, by name.
    registers::Rows suppliers();
    // The supplier search: the first 20 suppliers by name; with a text, at most 25
    // whose name contains it (upper case), in the table's order.
    registers::Rows firstSuppliers();
    registers::Rows suppliersNamed(const QString& text);
    // The name of the supplier of a typed code; nullopt when no supplier has it (a
    // text that is no whole number included).
    std::optional<QString> supplierName(const QString& code);

    // Cash shifts, one row per date and number, newest first: the last 60 or all.
    registers::Rows cashShifts(bool all);

private:
    TLogon& m_logon;
};
