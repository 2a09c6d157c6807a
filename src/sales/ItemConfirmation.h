#pragma once
// Confirming one item of a tab ("Confirma", F2): the checks, the MESA row with
// its ACOMPMESA rows and, when the station prints tickets one by one, the
// kitchen ticket or its kitchen-monitor rows, all written as one action. An item
// whose ticket goes out now is stored as sent, so no kitchen order of another
// station sends it again; the ticket is composed inside and printed after the
// commit, and when it does not print the item goes back to the kitchen queue.

#include "core/Decimal.h"
#include "platform/Printout.h"
#include "printing/SetComSettings.h"   // PrinterSlot
#include "sales/ItemEntry.h"
#include "tabs/KitchenTicket.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <vector>

class TLogon;

struct ItemDraft {
    QString tabKey;          // the table field
    QString waiter;          // the waiter field
    QString code;            // the product code field (a kit as "*" + code)
    QString quantity;        // as typed
    QString price;           // unit price as shown ("12,50"); empty: the product's
    QString kitchen;         // kitchen number "0".."5"
    QString name;            // the product name; empty while the prompt shows
    QString sizeText;        // chosen size, when the product has size prices
    bool promotion = false;
    std::vector<ComplementRow> complements;
};

struct ConfirmResult {
    enum class Status {
        Stored, CashClosed, NoTab, NoWaiter, NoProduct, ProductNotFound, InvalidPrice,
        TabClosed, TabNotFound,
    };
    Status status = Status::Stored;
    QString tabKey;              // normalised
    qint64 itemKey = 0;          // MESA.IDMESA
    qint64 itemId = 0;           // MESA.ID
    int ticketJobs = 0;          // jobs sent to printers or ports
    int monitorRows = 0;         // COZINHA2 rows written
    bool pending = false;        // the item waits for the kitchen order
    QString printError;          // a ticket that could not be printed (the item stays pending)
    Printout ticket;             // the composed ticket, when there is one
};

// The message of a status that stops the confirmation (empty for none).
QString confirmMessage(ConfirmResult::Status status);

// The lines of a one-item kitchen ticket.
struct TicketData {
    int orderNumber = 1;
    QString tableWord, tabKey, customer, waiterCode, waiterName;
    QDateTime when;
    Decimal quantity;
    QString name;
    QStringList complements;
    int feedLines = 7;
};
QStringList composeKitchenTicket(const TicketData& t);
// The head of every kitchen ticket: "PEDIDO       :" and orderText centred, the
// tab, the customer of a delivery-flagged tab, the waiter (code cut to
// waiterCodeWidth), date and time, "D E L I V E R Y" when asked and the tab key is
// above 1,000,000, and the column heads.
QStringList composeKitchenHeader(const TicketData& t, const QString& orderText, int waiterCodeWidth, bool deliveryLine);

class ItemConfirmation {
public:
    ItemConfirmation(TLogon& logon, int salesOptions, int cashShiftNumber)
        : m_logon(logon), m_salesOptions(salesOptions), m_cashShift(cashShiftNumber) {}

    ConfirmResult confirm(const ItemDraft& draft);

private:
    TLogon& m_logon;
    int m_salesOptions;
    int m_cashShift;
};

// An item claimed for a kitchen ticket: its row and the kitchen it was pending for.
struct KitchenClaim {
    qint64 id = 0;
    QString kitchen;
};
// A ticket that did not print gives its items back to the kitchen queue, in an
// action of its own holding the tab: each item still marked sent is pending for
// its kitchen again, and the kitchen-monitor rows written with the ticket are
// deleted. Returns how many items went back.
int giveBackToKitchen(TLogon& logon, const QString& tab, const std::vector<KitchenClaim>& items,
                      const std::vector<qint64>& monitorRows = {});
// What the user is told then: the kitchens whose ticket did not print, and why.
QString notPrintedText(const QStringList& kitchens, const QString& why);
