#pragma once
// Paying and closing a tab ("F11- Pagamento Comanda"): one action that locks the
// tab, computes its bill again from what the database holds, draws the sale
// number, composes the receipt, writes every row of the sale and deletes the tab;
// all of it or nothing. The receipt is printed after the commit.
#include "closing/BillComputation.h"
#include "closing/ClosingReceipt.h"
#include "closing/SaleWriter.h"
#include "platform/Printout.h"
#include <QDate>
#include <QDateTime>
#include <functional>
#include <QStringList>
#include <optional>
#include <stdexcept>

class TLogon;

// What the payment window hands to the closing: its fields as the cashier left them.
struct ClosingRequest {
    QString tab;
    QStringList joinedTabs;                 // the tabs paid together; the first is the tab
    Decimal servicePercent;
    std::optional<Decimal> serviceValue;    // typed service value
    int persons = 1;
    Decimal coverPerPerson;
    Decimal discount;
    std::vector<SalePayment> payments;      // one per method, amount 0 when unused
    QString customerField = QStringLiteral("1");
    QString customerName;                   // as shown beside the customer code
    QString tabCaption;                     // tab + " - " + the tab's customer name
    QDate dueDate;
    int receivableDays = 30;
    QString cpf;
};

// A closing that stops with one of the window's messages; nothing was written.
class ClosingRefused : public std::runtime_error {
public:
    explicit ClosingRefused(const QString& message) : std::runtime_error(message.toStdString()) {}
    QString message() const { return QString::fromStdString(what()); }
};

struct ClosingResult {
    qint64 saleNumber = 0;
    Bill bill;
    Printout receipt;
    bool printReceipt = false;   // setup.INI line 6 "S"
};

// The tab as the payment window shows it when it opens.
struct TabSnapshot {
    bool found = false;
    QString customer;          // CLIENTE as text
    QString customerName;      // that customer's NOME ("" when there is none)
    Decimal advance;           // VALOR
    QString advanceMethod;     // PAGAMENTOANTI
    int persons = 0;           // CLIMESA
    QString taxa, couver;      // "N" = not charged
    Decimal delivery;          // DELIVERY
    int status = 0;
    Decimal itemsTotal;        // sum of QUANT x VALOR
    static TabSnapshot read(TLogon& logon, const QString& tab);
};

namespace closingmsg {
inline QString tabNotFound() { return QStringLiteral("|     Comanda não Localizada      |"); }
inline QString consumerMethod() { return QStringLiteral(" Forma de pagamento nao permitido para consumidor"); }
inline QString underpaid() { return QStringLiteral("|       Valor informado inferior ao montante da conta      |"); }
}

class TabClosing {
public:
    explicit TabClosing(TLogon& logon) : m_logon(logon) {}

    // The clock of the receipt's date and time line (tests set a fixed one).
    void setClock(std::function<QDateTime()> clock) { m_clock = std::move(clock); }

    // Runs the closing; throws ClosingRefused (a message for the cashier) or
    // DbError (the database's message) and then nothing is written.
    ClosingResult close(const ClosingRequest& request);

    // Prints the receipt of a committed closing on the closing printer's slot
    // when the settings say so. Throws what the printer route throws.
    static void printReceipt(const ClosingResult& result);

    // The outside-ERP export of a paid tab: runs inside the closing's action,
    // after the sale number is drawn, when a payment used a method flagged for
    // export and the station's link is on. Not built yet: a later change
    // writes the documents into the outside ERP's database here.
    static void exportToOutsideErp(TLogon& logon, const Sale& sale, const ClosingRequest& request);

private:
    TLogon& m_logon;
    std::function<QDateTime()> m_clock = [] { return QDateTime::currentDateTime(); };
};
