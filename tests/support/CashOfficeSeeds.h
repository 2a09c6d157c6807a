#pragma once
// A shift's worth of sales for the cash-shift back office's tests, written through
// the real closings (tab closing, counter closing), the real cash-shift opening,
// withdrawals, expenses, account payments and tab cancellation, and the delivery
// desk's own invoicing.
#include "SeedValues.h"
#include "TestStation.h"

#include <QDate>
#include <QString>
#include <vector>

namespace seeds {

struct DeliveryItem {
    QString code, name;     // "/000012/000034/" a multi-flavour item
    Decimal quantity, price;
};
struct DeliveryPayment {
    int method = 1;         // FORMAPAGA.CD
    Decimal amount;
};
struct DeliveryInvoice {
    QString phone = QStringLiteral("33334444");
    QString customer = QStringLiteral("MARIA DELIVERY");
    std::vector<DeliveryItem> items;
    std::vector<DeliveryPayment> payments;
    Decimal fee;            // the delivery fee
    int deliveryMan = 0;
    Decimal discount;
    QDate date = QDate::currentDate();
};

// Puts the order on the desk and invoices it under the open cash shift through the
// desk's invoicing (DeliveryInvoicing), at 20:15 of the invoice's date: one RECARQ
// row per payment above 0 (DUPLICATA method "." receivable number, BAIXA when the
// method settles at once), a DESPLOJA row for a discount, the FATURA row of type 3
// and the ESTFIC rows (multi-flavour items split into their flavours by PEDIDO),
// every row with station 1. Returns the sale number (shift "#00", counter "#0000").
qint64 invoiceDelivery(TLogon& logon, const DeliveryInvoice& invoice);

// The shift every cash-office test starts from, at station "01" (TerminalNumber):
// groups BEBIDAS (1), PORCOES (2), PIZZAS (3); products 000001 CERVEJA 10,00,
// 000002 PASTEL 5,00, 000012 CALABRESA 30,00, 000034 MUSSARELA 28,00 and the kit
// K1 COMBO 20,00 (000001 x1, 000002 x0,5); methods 1 Dinheiro, 2 Cartao, 5 Fiado
// (a receivable); customer 35 JOAO DA SILVA. Then, in this order:
//   the cash shift opened on 14/03/2026 with 100,00 by ANA;
//   tab 000010: 3 CERVEJA, 2 PASTEL, 10% service (4,00), paid 50,00 cash (change 6,00);
//   tab 000011 of customer 35: 1 K1, 1 pizza /000012/000034/ at 30,00, 2 CERVEJA,
//     2 persons at 3,00 cover, discount 5,50, paid 40,00 Cartao and 30,50 Fiado;
//   a counter sale: 2 CERVEJA, 1 PASTEL, discount 1,00, paid 20,00 cash and 4,00 Cartao;
//   a delivery to 33334444: 1 CALABRESA, 1 pizza /000012/000034/ at 29,00, fee 5,00
//     by delivery man 3, discount 2,00, paid 62,00 cash;
//   a withdrawal of 20,00 and a top-up of 50,00; the expense GELO 15,00;
//   a payment on account of 30,00 by customer 35; tab 000099 cancelled by CHEFE.
struct ShiftOfSales {
    int cash = 0;
    qint64 tabA = 0, tabB = 0, counter = 0, delivery = 0;   // sale numbers
};
ShiftOfSales sellAShift(TestStation& st);

// The company header the shift's reports print.
void setShiftCompany(TestStation& st);

} // namespace seeds
