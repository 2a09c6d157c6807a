#pragma once
// The cash shift: the one counter every sale, payment and cash row carries.
// CONTCAIXA holds one row whose CAIXA is the open shift (0 = closed) and whose
// NUMEDADOR is the highest number issued; CONTDATA has one row per opening.
// Opening, closing and reopening are each one action with their HISTORICO row:
// either all of it is written or nothing is.

#include "core/Decimal.h"

#include <QDate>
#include <QString>
#include <optional>

class TLogon;

namespace cashshift {

// The window's messages, in one place.
namespace msg {
inline const QString title = QStringLiteral("ATENÇÃO");
inline const QString fillFields = QStringLiteral("|        Preencha os Campos Data e Valor       |");
inline const QString alreadyOpen = QStringLiteral("|         Caixa ja aberto...          |");
inline const QString alreadyClosed = QStringLiteral("|         Caixa ja Fechado...          |");
inline const QString opened = QStringLiteral("|             Foi Aberto Novo Caixa             |");
inline const QString closed = QStringLiteral("|             O Caixa foi Fechado             |");
inline const QString noSuchShift = QStringLiteral("|   Movimento de Caixa não localizado...   |");
inline const QString notOpened = QStringLiteral("|   O Caixa não foi aberto:   |");
inline const QString stateOpen = QStringLiteral("Caixa Aberto");
inline const QString stateClosed = QStringLiteral("Caixa Fechado");
QString openTabsQuestion(int count);   // "| Existe(m) n comanda(s) s/fechar!" ...
QString floatEntryError(const QString& text);
} // namespace msg

inline const QString abriuCaixa = QStringLiteral("Abriu Caixa");
inline const QString fechouCaixa = QStringLiteral("Fechou Caixa");
inline const QString reabriuCaixa = QStringLiteral("Reabriu Caixa");

// The opening float as typed ("150,50"; a point counts as the comma). nullopt for
// anything that is not a plain non-negative amount that NUMERIC(15,3) can hold.
std::optional<Decimal> parseOpeningFloat(const QString& text);
// The number shown beside "Movimento de Caixa N.": seven digits, empty when closed.
QString shiftNumberText(int number);

// The open shift as an action that writes under it reads it: a sale, a payment on
// account, an expense, a withdrawal. Read inside the action with the CONTCAIXA row
// held until the commit, so that no station closes the shift between the check and
// the write (the shift's closing waits for the write, or the write finds the shift
// closed). Number 0 when the cash is closed; the date is the shift's own (CONTDATA).
// The one reader of the open shift for a write: every writer goes through it.
//
// The counter row is the last row a sale holds, and the sale holds it for as short
// a time as it can: every sale of every station waits for it in turn. A sale writer
// takes its rows in this order: its own document (the tab, the order), the products
// whose date of last exit it changes (in the order of their codes), then the counter
// row; the back office takes the products alone (an entry invoice: its purchase
// orders, then its products in the order of their codes). So a sale that waits for a
// product an entry invoice holds does so before it holds the counter row, and the
// other stations' sales go on.
struct HeldShift {
    int number = 0;
    QDate date;
};
HeldShift holdOpenShift(TLogon& logon);
// The open shift as it stands, without holding it: what a sale prepares with before
// it holds the counter row (holdOpenShift then says whether it is still the same).
HeldShift openShift(TLogon& logon);

// The same for a write that belongs to an open shift: refused, with the window's
// own message and as the window's own kind of refusal, when the cash is closed, or,
// when the window works on the shift it opened with (`windowShift`), when that
// shift is no longer the open one (closed by another station, or closed and another
// one opened). Must run inside the action; nothing is written when it refuses.
//
//   const HeldShift shift = cashshift::holdOpenShift<ExpenseRefused>(logon, msg, cash);
template <class Refusal>
HeldShift holdOpenShift(TLogon& logon, const QString& closedMessage, std::optional<int> windowShift = std::nullopt)
{
    const HeldShift shift = holdOpenShift(logon);
    if (shift.number == 0 || (windowShift && *windowShift != shift.number))
        throw Refusal(closedMessage);
    return shift;
}

} // namespace cashshift

class CashShift {
public:
    explicit CashShift(TLogon& logon) : m_logon(logon) {}

    // CAIXA of CONTCAIXA; 0 when closed or when there is no row yet.
    int openNumber();
    // The shift a report of "the day" proposes: the open one; with the cash closed,
    // the last one opened (the one the day's closing closed); 0 when none ever opened.
    int currentOrLastNumber();

    // A shift's opening (its first CONTDATA row). nullopt: the number is no shift,
    // 0 or one never opened (every opening writes its row).
    struct Opening {
        QDate date;
        Decimal openingFloat;
        QString operatorName;
    };
    std::optional<Opening> opening(int number);
    // DATA of the CONTDATA row of that shift as dd/mm/yy; empty when there is none.
    QString dateOf(int number);
    // Rows of CABMESA: open tables and tabs of every station.
    int openTabs();

    enum class Result { Done, AlreadyOpen, AlreadyClosed, NoSuchShift };

    // Issues the next number after the highest issued, writes its CONTDATA row and
    // the "Abriu Caixa" row. The operator's name is cut to its column. DbError on a
    // database failure (nothing written).
    Result open(const QDate& date, const Decimal& openingFloat, const QString& operatorName,
                const QString& authoriser, int* number = nullptr);
    // CAIXA := 0 and "Fechou Caixa".
    Result close(const QString& authoriser);
    // Reopens an earlier shift (one that has its CONTDATA row) and writes "Reabriu Caixa".
    Result reopen(int number, const QString& authoriser);

private:
    TLogon& m_logon;
};
