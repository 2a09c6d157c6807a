#pragma once
// "Contas a Receber - Relatório de Titulos por Periodo", Letter, portrait: a
// customer's sales of a period, each sale ("Cupom :") with its products and its
// total, the amounts received per payment method and the grand total.
#include "reports/PageReport.h"

class TFormDebQui {
public:
    // period: first " a " last; company: CompanyName; customer: the window's label;
    // methods: the per-method summary line.
    TFormDebQui(const QString& period, const QString& company, const QString& customer, const QString& methods);

    const report::Definition& definition() const { return m_def; }
    void preview(const RowSet& rows) const;

private:
    report::Definition m_def;
};
