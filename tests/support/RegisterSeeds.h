#pragma once
// Rows the register and lookup tests start from.
#include "core/Decimal.h"

#include <QDate>
#include <QString>

class TLogon;

namespace seeds {
void addCustomer(TLogon& logon, int code, const QString& name, const QString& address = QString(),
                 const QString& phone = QString(), const QString& cnpj = QString());
void addSupplier(TLogon& logon, int code, const QString& name, const QString& cnpj = QString());
void addGroup(TLogon& logon, int code, const QString& name);
// A product with its cost (and, for a kit, COMPOSICAO "S").
void addProduct(TLogon& logon, const QString& code, const QString& name, const Decimal& price,
                const Decimal& cost = Decimal(), bool kit = false);
// One CONTDATA row of a cash shift.
void addCashShiftDay(TLogon& logon, int shift, const QDate& date);
}
