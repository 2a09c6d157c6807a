// The stock rules that need no database: the average cost, the markup, what the
// stock windows read from their fields, the invoice's history and the order totals.
#include "SeedValues.h"
#include "core/DateReader.h"
#include "stock/CostCentreOutflow.h"
#include "stock/EntryInvoice.h"
#include "stock/PurchaseOrders.h"
#include "stock/StockFields.h"
#include "stock/StockLedger.h"
#include "stock/StockMarkup.h"
#include "stock/StockMovement.h"

#include <gtest/gtest.h>

using seeds::D;
using stock::StockLedger;

// The average keeps the places of a unit cost (it was rounded to the cent, so an
// order's 1,0593 became 1,06 and the stock was valued above what it cost).
TEST(AverageCost, WeighsTheStockBeforeAgainstTheEntryKeepingTheUnitCostsPlaces)
{
    struct Case { const char* stock; const char* average; const char* quantity; const char* cost; const char* expected; };
    const Case cases[] = {
        {"0", "0", "10", "6", "6"},              // first entry: the unit cost
        {"0", "0", "1000", "1,0593", "1,0593"},  // an order's cost with its IPI, whole
        {"10", "6", "10", "8", "7"},             // (60 + 80) / 20
        {"10", "6", "5", "7", "6,333333"},       // 95 / 15 to six places
        {"1000", "2,5", "0,5", "3", "2,50025"},  // a fraction barely moves it
        {"2,5", "10", "0,25", "21", "11"},       // thousandths of a kilo
        {"-4", "9", "10", "5", "5"},             // nothing of a negative stock is left to average
        {"-20", "1", "10", "5", "5"},            // never a negative average
        {"0", "7", "3", "4", "4"},
    };
    for (const Case& c : cases) {
        const auto avg = StockLedger::averageCost(D(c.stock), D(c.average), D(c.quantity), D(c.cost));
        ASSERT_TRUE(avg.has_value()) << c.stock << " " << c.quantity;
        EXPECT_EQ(*avg, D(c.expected)) << c.stock << " " << c.quantity;
    }
}

TEST(AverageCost, StockPlusQuantityZeroLeavesTheProductAsItWas)
{
    EXPECT_FALSE(StockLedger::averageCost(D("-10"), D("4"), D("10"), D("6")).has_value());
    EXPECT_FALSE(StockLedger::averageCost(D("-0,5"), D("4"), D("0,5"), D("6")).has_value());
}

TEST(Markup, CostTimesThePercentageOverOneHundredPlusOne)
{
    struct Case { const char* cost; const char* percent; std::optional<Decimal> expected; };
    const Case cases[] = {
        {"10", "50", D("15")},
        {"10", "30", D("13")},
        {"6,00", "50", D("9")},
        {"3,33", "33,3", D("4,44")},     // 4.43889 to the cent
        {"10", "0", std::nullopt},       // no percentage: the fields stay
        {"10", "-5", std::nullopt},
        {"abc", "50", std::nullopt},
        {"10", "", std::nullopt},
        {"999999999999", "50", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(stock::markedUp(QString::fromUtf8(c.cost), QString::fromUtf8(c.percent)), c.expected) << c.cost << " " << c.percent;
    // "Venda" and "Valor Contabil" show the plain number
    EXPECT_EQ(stock::markedUpText(*stock::markedUp(QStringLiteral("10"), QStringLiteral("30"))), QStringLiteral("13"));
    EXPECT_EQ(stock::markedUpText(*stock::markedUp(QStringLiteral("10"), QStringLiteral("50"))), QStringLiteral("15"));
    EXPECT_EQ(stock::markedUpText(D("15,75")), QStringLiteral("15,75"));
    EXPECT_EQ(stock::markedUpText(D("4,40")), QStringLiteral("4,4"));
}

// The markup percentage by the amount reader's percentage rules: never negative, up to
// 999,99, two places at most (what EMPRESA.CONTABIL keeps); blank is 0.
TEST(Markup, ThePercentageTypedIsReadByThePercentageRules)
{
    struct Case { const char* typed; std::optional<Decimal> read; };
    const Case cases[] = {
        {"12,5", D("12,5")}, {" 30 ", D("30")}, {"12.5", D("12,5")}, {"0", Decimal()}, {"", Decimal()},
        {"999,99", D("999,99")}, {"0,01", D("0,01")},
        {"-1", std::nullopt}, {"-0,01", std::nullopt}, {"123456789", std::nullopt}, {"1000", std::nullopt},
        {"12,345", std::nullopt}, {"1e2", std::nullopt}, {"ABC", std::nullopt}, {"1,2,3", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(stock::readMarkup(QString::fromUtf8(c.typed)), c.read) << c.typed;
}

// An order's cost with its IPI keeps every place, so the invoice's line is the order's:
// quantity × unit cost rounded to the cent once.
TEST(PurchaseOrderRules, AnOrderLineAndItsInvoiceItemCostTheSame)
{
    struct Case { const char* quantity; const char* cost; int ipi; const char* unit; const char* line; };
    const Case cases[] = {
        {"1000", "0,99", 7, "1,0593", "1059,30"},
        {"500", "2,37", 15, "2,7255", "1362,75"},
        {"3", "0,333", 10, "0,3663", "1,10"},
        {"12", "6", 0, "6", "72"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.cost);
        purchase::Item ordered;
        ordered.quantity = D(c.quantity);
        ordered.cost = D(c.cost);
        ordered.ipi = c.ipi;
        EXPECT_EQ(ordered.costWithIpi(), D(c.unit));
        invoice::Item item;
        item.quantity = ordered.quantity;
        item.unitCost = ordered.costWithIpi();
        EXPECT_EQ(item.total(), D(c.line));
        EXPECT_EQ(purchase::PurchaseOrders::totals({ordered}).total, item.total());
    }
}

TEST(StockFields, AmountsDatesAndTheirTexts)
{
    EXPECT_EQ(stock::readAmount(QStringLiteral(" 2,5 ")), D("2,5"));
    EXPECT_EQ(stock::readAmount(QStringLiteral("-3")), D("-3"));
    for (const char* bad : {"", "   ", "abc", "1e20", "2.5", "1,2,3", "999999999999999", "12a"})
        EXPECT_FALSE(stock::readAmount(QString::fromUtf8(bad)).has_value()) << bad;
    // the stock windows' dates go through the one date reader
    EXPECT_EQ(readDate(QStringLiteral("05/03/24")).date, QDate(2024, 3, 5));
    EXPECT_TRUE(readDate(QStringLiteral("31/02/24")).isNoDate());
    EXPECT_FALSE(readDate(QStringLiteral("  /  /  ")).isDate());
    EXPECT_TRUE(readDate(QStringLiteral("  /  /  ")).isBlank());
    EXPECT_FALSE(readDate(QStringLiteral("1 /  /  ")).isBlank());
    EXPECT_EQ(stock::moneyText(D("6")), QStringLiteral("6,00"));
    EXPECT_EQ(stock::quantityText(D("2,500")), QStringLiteral("2,5"));
    EXPECT_EQ(stock::quantityText(D("10")), QStringLiteral("10"));
    EXPECT_EQ(movement::StockMovement::stockText(D("1234,5")), QStringLiteral("     1.234,5"));
    EXPECT_EQ(movement::StockMovement::stockText(D("-3")), QStringLiteral("          -3"));
}

TEST(EntryInvoiceRules, TheHistoryKeepsItsFirst29Characters)
{
    EXPECT_EQ(invoice::EntryInvoice::history({QStringLiteral(" 123 "), {}, QStringLiteral("Pedido n.5")}),
              QStringLiteral("NF:123 OBS:Pedido n.5"));
    EXPECT_EQ(invoice::EntryInvoice::history({QStringLiteral("123"), {}, QStringLiteral("ENTREGA PARCIAL DO MES DE MARCO")}),
              QStringLiteral("NF:123 OBS:ENTREGA PARCIAL DO"));
    // a long invoice number leaves no room for the observation
    EXPECT_EQ(invoice::EntryInvoice::history({QString(30, u'9'), {}, QStringLiteral("X")}),
              QStringLiteral("NF:") + QString(26, u'9'));
    EXPECT_EQ(invoice::EntryInvoice::totalText(D("1234,5")), QStringLiteral("     1234,50"));
}

TEST(PurchaseOrderRules, TotalsAndTheNumbersLeftInTheItemFields)
{
    std::vector<purchase::Item> items(3);
    items[0].quantity = D("10"); items[0].cost = D("6"); items[0].ipi = 5;    // 60 + 3
    items[1].quantity = D("3");  items[1].cost = D("2,5"); items[1].ipi = 0;  // 7,50
    items[2].quantity = D("1");  items[2].cost = D("0,99"); items[2].ipi = 10; // 0,99 + 0,099
    const purchase::Totals t = purchase::PurchaseOrders::totals(items);
    EXPECT_EQ(t.order, D("68,49"));
    EXPECT_EQ(t.ipi, D("3,10"));
    EXPECT_EQ(t.total, D("71,59"));
    EXPECT_EQ(purchase::PurchaseOrders::totals({}).total, Decimal());
    EXPECT_EQ(purchase::PurchaseOrders::totalText(t.total), QStringLiteral("       71,59"));

    EXPECT_EQ(purchase::PurchaseOrders::wholeQuantity(QStringLiteral("2,5")), QStringLiteral("0"));
    EXPECT_EQ(purchase::PurchaseOrders::wholeQuantity(QStringLiteral(" 12 ")), QStringLiteral("12"));
    EXPECT_EQ(purchase::PurchaseOrders::wholeQuantity(QStringLiteral("DOZE")), QStringLiteral("0"));
    EXPECT_EQ(purchase::PurchaseOrders::numberOrZero(QStringLiteral("7,25")), QStringLiteral("7,25"));
    EXPECT_EQ(purchase::PurchaseOrders::numberOrZero(QStringLiteral("X")), QStringLiteral("0"));
}

TEST(CostCentreRules, TheListTextAndTheCodeItNames)
{
    EXPECT_EQ(CostCentreOutflow::costCentreText(3, QStringLiteral("COZINHA")), QStringLiteral("0003  -  COZINHA"));
    EXPECT_EQ(CostCentreOutflow::costCentreText(12345, QStringLiteral("X")), QStringLiteral("12345  -  X"));
    EXPECT_EQ(CostCentreOutflow::costCentreCode(QStringLiteral("0003  -  COZINHA")), std::optional<qint64>(3));
    EXPECT_EQ(CostCentreOutflow::costCentreCode(QStringLiteral("")), std::nullopt);
    EXPECT_EQ(CostCentreOutflow::costCentreCode(QStringLiteral("    -  X")), std::nullopt);
}
