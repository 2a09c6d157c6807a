#pragma once
// The address labels (MailingLabels), A4 portrait, one label per band: the name,
// the address, the city with the state further right, the postal code.
#include "reports/PageReport.h"

class TFormMalaDirQui {
public:
    // heightPixels: one label; topMargin: the page's, in millimetres.
    TFormMalaDirQui(int heightPixels, int topMargin);

    const report::Definition& definition() const { return m_def; }
    void preview(const RowSet& labels) const;

private:
    report::Definition m_def;
};
