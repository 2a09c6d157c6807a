#pragma once
// RECARQ as customer accounts read it: a row is a settled payment, an open
// receivable, a manual debit or an account payment, told by which of EMISSAO,
// VENCIMENTO and BAIXA it carries. A customer's account lines are the debits
// (open receivables, manual debits) and credits (account payments), ordered by
// date, each with the running balance. Rows are never settled in place: what the
// customer pays later is a row of its own.
#include "core/Decimal.h"
#include "db/RowSet.h"

#include <QDate>
#include <QString>
#include <vector>

struct AccountLine {
    qint64 entry = 0;       // RECARQ.ID, "Cod Lanc"
    QString title;          // DUPLICATA
    QDate date;
    QString history;
    QDate due;              // VENCIMENTO (invalid when none)
    Decimal debit, credit, balance;
    QString saleNumber;     // NFISCAL as text, "" when none
};

namespace receivables {

inline const QString debitHistory = QStringLiteral(" Debito na CC / Titulo ");
inline const QString creditHistory = QStringLiteral(" Pagamento do Titulo ");

// The lines of a customer's rows (columns ID, DUPLICATA, NOME, EMISSAO,
// VENCIMENTO, BAIXA, VALOR, NFISCAL), in the order given, by date; rows of the same
// date keep that order.
std::vector<AccountLine> accountLines(const RowSet& rows, const QString& customerName);

// The columns accountLines reads, for the readers' select lists.
inline const QString columns = QStringLiteral("ID, DUPLICATA, NOME, EMISSAO, VENCIMENTO, BAIXA, VALOR, NFISCAL");

} // namespace receivables
