#pragma once
// The sales screen's three tools around closed sales: the closing report by
// payment method ("Fechamento p/tipo Pagamento"), the loyalty voucher and its
// redemption, and the receipt rebuilt from a sale's FATURA and ESTFIC rows.
// Composed here without a window; the windows show and route them.
#include "cash/ClosedSales.h"
#include "core/Decimal.h"
#include "platform/Printout.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

class TLogon;

struct CompanyHeader {
    QString name, address, city, state, cnpj;
    static CompanyHeader fromGlobals();
};

// ---- Closing report by payment method ----------------------------------------
// The method entries of the list: code "00", a blank, the name.
QStringList paymentMethodEntries(TLogon& logon);
// The report of a cash shift's sales whose first payment row used the method of
// the entry; a sale's amount is the sum of its stock-out lines.
Printout composePaymentMethodReport(TLogon& logon, int cashShift, const QString& methodEntry,
                                    const CompanyHeader& company, int fontSize = 7);

// ---- Loyalty points ---------------------------------------------------------
struct LoyaltyCustomer {
    int code = 0;
    QString name;
    Decimal points;                 // as stored
    QString pointsText() const;     // to the nearest whole point
};
std::optional<LoyaltyCustomer> readLoyaltyCustomer(TLogon& logon, int code);
Printout composeLoyaltyVoucher(const QString& companyName, const LoyaltyCustomer& c, const QDate& today,
                               int fontSize = 7);
// Takes away the points the voucher showed; points earned meanwhile stay.
void redeemLoyalty(TLogon& logon, const LoyaltyCustomer& c);

// ---- Receipt reprint --------------------------------------------------------
// The closed sales, newest first: the last 50 or all of them.
std::vector<ClosedSaleRow> closedSales(TLogon& logon, bool all);
// The receipt of a sale from its stock-out rows (same station, cash shift and number).
Printout composeReprintedReceipt(TLogon& logon, const ClosedSaleRow& sale, const CompanyHeader& company,
                                 int fontSize, const QStringList& messageLines);
