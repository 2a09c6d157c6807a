#pragma once
// "RELATÓRIO DE VENDA - TAXA DE SERVIÇO", Letter, portrait: a waiter's service fee
// of each sale in a range of cash shifts, and their total.
#include "db/UnitLogon.h"
#include "reports/PageReport.h"

class TFormcomissaoQui {
public:
    // caption: "Caixa do periodo de:..."; waiter: the waiter list's text, on every line.
    TFormcomissaoQui(TLogon& logon, const QString& caption, const QString& waiter);

    const report::Definition& definition() const { return m_def; }
    void preview(const RowSet& rows) const;

private:
    report::Definition m_def;
};
