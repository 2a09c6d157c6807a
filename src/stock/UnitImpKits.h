#pragma once
// "RELATÓRIO DE KITS - LISTAGEM GERAL DOS KITS" (Letter, portrait): the company,
// then one line per kit: code, name and sale price.
#include "reports/PageReport.h"

class TLogon;

class TFormImpKits {
public:
    explicit TFormImpKits(TLogon& logon);   // reads the company row
    const report::Definition& definition() const { return m_def; }
    void preview(const RowSet& kits) const;

private:
    report::Definition m_def;
};
