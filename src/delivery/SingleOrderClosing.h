#pragma once
// "&Finalizar Retorno/Pagamento" of the single-screen delivery order, without its
// window: one action that holds the order, checks what was received, the area and
// the delivery man, holds the open cash shift, draws the sale number (BORDA),
// composes the receipt, writes the delivery man's settlement row (DELIFIC), takes
// the order's kitchen-monitor rows away, writes the sale through the one sale
// writer (a RECARQ row per payment, settled when its method's BX is "S"; the
// delivery fee's SERVICO row of type 9; the FATURA row of type 3; the stock-out
// with kits exploded and flavours split) and removes the order and its items;
// all of it or nothing. The receipt is printed after the commit.
#include "core/Decimal.h"
#include "platform/Printout.h"

#include <QDateTime>
#include <functional>

class TLogon;

struct SingleClosingResult {
    qint64 saleNumber = 0;       // from BORDA
    QString saleText;            // "000123"
    int cashShift = 0;
    Decimal itemsTotal, fee;
    Printout receipt;
};

class SingleOrderClosing {
public:
    explicit SingleOrderClosing(TLogon& logon) : m_logon(logon) {}
    void setClock(std::function<QDateTime()> clock) { m_clock = std::move(clock); }

    // Throws DeliveryRefused (received short of the total, no area, no delivery man,
    // the change beyond the first amount, a payment method that is not registered,
    // the cash closed, the order gone) or DbError; then nothing is written.
    SingleClosingResult close(qint64 orderId, const QString& deliveryManName);

    // The receipt on the closing printer, with the end of receipt after it. Throws
    // what the printer route throws; the sale stays.
    static void printReceipt(const SingleClosingResult& result);

private:
    TLogon& m_logon;
    std::function<QDateTime()> m_clock = [] { return QDateTime::currentDateTime(); };
};
