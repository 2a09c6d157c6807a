#pragma once
// The single EMPRESA row: its tax and contact data, and the company header values
// receipts and reports print.

#include <QString>

class TLogon;

struct CompanyRow {
    QString empresa, endereco, cidade, estado;   // as installed; no window edits them
    QString cnpj, iestadual, fax;
};

class CompanyStore {
public:
    explicit CompanyStore(TLogon& logon) : m_logon(logon) {}
    CompanyRow load();
    // Writes CNPJ, IESTADUAL and FAX of the row; throws DbError.
    void save(const QString& cnpj, const QString& iestadual, const QString& fax);
    // The company header values of the program (CompanyName, ...) from a row.
    static void applyToHeader(const CompanyRow& row);

private:
    TLogon& m_logon;
};
