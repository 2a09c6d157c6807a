#pragma once
// Open tabs seeded the way the sales screen leaves them: a CABMESA row, MESA item
// rows, their ACOMPMESA complements and COZINHA2 kitchen-monitor rows.
#include "core/Decimal.h"

#include <QString>

class TLogon;

namespace seeds {

void openTab(TLogon& logon, const QString& mesa, int waiter = 0, const Decimal& advance = Decimal());
// Returns the MESA row's ID; idmesa is the item's link key to its kitchen rows.
qint64 addItem(TLogon& logon, const QString& mesa, const QString& code, const QString& name,
               const Decimal& quantity, const Decimal& price, int waiter = 1, int idmesa = 0);
void addKitchenRow(TLogon& logon, const QString& mesa, int idmesa, const QString& product);
void addComplement(TLogon& logon, qint64 itemId, const QString& product);
Decimal quantityOf(TLogon& logon, qint64 itemId);   // -1 when the row is gone
int count(TLogon& logon, const QString& sql, const QString& param);

} // namespace seeds
