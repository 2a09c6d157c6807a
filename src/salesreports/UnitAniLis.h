#pragma once
// The anniversary list (Anniversaries), A4 portrait: the title, the company, the
// period and the date and time at the top; per customer its code, name, telephone
// and day.
#include "db/UnitLogon.h"
#include "salesreports/Anniversaries.h"
#include "reports/PageReport.h"

class TFormListAni {
public:
    // Reads the company row; period: "Periodo de " + first + " a " + last as typed.
    TFormListAni(TLogon& logon, Anniversaries::Kind kind, const QString& period);

    const report::Definition& definition() const { return m_def; }
    void preview(const RowSet& customers) const;

private:
    report::Definition m_def;
};
