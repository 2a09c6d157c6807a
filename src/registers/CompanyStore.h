#pragma once
// The single EMPRESA row: its tax and contact data, and the company header values
// receipts and reports print.

#include <QString>

class TLogon;

struct CompanyRow {
    QString empresa, endereco, cidade, estado;   // as installed; no window edits them
    QString cnpj, iestadual, fax;
};

// What receipts print of the company, and the option bits read with it: the name,
// address, city, state, CNPJ and telephone (FAX), the word for a table (TITULO), the
// sales options (SCC5) and the item options (SCC4).
struct ReceiptCompany {
    QString companyName, companyAddress, companyCity, companyState, cnpj, phone, title;
    int salesOptions = 0, itemOptions = 0;
};

class CompanyStore {
public:
    explicit CompanyStore(TLogon& logon) : m_logon(logon) {}
    CompanyRow load();
    // The one read of a receipt's company: empty texts and no options without a row.
    ReceiptCompany receiptCompany();
    // Writes CNPJ, IESTADUAL and FAX of the row; throws DbError.
    void save(const QString& cnpj, const QString& iestadual, const QString& fax);
    // The company header values of the program (CompanyName, ...) from a row.
    static void applyToHeader(const CompanyRow& row);

private:
    TLogon& m_logon;
};
