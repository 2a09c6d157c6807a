#pragma once
// The small expenses paid out of the cash drawer during the open cash shift: the
// DESPLOJA rows of that shift (delivery discounts included), written, altered and
// deleted by "Despesas Diarias", and the voucher of one expense.
#include "core/ActionRefused.h"
#include "core/Decimal.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>
#include <stdexcept>
#include <vector>

class TLogon;

namespace expensesmsg {
inline const QString title = QStringLiteral("ATENÇÃO");
inline const QString cashClosed = QStringLiteral(" caixa fechado... abra primeiro um caixa");
inline const QString invalidAmount = QStringLiteral("  Valor Invalido  ");
inline const QString invalidTerminal = QStringLiteral("  Numero do Terminal Invalido  ");
} // namespace expensesmsg

// A confirmation that stops with one of the window's messages; nothing was written.
class ExpenseRefused : public ActionRefused {
public:
    using ActionRefused::ActionRefused;
};

struct ExpenseRow {
    qint64 id = 0;
    QDate data;
    QString historico;
    Decimal valor;
    int terminal = 0;
    std::optional<int> costCentre;
};

// The inputs as "&Confirmar" finds them.
struct ExpenseInput {
    qint64 id = 0;          // the row being altered; 0 for a new one
    QString history;        // as typed (upper case)
    QString amount;         // as typed
    QString costCentre;     // the cost-centre list's text
    QString terminal;       // TerminalNumber
    QDate today;
};

class DailyExpenses {
public:
    explicit DailyExpenses(TLogon& logon) : m_logon(logon) {}

    // The cost-centre list: the code by "000", two blanks, the name; by code.
    QStringList costCentreItems();
    // The code of a list text: the digits before its first blank; nullopt when
    // the text does not start with a number (an empty list, a text overtyped).
    static std::optional<int> costCentreCode(const QString& item);

    // The open cash shift; 0 when the cash is closed or it cannot be read.
    int openCash();
    // The rows of a shift, every station's, in the order they were written.
    std::vector<ExpenseRow> rows(int cash);

    // "&Confirmar": checks the inputs, then writes one row under the shift the
    // window opened with, which must still be the open one. A new expense is
    // inserted, an altered one updated (a row another station deleted meanwhile is
    // written again). Returns the row's id, which the window keeps so that a
    // second confirmation alters that row instead of inserting another. Throws
    // ExpenseRefused or DbError; nothing is written then.
    qint64 confirm(int cash, const ExpenseInput& input);

    // "&Excluir": the row of that id in that shift, which must still be the open
    // one (ExpenseRefused otherwise); false when there was no such row.
    bool remove(int cash, qint64 id);

    // "&Retornar": rows of amount zero that older stations left in this shift at
    // this station.
    void leave(int cash, const QString& terminal);

    // The history as written: upper case, "*" when blank.
    static QString historyOf(const QString& typed);
    // The voucher's "Valor": the amount by "0.00" padded to 12, 0 when not a number.
    static QString voucherValue(const QString& typedAmount);

private:
    TLogon& m_logon;
};
