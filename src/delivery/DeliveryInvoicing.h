#pragma once
// Invoicing a delivery order ("(F3) Imprimir" of "VENDA RÁPIDA"), without its
// window: one action that takes the order off the desk (refused when another
// station invoiced it first), holds the open cash shift, checks that the order's
// items are still those the panel shows, writes the sale through the one sale
// writer (a RECARQ row per method with an amount, the discount as a DESPLOJA row,
// the FATURA row of type 3, the stock-out with flavours split) and composes the
// receipt; all of it or nothing. The receipt question and the printing come after
// the commit.
//
// The sale number is the shift by "#00" and the invoice counter TIPBAIXA by
// "#0000" (shift 5, counter 345: 050345). The counter is drawn in a statement of
// its own before the action; only the draw that returns exactly 100001 sets it
// back to 0, so a draw above it (another station's, at the same moment) keeps its
// value and no two invoices of one shift share a number.
#include "core/Decimal.h"
#include "delivery/DeliveryCustomer.h"
#include "delivery/DeliveryOrders.h"
#include "delivery/DeliveryPaymentPanel.h"
#include "platform/Printout.h"
#include "registers/CompanyStore.h"

#include <QDateTime>
#include <functional>
#include <vector>

class TLogon;

struct InvoiceRequest {
    qint64 orderId = 0;          // the desk's shown order
    QString phone;               // its FONE (Edit24): the customer's code on every row
    QString customerName;        // its CLIENTE (NomeCli)
    std::vector<HandOverLine> lines;   // the items, the fee line taken out by the panel
    DeliveryPaymentPanel panel;  // as the cashier left it
    bool delivery = true;        // the desk's "Delivery" flag: FATURA.DELIVERY "S"
};

struct InvoiceResult {
    qint64 saleNumber = 0;       // 50345
    QString numberText;          // "050345"
    int cashShift = 0;
    qint64 counter = 0;          // the TIPBAIXA value drawn
    bool creditSale = false;     // a receivable was written: the receipt has the signature block
    Printout receipt;
};

// What the receipt is made of (composed without a database).
struct InvoiceReceiptData {
    CompanyRow company;
    std::optional<DeliveryCustomerData> customer;   // none: the telephone has no customer row
    QString saleLabel;           // "Cx:05 Num:00345"
    QDateTime now;
    QString message;             // Edit13
    std::vector<HandOverLine> lines;
    Decimal discount, fee, change;
    std::vector<std::pair<QString, Decimal>> methods;   // caption and amount tendered, amount not 0
    bool creditSale = false;
    QString operatorName;
    int fontSize = 7;
};
Printout composeInvoiceReceipt(const InvoiceReceiptData& d);

struct Sale;
struct SalePayment;

// What a delivery sale sells, as its rows carry it: the desk's invoice or the
// closing of a single-screen order. What they share is filled once (saleOf); where
// their books differ, `kind` says.
struct DeliverySale {
    enum class Kind {
        // Station 1 and waiter 1 on every row, titles numbered by method "." a
        // receivable number and due in 30 days, the discount as an expense row, the
        // fee as freight, a kit sold whole, plain stock rows named after the customer.
        DeskInvoice,
        // The station's own number, the delivery man as the sale's waiter and on the
        // fee's SERVICO row (type 9, written also for a fee of 0), no waiter on the
        // payments, titles numbered by method "-" the sale number and due on the
        // day, the sale number as the tab, the customer's name cut to 24, kits
        // exploded into their components.
        SingleOrder,
    };
    Kind kind = Kind::DeskInvoice;
    int terminal = 1;            // SingleOrder: the station's number
    qint64 number = 0;           // 50345
    QString numberText;          // "050345"
    QDateTime when;              // the rows' date and time
    int cashShift = 0;
    qint64 phone = 0;            // the customer's code on every row
    QString customerName;
    std::vector<SalePayment> payments;   // the amounts the rows take: the first less the change
    Decimal saleValue;           // the items
    Decimal freight;             // the fee charged (FRETE)
    Decimal listFee;             // the area's fee (DELYTAXA; SingleOrder: the fee's SERVICO row too)
    int deliveryMan = 0;         // DELYENTREGA: DELICAD.ID (SingleOrder: DELICAD.CODIGO)
    Decimal discount;
    std::vector<HandOverLine> items;
    bool delivery = true;        // FATURA.DELIVERY "S"
};

class DeliveryInvoicing {
public:
    // The wrap of the invoice counter: the draw of exactly kCounterWrap + 1 sets it back.
    static constexpr qint64 kCounterWrap = 100000;

    explicit DeliveryInvoicing(TLogon& logon) : m_logon(logon) {}
    void setClock(std::function<QDateTime()> clock) { m_clock = std::move(clock); }

    // "#00" of the shift and "#0000" of the counter.
    static QString saleNumberText(int cashShift, qint64 counter);
    // "Cx:05 Num:00345".
    static QString saleLabel(int cashShift, qint64 counter);

    // Throws DeliveryRefused (a check of the panel, the order already invoiced,
    // the cash closed, the order changed meanwhile) or DbError; then nothing is written.
    InvoiceResult invoice(const InvoiceRequest& request);

    // The one sale writer's description of a delivery sale (see DeliverySale::Kind):
    // type 3, the customer's telephone as his code on every row, no loyalty points,
    // flavours split with the delivery's history.
    static Sale saleOf(const DeliverySale& s);

    // The receipt question and its printing, after the commit (delivery route:
    // the conference printer, the drawer after a port, the preview on a failure).
    static void offerReceipt(const InvoiceResult& result);

private:
    qint64 drawCounter();

    TLogon& m_logon;
    std::function<QDateTime()> m_clock = [] { return QDateTime::currentDateTime(); };
};
