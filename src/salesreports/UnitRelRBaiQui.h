#pragma once
// "Contas a Receber - Relatório de clientes em débito", Letter, portrait: each
// customer with a balance, its name and the balance owed, and the total.
#include "reports/PageReport.h"

class TFormRelRBaiQui {
public:
    // The company label: CompanyName.
    explicit TFormRelRBaiQui(const QString& companyName);

    const report::Definition& definition() const { return m_def; }
    // The preview, or the default printer when `preview` is false.
    void show(const RowSet& rows, bool preview) const;

private:
    report::Definition m_def;
};
