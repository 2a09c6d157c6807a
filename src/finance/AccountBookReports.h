#pragma once
// The account book's two reports:
//  - the account statement ("Extrato do Caixa", A4): one account's entries of a
//    period in date order with the running balance, which starts from the balance
//    of every earlier entry (an entry without a date counts as earlier);
//  - the totals per code ("CAIXA/RAZAO - Por Codigo Desp/Créditos", Letter): the
//    entries of every account in a period added up by their code, debits and
//    credits alike (the amounts without sign). One grouped statement over the
//    entries computes them into memory, beside the list of codes; nothing is written.

#include "core/Decimal.h"
#include "db/RowSet.h"
#include "reports/PageReport.h"

#include <QDate>
#include <QString>
#include <memory>
#include <vector>

class TLogon;

struct AccountStatement {
    Decimal opening;   // credits minus debits before the period
    RowSet rows;       // DATA, DESP, HISTORICO, CREDITO, DEBITO, in date order
    // The balance after each row: the opening plus every credit minus every debit
    // up to it (shared with the report, which prints it beside the row).
    std::shared_ptr<const std::vector<Decimal>> balances;
    Decimal closing() const { return balances->empty() ? opening : balances->back(); }
};

// The company block of the reports' page header (the single EMPRESA row).
struct CompanyBlock {
    QString name, address, city, state, cnpj;
    static CompanyBlock read(TLogon& logon);
};

class AccountBookReports {
public:
    explicit AccountBookReports(TLogon& logon) : m_logon(logon) {}

    AccountStatement statement(qint64 account, const QDate& start, const QDate& end) const;
    // CODIGO, NOME, VALOR per code in code order; onlyWithMovement leaves out the
    // codes whose total is 0.
    RowSet totalsPerCode(const QDate& start, const QDate& end, bool onlyWithMovement) const;

    // "PERIODO DE dd/mm/yy A dd/mm/yy" and "PERIODO DE  : dd/mm/yy  A  dd/mm/yy".
    static QString statementPeriod(const QDate& start, const QDate& end);
    static QString totalsPeriod(const QDate& start, const QDate& end);

    static report::Definition statementReport(const CompanyBlock& company, const QString& accountCaption,
                                              const QString& periodCaption, const AccountStatement& statement,
                                              const QDateTime& printedAt);
    static report::Definition totalsReport(const QString& companyName, const QString& accountCaption,
                                           const QString& periodCaption);

private:
    TLogon& m_logon;
};
