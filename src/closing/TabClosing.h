#pragma once
// Paying and closing a tab ("F11- Pagamento Comanda"): one action that locks the
// tab, computes its bill again from what the database holds, draws the sale
// number, composes the receipt, writes every row of the sale and deletes the tab;
// all of it or nothing. The receipt is printed after the commit.
#include "core/ActionRefused.h"
#include "closing/BillComputation.h"
#include "closing/ClosingReceipt.h"
#include "closing/SaleWriter.h"
#include "platform/Printout.h"
#include "tabs/TabKey.h"
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
class ClosingRefused : public ActionRefused {
public:
    using ActionRefused::ActionRefused;
};

struct ClosingResult {
    qint64 saleNumber = 0;
    qint64 dav = 0;              // the outside ERP's document of the sale; 0 when not exported
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
    Decimal itemsTotal;        // sum of the items' QUANT x VALOR, each to the cent
    static TabSnapshot read(TLogon& logon, const QString& tab);
};

namespace closingmsg {
inline QString tabNotFound() { return tabs::tabNotFound(); }
inline QString consumerMethod() { return QStringLiteral(" Forma de pagamento nao permitido para consumidor"); }
inline QString underpaid() { return QStringLiteral("|       Valor informado inferior ao montante da conta      |"); }
inline QString cashClosed() { return QStringLiteral(" Caixa Fechado   "); }
}

class OutsideErpExport;

class TabClosing {
public:
    explicit TabClosing(TLogon& logon) : m_logon(logon) {}
    // The outside ERP's connection of the payment window: closing the same tab
    // again through it after a failed local commit reuses the document it left.
    TabClosing(TLogon& logon, OutsideErpExport& erp) : m_logon(logon), m_erp(&erp) {}

    // The clock of the receipt's date and time line (tests set a fixed one).
    void setClock(std::function<QDateTime()> clock) { m_clock = std::move(clock); }

    // Runs the closing; throws ClosingRefused or ErpExportRefused (a message for
    // the cashier) or DbError (the database's message) and then nothing is written
    // in either database. With the outside-ERP link on and a paid method flagged
    // for export, the sale's document is written into the ERP as the last step of
    // the closing's own transaction (result.dav); the caller then tells
    // OutsideErpExport::closingCommitted, or tellFailure on an exception.
    ClosingResult close(const ClosingRequest& request);

    // Prints the receipt of a committed closing on the closing printer's slot
    // when the settings say so. Throws what the printer route throws.
    static void printReceipt(const ClosingResult& result);

private:
    TLogon& m_logon;
    OutsideErpExport* m_erp = nullptr;
    std::function<QDateTime()> m_clock = [] { return QDateTime::currentDateTime(); };
};
