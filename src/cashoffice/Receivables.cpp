#include "cashoffice/Receivables.h"

#include "core/uMensagem.h"

#include <algorithm>

namespace receivables {

std::vector<AccountLine> accountLines(const RowSet& rows, const QString& customerName)
{
    std::vector<AccountLine> lines;
    const QString name = TrimText(customerName);
    for (int i = 0; i < rows.size(); ++i) {
        const QDate issued = rows.value(i, u"EMISSAO").toDate();
        const QDate due = rows.value(i, u"VENCIMENTO").toDate();
        const QDate paid = rows.value(i, u"BAIXA").toDate();
        if (issued.isValid() && due.isValid() && paid.isValid())
            continue;   // paid at the register: no part of the account
        if (!issued.isValid() && !paid.isValid())
            continue;
        AccountLine l;
        l.entry = integerOf(rows.value(i, u"ID"));
        l.title = textOf(rows.value(i, u"DUPLICATA"));
        l.due = due;
        const QVariant sale = rows.value(i, u"NFISCAL");
        l.saleNumber = sale.isNull() ? QString() : textOf(sale);
        const QString own = TrimText(textOf(rows.value(i, u"NOME")));
        const Decimal value = decimalOf(rows.value(i, u"VALOR").isNull() ? QVariant(0) : rows.value(i, u"VALOR"));
        if (!paid.isValid()) {
            l.date = issued;
            l.debit = value;
            l.history = own != name ? own : debitHistory;
        } else {
            l.date = paid;
            l.credit = value;
            l.history = own != name ? own : creditHistory;
        }
        lines.push_back(l);
    }
    std::stable_sort(lines.begin(), lines.end(),
                     [](const AccountLine& a, const AccountLine& b) { return a.date < b.date; });
    Decimal balance;
    for (AccountLine& l : lines) {
        balance += l.debit - l.credit;
        l.balance = balance;
    }
    return lines;
}

} // namespace receivables
