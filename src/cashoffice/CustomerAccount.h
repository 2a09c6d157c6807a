#pragma once
// A customer's current account ("Contas a Receber"): the account lines, manual
// debits and payments received on account (RECARQ, see Receivables.h), the
// release of a sale's service-fee rows to the open shift, the payment receipt and
// the deletion of one entry.
#include "core/ActionRefused.h"
#include "core/Decimal.h"
#include "cashoffice/Receivables.h"
#include "platform/Printout.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <optional>
#include <stdexcept>
#include <vector>

class TLogon;

namespace accountmsg {
inline const QString title = QStringLiteral("ATENÇÃO");
inline const QString customerNotFound = QStringLiteral("         Cliente não Cadastrado            ");
inline const QString cashMustBeOpen = QStringLiteral("|    O caixa precisa ser aberto...      |");
inline const QString cashOpen = QStringLiteral("|     Caixa Aberto      |");
inline const QString cashClosed = QStringLiteral("|    Caixa Fechado      |");
inline const QString receiptQuestion = QStringLiteral("Deseja Imprimir Recibo do pagamento?");
inline const QString invalidAmount = QStringLiteral("  Valor Invalido  ");
inline const QString invalidDate = QStringLiteral("  Data Invalida  ");
inline const QString saleNotInformed = QStringLiteral("NAO INFORMADO");
// "LV" = "S" with a "Cupom/Serv" that is no sale on this customer's account, or
// that names two of them (numbers repeat across shifts and stations).
inline const QString saleNotOnAccount = QStringLiteral("|   Venda nao localizada na conta deste cliente...   |");
inline const QString saleOnAccountTwice =
    QStringLiteral("|   Numero em mais de uma venda deste cliente: comissao nao liberada   |");
} // namespace accountmsg

// A confirmation stopped with one of the window's messages; nothing was written.
class AccountRefused : public ActionRefused {
public:
    using ActionRefused::ActionRefused;
};

struct AccountCustomer {
    int code = 0;
    QString name, address, city, state, phone;
};

// The entry row as "F7/Con&firmar" finds it.
struct AccountEntry {
    QString code;            // "Codigo"
    QString sale;            // "Cupom/Serv"
    QString history;         // "Historico"
    QString kind;            // "D/C": "C" a payment on account, anything else a debit
    QString releaseService;  // "LV": "S" moves the sale's service rows to the open shift
    QString amount;          // "Valor"
    QDate date;              // the date picker
};

// What a confirmation wrote, for the receipt.
struct AccountEntryResult {
    AccountCustomer customer;
    bool payment = false;
    int cash = 0;            // the open shift the entry was written under
    QString sale;            // "Cupom/Serv" as written ("NAO INFORMADO" when empty)
    QString history;
    QDate date;
    Decimal amount;
};

class CustomerAccount {
public:
    explicit CustomerAccount(TLogon& logon) : m_logon(logon) {}

    // The customer of a code as typed; nullopt when it is no number or no customer has it.
    std::optional<AccountCustomer> customer(const QString& codeText);
    // The account lines of every row of the customer.
    std::vector<AccountLine> lines(const AccountCustomer& customer);
    // The open cash shift; 0 when closed.
    int openCash();

    // Checks the code, the amount and the date, then, in one action under the
    // open shift (which must still be open): the service-fee release when "LV" is
    // "S" and a sale number was given, and the debit or payment row. The release
    // moves the service-fee rows (SERVICO type 1) of that one sale on the customer's
    // account to the open shift; its couvert, discount and delivery fee stay, as do
    // other sales of the same number. Throws AccountRefused (also for a number that
    // is no sale on the account, or two of them) or DbError; nothing is written then.
    AccountEntryResult record(const AccountEntry& entry);

    // The payment receipt of a payment just recorded.
    static Printout receipt(const AccountEntryResult& result, const QDateTime& now);
    // Sends it by setup.INI line 12 as a legacy printer choice: the preview, or a
    // port with the condensed line of setup.INI line 7; the other codes print nothing.
    static void printReceipt(const Printout& receipt);

    // "Excluir lançamento": the entry of that code of this customer; the text is
    // read as a whole number, nothing is deleted for 0 or anything else.
    bool removeEntry(const AccountCustomer& customer, const QString& entryText);

private:
    void releaseServiceFee(int customer, int saleNumber, int cash);

    TLogon& m_logon;
};
