#pragma once
// The cancellations of one cash shift: the LOG rows the tab and item
// cancellations wrote, as a roll text (always shown in the preview) or as the A4
// report TFormRelCanQui. Writes nothing.
#include "db/UnitLogon.h"
#include "platform/Printout.h"

class CancellationReport {
public:
    explicit CancellationReport(TLogon& logon) : m_logon(logon) {}

    // The shift's LOG rows in the database's order. A shift text that is not a
    // whole number reads as shift 0.
    RowSet rows(const QString& shiftText) const;
    // The roll text of those rows.
    static Printout roll(const RowSet& rows);

private:
    TLogon& m_logon;
};
