#pragma once
// Rows the closing and the tab maintenance leave behind, written here with SQL for
// the shift reports' tests: closed sales (FATURA), their payments (RECARQ) and
// stock-out rows (ESTFIC), cancellations (LOG), waiters, groups, payment methods.
#include "SeedValues.h"
#include "TestStation.h"

#include <QDate>
#include <QString>
#include <vector>

namespace seeds {


void addPaymentMethod(TestStation& st, int code, const QString& name);
// A closed sale: its FATURA row; returns its ID.
qint64 addSale(TestStation& st, int nota, int comanda, int caixa, const QDate& date);
// A payment row of a sale: DUPLICATA = method code by "00" + "-" + the sale number.
void addPayment(TestStation& st, int nota, int methodCode, const Decimal& value, int caixa = 1);
// A stock-out row.
void addStockOut(TestStation& st, int nota, const QDate& date, const QString& code, const QString& history,
                 const Decimal& quantity, const Decimal& price, int caixa = 1, int waiter = 1);
void addCancellation(TestStation& st, const QString& hora, const QString& operador, const QString& motivo,
                     int caixa, const QString& acao);
void addWaiter(TestStation& st, int code, const QString& name);
void addGroup(TestStation& st, int code, const QString& name);
void addProductInGroup(TestStation& st, const QString& code, const QString& name, int group);
void addShiftDate(TestStation& st, int caixa, const QDate& date);
void setCompany(TestStation& st, const QString& name, const QString& address, const QString& city,
                const QString& state, const QString& cnpj);

} // namespace seeds
