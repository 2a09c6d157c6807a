#pragma once
// Rows the stock tests start from: ledger rows, purchase orders and their items,
// kit components.
#include "core/Decimal.h"

#include <QDate>
#include <QString>
#include <optional>

class TLogon;

namespace seeds {
// One ESTFIC row; an absent quantity is not named (NULL).
void addLedgerRow(TLogon& logon, const QString& code, const QDate& date, std::optional<Decimal> in,
                  std::optional<Decimal> out, const QString& history = QStringLiteral("SEMENTE"));
// A purchase order with its supplier (COMPRAS), and one of its items (COMPPED).
void addOrder(TLogon& logon, int number, int supplier, const QString& obs = QString());
void addOrderItem(TLogon& logon, int order, const QString& code, const Decimal& quantity, const Decimal& cost,
                  int ipi = 0, int icms = 0);
void addKitComponent(TLogon& logon, const QString& kit, const QString& component, const QString& name,
                     const Decimal& quantity);
// The product's stored columns, for checks: MEDIO, CUSTO, VALOR, CONTABIL.
Decimal productColumn(TLogon& logon, const QString& code, const char* column);
QDate productDate(TLogon& logon, const QString& code, const char* column);
}
