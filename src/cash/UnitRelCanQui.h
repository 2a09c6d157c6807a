#pragma once
// The A4 cancellation report: Letter, portrait; the page header with the title and
// the company row on the first page; a column header on every page; one detail
// line per LOG row.
#include "db/UnitLogon.h"
#include "reports/PageReport.h"

class TFormRelCanQui {
public:
    // Reads the company row ("Select * from empresa").
    explicit TFormRelCanQui(TLogon& logon);

    const report::Definition& definition() const { return m_def; }
    // Shows the report of these LOG rows in the report preview.
    void preview(const RowSet& logRows) const;

private:
    report::Definition m_def;
};
