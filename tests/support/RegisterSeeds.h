#pragma once
// Rows the register tests start from.
#include <QString>
#include <QMap>
#include <QStringList>

class TestStation;

namespace seeds {

void addCustomer(TestStation& st, int code, const QString& name, const QString& phone = QString());
void addStaff(TestStation& st, int code, const QString& name, const QString& password = QString());
void addPaymentMethod(TestStation& st, int code, const QString& name, const QString& bx = QStringLiteral("S"),
                      const QString& dav = QStringLiteral("N"));
void addCostCentre(TestStation& st, int code, const QString& name);

// Every table of the installation, with at least one row in each (two in most).
void fillEveryTable(TestStation& st);
// Table name → row count, for every table of the schema.
QMap<QString, int> rowCounts(TestStation& st);

} // namespace seeds
