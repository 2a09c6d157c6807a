#pragma once
// What the tab-maintenance windows share: the table-number rule of every tab box,
// typed numbers, the header of their vouchers, the open cash shift, the
// cancellation audit row, opening a missing tab, and the writes of tab rows
// inside an action.
#include "core/ActionRefused.h"
#include "core/Decimal.h"
#include "tabs/TabKey.h"
#include "db/UnitLogon.h"
#include "platform/Printout.h"

#include <QDateTime>
#include <QString>
#include <optional>
#include <stdexcept>

namespace tabs {

// The vouchers' common head: title, company name, address, city "  -  " state,
// 38 dashes; at the receipt font size (SetComSettings::receiptFontSize).
Printout voucherHead(const QString& title);
QString dashes38();

// One row of the cancellation audit (LOG), values cut to what the columns keep:
// HORA the date dd/mm/yy and time (20), OPERADOR (20), MOTIVO (19), ACAO (38).
struct LogRow {
    QDateTime when;
    QString operatorName;
    QString reason;
    qint64 cashShift = 0;
    QString action;
};
void insertLog(TLogon& logon, const LogRow& row);
QString logTime(const QDateTime& when);

// Whether an open tab (a CABMESA row) has this number.
bool tabExists(TLogon& logon, const QString& tab);
// Opens a missing tab as the maintenance windows do: customer 1, no service and
// no cover charge, the time and date given. Does nothing when it exists.
void openTab(TLogon& logon, const QString& tab, const QDateTime& when);

// Inside an action: holds the CABMESA rows of these tabs until the commit. Every
// action that changes a tab's items (confirming, the kitchen order, pre-billing,
// paying, moving, cancelling the tab or its items, moving items) holds the tab
// first, so a closing never bills an item another station is cancelling or
// moving: one of the two waits for the other. Several tabs are held in key order,
// so two actions on the same tabs never wait for each other in a circle. Gives
// the keys of the tabs that exist.
QStringList holdTabs(TLogon& logon, const QStringList& tabs);

// Takes a quantity off an item that is still on the tab (the tab held first);
// 1 when taken, 0 when the row holds less or is no longer there.
qint64 takeFromItem(TLogon& logon, const QString& tab, qint64 id, const Decimal& quantity);
// A write of tab rows inside an action, giving the rows it changed.
qint64 write(TLogon& logon, const QString& sql, const Params& params);

// Deletes those of the rows' MESA items that hold nothing any more. Run after the
// action that emptied them commits, each statement on its own: a row deleted
// inside an action would make another station's waiting update of it fail
// instead of running again.
void dropEmptyItem(TLogon& logon, qint64 id);
template <class Rows>
void dropEmptyItems(TLogon& logon, const Rows& rows)
{
    for (const auto& r : rows)
        dropEmptyItem(logon, r.id);
}

} // namespace tabs
