#pragma once
// The reports of customer accounts and sales read from RECARQ (see Receivables.h):
// the debt list (every customer whose account balance is not zero), the customer
// statement (the account lines with the running balance) and a customer's sales
// of a period with their products and the amounts received per payment method.
// A fixed number of statements each, whatever the number of rows. Reads only.
#include "db/RowSet.h"
#include "cashoffice/CustomerAccount.h"

#include <QString>
#include <QStringList>

class TLogon;

struct CustomerSalesReport {
    RowSet rows;               // VENDA, EMISSAO, NOME, CODPROD, NOMPROD, VALOR, QUAN, TOTAL
    QString methodSummary;     // "Dinheiro     20,00  Cartao      ..."
};

class CustomerReports {
public:
    explicit CustomerReports(TLogon& logon) : m_logon(logon) {}

    // Per customer code (0 and none left out) whose debits (open receivables and
    // manual debits) minus credits (account payments) are not zero, by code:
    // CODIGO, CLIENTE (the name, "" when no customer has the code), VALOR.
    RowSet debts();

    // The customer of a code as typed; nullopt when it is no number or no customer has it.
    std::optional<AccountCustomer> customer(const QString& codeText);
    // The statement's lines: ENTRADA, DUPLICATA, DATA, HISTORICO (25 characters),
    // VENCIMENTO, VALOR (debit), CUSTO (credit), JUROS (balance), NFISCAL.
    RowSet statement(const AccountCustomer& customer);

    // "00 Todos ", then "01 Dinheiro" per payment method, by code.
    QStringList methodItems();
    // The customer's sales of the period (typed dd/mm/yy; "Erro em uma das datas"
    // otherwise) paid with the method of the item's first two characters ("00" or
    // no number: every method): each sale once, its products in the order they were
    // written, sales ordered by their number as text; and the amounts received per
    // method in the period. A code that is no number is customer 0.
    CustomerSalesReport sales(const QString& customerText, const QString& firstDay, const QString& lastDay,
                              const QString& methodItem);

    static QString period(const QString& firstDay, const QString& lastDay);

private:
    TLogon& m_logon;
};
