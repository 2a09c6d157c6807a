#pragma once
// "Relatório de C/C - Cliente", Letter, portrait, 40 columns: the customer
// statement's lines in two rows each (date and history; due date, debit, credit and
// balance), in the left half of the page.
#include "reports/PageReport.h"

class TFormRelREmiQui40 {
public:
    TFormRelREmiQui40(const QString& customer, const QString& company);

    const report::Definition& definition() const { return m_def; }
    void show(const RowSet& lines, bool preview) const;

private:
    report::Definition m_def;
};
