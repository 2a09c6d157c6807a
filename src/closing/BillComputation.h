#pragma once
// The bill of a tab as the payment window shows it: items total raised to the
// minimum consumption, service charge, cover charge, delivery fee, discount,
// advance already paid, amount due, share per person and what is still missing
// or to give back. Every amount is exact and rounded to the cent where the
// window shows it; quantities keep their thousandths.
#include "core/Decimal.h"
#include <QString>
#include <optional>
#include <vector>

struct BillInputs {
    Decimal itemsTotal;                   // the tab's items: QUANT x VALOR each to the cent, added
    Decimal minimumConsumption;           // Consumacao.INI line 0 (0 = none)
    Decimal servicePercent;               // "Tx Serv %"
    std::optional<Decimal> serviceValue;  // "Vlr Serviço" when the cashier typed one
    int persons = 1;                      // persons at the table (0 or less counts as 1)
    Decimal coverPerPerson;               // cover charge per person
    Decimal deliveryColumn;               // CABMESA.DELIVERY (1 and 0.01 are flags, not fees)
    Decimal advance;                      // CABMESA.VALOR, advance payments already taken
    Decimal discount;                     // an amount
    Decimal paid;                         // sum of the payment lines
};

struct Bill {
    Decimal tabItemsTotal;     // the items as sold, to the cent
    Decimal itemsTotal;        // "Total da conta": at least the minimum consumption
    Decimal topUp;             // minimum consumption minus the items, when positive
    QString minimumText;       // caption replacing "Total da conta" when a minimum is set
    Decimal serviceComputed;   // percentage of the items total
    Decimal serviceValue;      // the service that counts (typed or computed)
    int persons = 1;
    Decimal coverTotal;        // persons x cover charge
    Decimal deliveryFee;
    bool deliveryShown = false;
    Decimal advance;
    Decimal discount;
    Decimal amountDue;
    Decimal perPerson;
    Decimal paid;
    bool isChange = false;     // "Troco" (true) or "Falta"
    Decimal changeOrMissing;   // never negative
    QString balanceCaption() const { return isChange ? QStringLiteral("Troco") : QStringLiteral("Falta"); }
    Decimal missing() const { return isChange ? Decimal() : changeOrMissing; }
    Decimal change() const { return isChange ? changeOrMissing : Decimal(); }
};

class BillComputation {
public:
    static Bill compute(const BillInputs& in);

    // Splits an amount in proportion to the weights, in cents, so that the parts
    // add up to the amount exactly (largest remainders get the odd cents, the
    // earlier weight on a tie). All weights zero: everything to the first part.
    static std::vector<Decimal> splitCents(const Decimal& amount, const std::vector<Decimal>& weights);

    // Splits a quantity over n flavours in thousandths, the parts adding up to the
    // quantity exactly (the first flavours take the odd thousandths).
    static std::vector<Decimal> splitQuantity(const Decimal& quantity, int parts);
};

// What a tab number tells about a sale taken elsewhere ("12345SAV0042").
struct DavKey {
    QString queueNumber;   // BillQueueNumber: characters 1-5 of a DAV key, else empty
    QString customerKey;   // BillCustomerKey: characters 7 on of a DAV key, else the tab
    QString davTab = QStringLiteral("N");    // BillDavTab
    QString davFlag = QStringLiteral("S");   // BillDavFlag ("N" for "NAV")
    static DavKey of(const QString& tab);
};
