#pragma once
// Staff vouchers (VALES): money advanced to an employee (a debit) or paid back or
// credited to him (a credit). The balance owed is the debits minus the credits.
// TFormDebCreFunc records a movement and prints its receipt (roll text with the
// amount written out, or an A4 page); TFormValeFic prints an employee's
// statement from a date to today with the balance brought forward.

#include "core/Decimal.h"
#include "db/RowSet.h"
#include "platform/Printout.h"
#include "reports/PageReport.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <vector>

class TLogon;

namespace StaffVoucherText {
inline const QString kPrintAsk = QStringLiteral("Deseja Imprimir recibo?");
inline const QString kFillError = QStringLiteral("|   Erro no preenchimento...    |");
} // namespace StaffVoucherText

struct StaffMember {
    qint64 code = 0;
    QString name;
};

struct VoucherLine {
    QDate date;
    QString history;
    Decimal debit, credit;
};

struct VoucherStatement {
    Decimal opening;                   // debits minus credits before the start
    std::vector<VoucherLine> lines;    // from the start on, in date order
};

// What a receipt states.
struct VoucherReceipt {
    QString company, city, state;      // the company header
    QString employee;                  // the name as the list shows it
    Decimal amount;
    QString history;
    QDate date;                        // the movement's date
    QDateTime printedAt;
};

class StaffVouchers {
public:
    explicit StaffVouchers(TLogon& logon) : m_logon(logon) {}

    static constexpr int kHistoryLength = 40;

    std::vector<StaffMember> staff() const;   // by name
    Decimal balance(qint64 code) const;
    // "Saldo Devedor" as the windows show it (FormatFloatLeftPadded "0.00", 12).
    static QString balanceText(const Decimal& balance);

    // One movement; the amount as typed. EntryError(kFillError) when the amount
    // cannot be read (a blank one included); nothing is written then.
    Decimal record(qint64 code, const QDate& date, const QString& history, bool credit, const QString& amount);

    // A row without a date counts as earlier than any start.
    VoucherStatement statement(qint64 code, const QDate& start) const;

    // The printouts.
    static Printout receiptRoll(const VoucherReceipt& r, int fontSize);
    static report::Definition receiptPage(const VoucherReceipt& r);
    static Printout statementRoll(const QString& company, const QString& employee, const QDate& start,
                                  const QDate& today, const VoucherStatement& s, int fontSize);
    // The page statement over statementRows: Data, Historico, Débito, Crédito and
    // the running balance from the opening balance (debits add).
    static report::Definition statementPage(const QString& company, const QString& employeeCaption,
                                            const Decimal& opening, const QDateTime& printedAt);
    static RowSet statementRows(const VoucherStatement& s);   // DATA, HIST, DEBITO, CREDITO, SALDO

private:
    TLogon& m_logon;
};
