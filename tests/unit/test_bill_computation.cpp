// The bill of a tab: minimum consumption, service, cover charge, delivery fee,
// discount, advance, amount due, share per person, change; exact splits.
#include "closing/BillComputation.h"

#include <gtest/gtest.h>

namespace {

Decimal D(const char* text) { return *Decimal::parse(QString::fromLatin1(text)); }

struct BillCase {
    const char* name;
    BillInputs in;
    const char* itemsTotal;
    const char* service;
    const char* cover;
    const char* fee;
    bool feeShown;
    const char* due;
    const char* perPerson;
    const char* balance;   // "Falta" or "Troco"
    const char* balanceValue;
};

BillInputs inputs(const char* items, const char* minimum, const char* percent, int persons,
                  const char* cover, const char* delivery, const char* advance, const char* discount,
                  const char* paid)
{
    BillInputs in;
    in.itemsTotal = D(items);
    in.minimumConsumption = D(minimum);
    in.servicePercent = D(percent);
    in.persons = persons;
    in.coverPerPerson = D(cover);
    in.deliveryColumn = D(delivery);
    in.advance = D(advance);
    in.discount = D(discount);
    in.paid = D(paid);
    return in;
}

} // namespace

TEST(BillComputation, TableOfBills)
{
    const BillCase cases[] = {
        {"plain bill, 10% service, nothing paid",
         inputs("100", "0", "10", 2, "0", "0", "0", "0", "0"),
         "100", "10", "0", "0", true, "110", "55", "Falta", "110"},
        {"minimum consumption raises the items and the service is on the minimum",
         inputs("30", "50", "10", 1, "0", "0", "0", "0", "0"),
         "50", "5", "0", "0", true, "55", "55", "Falta", "55"},
        {"delivery fee counts",
         inputs("20", "0", "0", 1, "0", "8,5", "0", "0", "0"),
         "20", "0", "0", "8,5", true, "28,5", "28,5", "Falta", "28,5"},
        {"delivery flag 1 is no fee and stays hidden",
         inputs("20", "0", "0", 1, "0", "1", "0", "0", "0"),
         "20", "0", "0", "0", false, "20", "20", "Falta", "20"},
        {"delivery flag 0,01 is no fee and stays hidden",
         inputs("20", "0", "0", 1, "0", "0,01", "0", "0", "0"),
         "20", "0", "0", "0", false, "20", "20", "Falta", "20"},
        {"advance of 20 on 100 for 4 persons",
         inputs("100", "0", "0", 4, "0", "0", "20", "0", "0"),
         "100", "0", "0", "0", true, "80", "20", "Falta", "80"},
        {"cover charge per person and discount",
         inputs("50", "0", "0", 3, "5", "0", "0", "2,5", "0"),
         "50", "0", "15", "0", true, "62,5", "20,83", "Falta", "62,5"},
        {"persons 0 count as 1",
         inputs("10", "0", "0", 0, "4", "0", "0", "0", "0"),
         "10", "0", "4", "0", true, "14", "14", "Falta", "14"},
        {"overpaid gives change",
         inputs("100", "0", "0", 1, "0", "0", "0", "0", "110"),
         "100", "0", "0", "0", true, "100", "100", "Troco", "10"},
        {"paid exactly: nothing missing",
         inputs("80", "0", "0", 1, "0", "0", "0", "0", "80"),
         "80", "0", "0", "0", true, "80", "80", "Falta", "0"},
        {"items with thousandths round to the cent once; service rounds half up",
         inputs("33,335", "0", "10", 1, "0", "0", "0", "0", "0"),
         "33,34", "3,33", "0", "0", true, "36,67", "36,67", "Falta", "36,67"},
    };
    for (const BillCase& c : cases) {
        SCOPED_TRACE(c.name);
        const Bill b = BillComputation::compute(c.in);
        EXPECT_EQ(b.itemsTotal, D(c.itemsTotal));
        EXPECT_EQ(b.serviceValue, D(c.service));
        EXPECT_EQ(b.coverTotal, D(c.cover));
        EXPECT_EQ(b.deliveryFee, D(c.fee));
        EXPECT_EQ(b.deliveryShown, c.feeShown);
        EXPECT_EQ(b.amountDue, D(c.due));
        EXPECT_EQ(b.perPerson, D(c.perPerson));
        EXPECT_EQ(b.balanceCaption(), QString::fromLatin1(c.balance));
        EXPECT_EQ(b.changeOrMissing, D(c.balanceValue));
    }
}

TEST(BillComputation, MinimumTextAndTypedServiceValue)
{
    BillInputs in = inputs("30", "50", "10", 1, "0", "0", "0", "0", "0");
    Bill b = BillComputation::compute(in);
    EXPECT_EQ(b.minimumText, QStringLiteral("Consumacao Minima R$ 50,00 Comanda R$ 30,00  Vlr a Cobrar"));
    EXPECT_EQ(b.topUp, D("20"));
    in.serviceValue = D("7");
    b = BillComputation::compute(in);
    EXPECT_EQ(b.serviceComputed, D("5"));
    EXPECT_EQ(b.serviceValue, D("7"));
    EXPECT_EQ(b.amountDue, D("57"));
}

TEST(BillComputation, ServiceSplitsPerWaiterAddUpExactly)
{
    struct { const char* amount; std::vector<const char*> weights; std::vector<const char*> parts; } cases[] = {
        {"10", {"60", "40"}, {"6", "4"}},
        {"10", {"1", "1", "1"}, {"3,34", "3,33", "3,33"}},
        {"0,01", {"1", "1"}, {"0,01", "0"}},
        {"5", {"0", "0"}, {"5", "0"}},
        {"7,77", {"33,333", "33,333", "33,334"}, {"2,59", "2,59", "2,59"}},
        {"-3", {"1", "2"}, {"-1", "-2"}},
    };
    for (const auto& c : cases) {
        std::vector<Decimal> w;
        for (const char* x : c.weights)
            w.push_back(D(x));
        const std::vector<Decimal> parts = BillComputation::splitCents(D(c.amount), w);
        Decimal sum;
        for (size_t i = 0; i < parts.size(); ++i) {
            EXPECT_EQ(parts[i], D(c.parts[i])) << c.amount << " part " << i;
            sum += parts[i];
        }
        EXPECT_EQ(sum, D(c.amount));
    }
}

TEST(BillComputation, FlavourQuantitiesAddUpExactly)
{
    struct { const char* q; int n; std::vector<const char*> parts; } cases[] = {
        {"1", 2, {"0,5", "0,5"}},
        {"3", 3, {"1", "1", "1"}},
        {"1", 3, {"0,334", "0,333", "0,333"}},
        {"1", 4, {"0,25", "0,25", "0,25", "0,25"}},
        {"1", 1, {"1"}},
    };
    for (const auto& c : cases) {
        const auto parts = BillComputation::splitQuantity(D(c.q), c.n);
        ASSERT_EQ(parts.size(), c.parts.size());
        for (size_t i = 0; i < parts.size(); ++i)
            EXPECT_EQ(parts[i], D(c.parts[i])) << c.q << "/" << c.n << " part " << i;
    }
    EXPECT_TRUE(BillComputation::splitQuantity(D("1"), 0).empty());
}

TEST(BillComputation, DavKeys)
{
    struct { const char* tab; const char* queue; const char* key; const char* davTab; const char* flag; } cases[] = {
        {"12345SAV0042", "12345", "AV0042", "S", "S"},
        {"12345NAV0042", "12345", "AV0042", "S", "N"},
        {"000012", "", "000012", "N", "S"},
    };
    for (const auto& c : cases) {
        const DavKey k = DavKey::of(QString::fromLatin1(c.tab));
        EXPECT_EQ(k.queueNumber, QString::fromLatin1(c.queue)) << c.tab;
        EXPECT_EQ(k.customerKey, QString::fromLatin1(c.key)) << c.tab;
        EXPECT_EQ(k.davTab, QString::fromLatin1(c.davTab)) << c.tab;
        EXPECT_EQ(k.davFlag, QString::fromLatin1(c.flag)) << c.tab;
    }
}
