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

    // "&Confirmar": the record to print. Throws ActionRefused(kFillError) for an
    // amount that is not a number above zero, DbError when the insert fails;
    // nothing is written or printed then.
    Printout record(const WithdrawalRequest& request);

    static Printout composeRecord(const WithdrawalRequest& request, const Decimal& amount);
    static void print(const Printout& record);

private:
    TLogon& m_logon;
};
