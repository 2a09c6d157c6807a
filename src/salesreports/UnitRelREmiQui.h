#pragma once
// "Contas a Receber - Relatório de Conta Corrente - Cliente", Letter, portrait, 80
// columns: a customer's account lines, one row each (date, history, due date,
// debit, credit, balance). Its 40-column twin is TFormRelREmiQui40.
#include "reports/PageReport.h"

class TFormRelREmiQui {
public:
    // customer: the code, " - " and the name; company: CompanyName.
    TFormRelREmiQui(const QString& customer, const QString& company);

    const report::Definition& definition() const { return m_def; }
    void show(const RowSet& lines, bool preview) const;

private:
    report::Definition m_def;
};

namespace statementpage {
// The statement's page header (title, company, customer, date) on every page.
void header(report::Definition& def, const QString& title, const QString& customer, const QString& company);
} // namespace statementpage
