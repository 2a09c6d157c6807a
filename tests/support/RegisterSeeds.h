#pragma once
// Rows the register and lookup tests start from.
#include "core/Decimal.h"

#include <QDate>
#include <QMap>
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

void addStaff(TLogon& logon, int code, const QString& name, const QString& password = QString());
void addPaymentMethod(TLogon& logon, int code, const QString& name, const QString& bx = QStringLiteral("S"),
                      const QString& dav = QStringLiteral("N"));
void addCostCentre(TLogon& logon, int code, const QString& name);

// Two rows in every table of the installation but the one-row tables (EMPRESA, GERAID).
void fillEveryTable(TLogon& logon);
// Table name → row count, for every table of the schema the database has.
QMap<QString, int> rowCounts(TLogon& logon);
}
