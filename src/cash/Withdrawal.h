#pragma once
// A withdrawal ("Sangria") or top-up ("Reforço") of the open cash shift: one
// SANGRIA row, and its record composed before and printed after the insert.
#include "core/Decimal.h"
#include "platform/Printout.h"

#include <QDateTime>
#include <QString>

class TLogon;

namespace WithdrawalText {
inline const QString kFillError = QStringLiteral("    erro no preenchimento...   ");
inline const QString kCashClosed = QStringLiteral("     Caixa Fechado... abrir caixa primeiro      ");
}

struct WithdrawalRequest {
    qint64 cashShift = 0;
    QString amount;        // as typed, decimal comma
    QString kind;          // "1" withdrawal, "2" top-up
    QString description;
    QString terminal;      // TerminalNumber
    QString operatorName;
    QDateTime when;
};

class Withdrawal {
public:
    explicit Withdrawal(TLogon& logon) : m_logon(logon) {}

    qint64 openCashShift();
    // Leaving the kind box: "1" or "2", anything else "1".
    static QString normalizeKind(const QString& text);

    // "&Confirmar": one action under the shift the window shows, held until the
    // commit; returns the record to print. Throws ActionRefused: kFillError for an
    // amount that is not a number of cents above zero, kCashClosed when that shift
    // is not the open one (closed meanwhile by another station, or shift 0); DbError
    // when the insert fails. Nothing is written or printed then.
    Printout record(const WithdrawalRequest& request);

    static Printout composeRecord(const WithdrawalRequest& request, const Decimal& amount);
    static void print(const Printout& record);

private:
    TLogon& m_logon;
};
