// The entry invoice on a real database: typed and imported items, one "NF:" ledger
// row per item, the average cost item by item, the imported order removed with
// them, and a failure anywhere leaving stock, costs and the order as they were; an
// imported order costs what the order printed, and one changed by another station
// meanwhile is refused.
#include "RegisterSeeds.h"
#include "ScriptedDialogs.h"
#include "SeedValues.h"
#include "StationPair.h"
#include "StockSeeds.h"
#include "TestStation.h"
#include "stock/EntryInvoice.h"
#include "stock/PurchaseOrders.h"
#include "stock/StockBalance.h"
#include "stock/StockLedger.h"
#include "stock/StockListings.h"
#include "stock/StockPosition.h"
#include "stock/StockWindows.h"

#include <atomic>
#include <gtest/gtest.h>

using seeds::D;

namespace {

const QDate kToday(2026, 3, 10);

struct EntryInvoiceTest : ::testing::Test {
    TestStation st;
    ScriptedDialogs d;
    TLogon& l() { return st.logon(); }
    void SetUp() override
    {
        seeds::addSupplier(l(), 3, QStringLiteral("DISTRIBUIDORA SUL"));
        for (int i = 1; i <= 6; ++i)
            seeds::addProduct(l(), QStringLiteral("00000%1").arg(i), QStringLiteral("PRODUTO %1").arg(i), D("10"), D("4"));
        l().run(QStringLiteral("update PRODUTOS set MEDIO = 4, CONTABIL = 7"));
        seeds::addLedgerRow(l(), QStringLiteral("000001"), kToday, D("10"), std::nullopt);
    }
    Decimal column(const QString& code, const char* c) { return seeds::productColumn(l(), code, c); }
    Decimal stock(const QString& code) { return stock::StockLedger(l()).stockOf(code); }
    int count(const QString& sql) { return st.count(sql); }
    static invoice::TypedItem typed(const char* code, const char* qty, const char* cost, const char* price = "",
                                    const char* book = "")
    {
        return {QString::fromUtf8(code), QString::fromUtf8(qty), QString::fromUtf8(cost), QString::fromUtf8(price),
                QString::fromUtf8(book)};
    }
};

} // namespace

TEST_F(EntryInvoiceTest, ProcessingWritesOneRowPerItemAndTheAverageItemByItem)
{
    seeds::addOrder(l(), 5, 3);
    seeds::addOrderItem(l(), 5, QStringLiteral("000002"), D("12"), D("6"), 5);   // unit cost 6,30 with its IPI
    seeds::addOrderItem(l(), 5, QStringLiteral("000003"), D("2,5"), D("8"), 0);
    invoice::EntryInvoice inv(l());
    inv.addTyped(typed("1", "10", "6,00", "9,00", "0"));   // book value 0: not given
    inv.addTyped(typed("1", "20", "9"));                   // the same product again
    const invoice::ImportedOrder imported = inv.importOrder(QStringLiteral("5"));
    EXPECT_TRUE(imported.found);
    EXPECT_EQ(imported.supplier, QStringLiteral("3"));
    ASSERT_EQ(inv.items().size(), 4u);
    EXPECT_EQ(inv.items()[2].unitCost, D("6,3"));
    EXPECT_EQ(inv.totalCost(), D("60") + D("180") + D("75,6") + D("20"));

    inv.process({QStringLiteral("4711"), QStringLiteral("08/03/26"), QStringLiteral("Pedido n.5")}, kToday);
    EXPECT_TRUE(inv.items().empty());

    // 000001: 10 at 4, then 10 at 6 (avg 5), then 20 at 9 (avg (20×5 + 20×9)/40 = 7)
    EXPECT_EQ(stock(QStringLiteral("000001")), D("40"));
    EXPECT_EQ(column(QStringLiteral("000001"), "MEDIO"), D("7"));
    EXPECT_EQ(column(QStringLiteral("000001"), "CUSTO"), D("9"));
    EXPECT_EQ(column(QStringLiteral("000001"), "VALOR"), D("9"));      // given by the first item only
    EXPECT_EQ(column(QStringLiteral("000001"), "CONTABIL"), D("7"));   // never given: kept
    EXPECT_EQ(seeds::productDate(l(), QStringLiteral("000001"), "DATAENTRADA"), kToday);
    // imported: the order's cost with its IPI; sale price and book value untouched
    EXPECT_EQ(stock(QStringLiteral("000002")), D("12"));
    EXPECT_EQ(column(QStringLiteral("000002"), "MEDIO"), D("6,3"));
    EXPECT_EQ(column(QStringLiteral("000002"), "CUSTO"), D("6,3"));
    EXPECT_EQ(column(QStringLiteral("000002"), "VALOR"), D("10"));
    EXPECT_EQ(column(QStringLiteral("000002"), "CONTABIL"), D("7"));
    EXPECT_EQ(stock(QStringLiteral("000003")), D("2,5"));

    RowSet r = l().run(QStringLiteral("select * from ESTFIC where NFISCAL = 4711 order by ID"));
    ASSERT_EQ(r.size(), 4);
    while (r.next()) {
        EXPECT_EQ(r.text(u"HISTORICO"), QStringLiteral("NF:4711 OBS:Pedido n.5"));
        EXPECT_EQ(r.date(u"DATA"), QDate(2026, 3, 8));
        EXPECT_TRUE(r.isNull(u"SAIDA"));
    }
    r.seek(2);
    EXPECT_EQ(r.decimal(u"VALOR"), D("6,3"));
    EXPECT_EQ(count(QStringLiteral("select count(*) from COMPRAS")), 0);
    EXPECT_EQ(count(QStringLiteral("select count(*) from COMPPED")), 0);
}

TEST_F(EntryInvoiceTest, AnInvoiceNeedsAWholeNumberAboveZeroAndItems)
{
    seeds::addOrder(l(), 5, 3);
    seeds::addOrderItem(l(), 5, QStringLiteral("000002"), D("1"), D("6"));
    invoice::EntryInvoice inv(l());
    // an empty list processes nothing and keeps the order
    EXPECT_THROW(inv.process({QStringLiteral("10"), {}, {}}, kToday), stock::FieldError);
    inv.importOrder(QStringLiteral("5"));
    for (const char* bad : {"", "0", "-3", "NF10", "12,5", "99999999999", "1' or '1'='1"}) {
        SCOPED_TRACE(bad);
        try {
            inv.process({QString::fromUtf8(bad), {}, {}}, kToday);
            ADD_FAILURE() << "processed";
        } catch (const stock::FieldError& e) {
            EXPECT_EQ(e.message(), invoice::text::fillError);
            EXPECT_EQ(e.field(), invoice::field::number);
        }
        EXPECT_EQ(inv.items().size(), 1u);
    }
    EXPECT_EQ(count(QStringLiteral("select count(*) from ESTFIC")), 1);
    EXPECT_EQ(count(QStringLiteral("select count(*) from COMPRAS")), 1);
}

TEST_F(EntryInvoiceTest, AFailureOnTheFifthItemLeavesStockCostsAndTheOrderAsTheyWere)
{
    seeds::addOrder(l(), 5, 3);
    for (int i = 1; i <= 6; ++i)
        seeds::addOrderItem(l(), 5, QStringLiteral("00000%1").arg(i), D("3"), D("5"));
    l().run(QStringLiteral("alter table ESTFIC add constraint CK_TESTE_QUINTO check (CODIGO <> '000005')"));
    invoice::EntryInvoice inv(l());
    inv.importOrder(QStringLiteral("5"));
    ASSERT_EQ(inv.items().size(), 6u);
    EXPECT_FALSE(stock::attempt([&] { inv.process({QStringLiteral("900"), {}, {}}, kToday); }));
    EXPECT_EQ(d.errors.size(), 1);   // the database's own message
    EXPECT_EQ(inv.items().size(), 6u);   // the list is kept for another try
    EXPECT_EQ(count(QStringLiteral("select count(*) from ESTFIC")), 1);
    for (int i = 1; i <= 6; ++i) {
        const QString code = QStringLiteral("00000%1").arg(i);
        EXPECT_EQ(column(code, "MEDIO"), D("4")) << code.toStdString();
        EXPECT_EQ(column(code, "CUSTO"), D("4")) << code.toStdString();
        EXPECT_FALSE(seeds::productDate(l(), code, "DATAENTRADA").isValid());
    }
    EXPECT_EQ(count(QStringLiteral("select count(*) from COMPRAS where CODIGO = 5")), 1);
    EXPECT_EQ(count(QStringLiteral("select count(*) from COMPPED where CODPED = 5")), 6);
}

TEST_F(EntryInvoiceTest, OnlyAnOrderWhoseItemsAreInTheInvoiceIsRemoved)
{
    seeds::addOrder(l(), 5, 3);
    seeds::addOrderItem(l(), 5, QStringLiteral("000002"), D("1"), D("6"));
    seeds::addOrder(l(), 6, 3);
    seeds::addOrderItem(l(), 6, QStringLiteral("000003"), D("1"), D("6"));
    invoice::EntryInvoice inv(l());
    inv.importOrder(QStringLiteral("5"));
    // the same order twice would enter its goods twice
    EXPECT_THROW(inv.importOrder(QStringLiteral("5")), stock::FieldError);
    EXPECT_EQ(inv.items().size(), 1u);
    inv.importOrder(QStringLiteral("6"));
    inv.removeAt(1);   // order 6's only item taken out again
    EXPECT_FALSE(inv.importOrder(QStringLiteral("77")).found);
    EXPECT_FALSE(inv.importOrder(QStringLiteral("SETE")).found);
    inv.process({QStringLiteral("55"), {}, {}}, kToday);
    EXPECT_EQ(count(QStringLiteral("select count(*) from COMPRAS where CODIGO = 5")), 0);
    EXPECT_EQ(count(QStringLiteral("select count(*) from COMPRAS where CODIGO = 6")), 1);
    EXPECT_EQ(count(QStringLiteral("select count(*) from COMPPED where CODPED = 6")), 1);
}

TEST_F(EntryInvoiceTest, TypedItemsRefusedBeforeTheyReachTheList)
{
    struct Case { const char* label; invoice::TypedItem item; QString message; const char* field; };
    const QString fill = invoice::text::fillError;
    const Case cases[] = {
        {"blank product", typed("  ", "1", "2"), fill, "product"},
        {"letters as quantity", typed("1", "UM", "2"), fill, "quantity"},
        {"zero quantity", typed("1", "0", "2"), fill, "quantity"},
        {"negative quantity", typed("1", "-1", "2"), fill, "quantity"},
        {"1e20 quantity", typed("1", "1e20", "2"), fill, "quantity"},
        {"unknown product", typed("404", "1", "2"), stock::text::productNotFound, "product"},
        {"quotes in the product", typed("1'--", "1", "2"), stock::text::productNotFound, "product"},
        {"letters as cost", typed("1", "1", "DOIS"), fill, "cost"},
        {"negative sale price", typed("1", "1", "2", "-9"), fill, "price"},
        {"letters as book value", typed("1", "1", "2", "3", "X"), fill, "bookValue"},
    };
    invoice::EntryInvoice inv(l());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        try {
            inv.addTyped(c.item);
            ADD_FAILURE() << "accepted";
        } catch (const stock::FieldError& e) {
            EXPECT_EQ(e.message(), c.message);
            EXPECT_EQ(e.field(), QLatin1String(c.field));
        }
        EXPECT_TRUE(inv.items().empty());
    }
    // a blank cost is the product's own
    inv.addTyped(typed("2", "3", ""));
    EXPECT_EQ(inv.items().back().unitCost, D("4"));
}

TEST(EntryInvoiceStations, AnOrderProcessedByAnotherStationMeanwhileIsNotEnteredTwice)
{
    TestStation st;
    for (const QString& db : twoStationDatabases(st, QStringLiteral("notas"))) {
        SCOPED_TRACE(db.toStdString());
        auto a = std::make_unique<TLogon>(), b = std::make_unique<TLogon>();
        ASSERT_TRUE(a->connectTo(db)) << a->lastError().toStdString();
        ASSERT_TRUE(b->connectTo(db)) << b->lastError().toStdString();
        seeds::addProduct(*a, QStringLiteral("000001"), QStringLiteral("CERVEJA"), D("8"), D("4"));
        seeds::addOrder(*a, 9, 0);
        seeds::addOrderItem(*a, 9, QStringLiteral("000001"), D("24"), D("3"));
        invoice::EntryInvoice first(*a), second(*b);
        first.importOrder(QStringLiteral("9"));
        second.importOrder(QStringLiteral("9"));
        std::atomic<int> processed{0}, refused{0};
        auto station = [&](invoice::EntryInvoice* inv) {
            try {
                inv->process({QStringLiteral("100"), {}, {}}, QDate(2026, 3, 10));
                ++processed;
            } catch (const stock::FieldError&) {
                ++refused;
            } catch (...) {
            }
        };
        atOnce([&] { station(&first); }, [&] { station(&second); });
        EXPECT_EQ(processed, 1);
        EXPECT_EQ(refused, 1);
        EXPECT_EQ(stock::StockLedger(*a).stockOf(QStringLiteral("000001")), D("24"));
        EXPECT_EQ(integerOf(a->scalar(QStringLiteral("select count(*) from COMPRAS"))), 0);
    }
}

TEST_F(EntryInvoiceTest, AnImportedOrderCostsWhatTheOrderPrintedAndTheStockIsValuedTheSame)
{
    struct Case { const char* code; const char* quantity; const char* cost; int ipi; const char* unit; const char* line; };
    const Case cases[] = {
        {"000002", "1000", "0,99", 7, "1,0593", "1059,30"},   // not 1,06 each: 1.060,00
        {"000003", "500", "2,37", 15, "2,7255", "1362,75"},   // not 2,73 each: 1.365,00
        {"000004", "3", "10", 0, "10", "30"},
    };
    seeds::addOrder(l(), 7, 3);
    for (const Case& c : cases)
        seeds::addOrderItem(l(), 7, QString::fromLatin1(c.code), D(c.quantity), D(c.cost), c.ipi);
    const purchase::Totals printed = purchase::PurchaseOrders::totals(purchase::PurchaseOrders(l()).items(7));
    EXPECT_EQ(printed.total, D("2452,05"));

    invoice::EntryInvoice inv(l());
    inv.importOrder(QStringLiteral("7"));
    ASSERT_EQ(inv.items().size(), std::size(cases));
    for (size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(cases[i].code);
        EXPECT_EQ(inv.items()[i].unitCost, D(cases[i].unit));
        EXPECT_EQ(inv.items()[i].total(), D(cases[i].line));
    }
    EXPECT_EQ(inv.totalCost(), printed.total);
    inv.process({QStringLiteral("900"), {}, {}}, kToday);

    // the unit cost kept whole in the ledger and the product: the entries listing, the
    // current stock at cost and the stock balance value the goods at what they cost
    const RowSet entries = stocklistings::StockListings(l()).entries({kToday, kToday, QStringLiteral("900")});
    const RowSet current = stockposition::CurrentStock(l()).rows(0, stockposition::Value::Cost, true);
    const RowSet balance = stockbalance::StockBalance(l()).rows(0, kToday, kToday);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        const QString code = QString::fromLatin1(c.code);
        EXPECT_EQ(column(code, "CUSTO"), D(c.unit));
        EXPECT_EQ(column(code, "MEDIO"), D(c.unit));   // no stock before: the unit cost
        const auto lineOf = [&](const RowSet& rows, const char* total) {
            for (int i = 0; i < rows.size(); ++i)
                if (rows.value(i, u"CODIGO").toString() == code)
                    return decimalOf(rows.value(i, QString::fromLatin1(total)));
            return Decimal(-1);
        };
        EXPECT_EQ(lineOf(entries, "TOTAL"), D(c.line));
        EXPECT_EQ(lineOf(current, "TOTAL"), D(c.line));
        EXPECT_EQ(lineOf(balance, "VALOR"), D(c.line));
    }
}

TEST_F(EntryInvoiceTest, AnOrderLineTakenOutOfTheInvoiceStaysOnTheOrder)
{
    seeds::addOrder(l(), 5, 3);
    seeds::addOrderItem(l(), 5, QStringLiteral("000002"), D("10"), D("6"));
    seeds::addOrderItem(l(), 5, QStringLiteral("000003"), D("20"), D("2"));
    invoice::EntryInvoice inv(l());
    inv.importOrder(QStringLiteral("5"));
    inv.removeAt(1);   // the second line did not come with this invoice
    inv.process({QStringLiteral("77"), {}, {}}, kToday);
    EXPECT_EQ(stock(QStringLiteral("000002")), D("10"));
    EXPECT_EQ(stock(QStringLiteral("000003")), Decimal());
    EXPECT_EQ(count(QStringLiteral("select count(*) from COMPRAS where CODIGO = 5")), 1);
    EXPECT_EQ(count(QStringLiteral("select count(*) from COMPPED where CODPED = 5 and CODIGO = '000003'")), 1);
    EXPECT_EQ(count(QStringLiteral("select count(*) from COMPPED")), 1);
    // the rest comes with the next invoice, and the order goes with it
    invoice::EntryInvoice next(l());
    next.importOrder(QStringLiteral("5"));
    next.process({QStringLiteral("78"), {}, {}}, kToday);
    EXPECT_EQ(stock(QStringLiteral("000003")), D("20"));
    EXPECT_EQ(count(QStringLiteral("select count(*) from COMPRAS")), 0);
    EXPECT_EQ(count(QStringLiteral("select count(*) from COMPPED")), 0);
}

// Station A imports order 9 (24 beers); station B changes the order meanwhile (adds
// 12 soft drinks, changes the beers to 30, takes the beers out); A's processing is
// refused and writes nothing: no stock, no cost, the order and its lines as B left
// them. Once A imports the order again it is received whole.
TEST(EntryInvoiceStations, AnOrderChangedByAnotherStationAfterItWasImportedIsRefused)
{
    TestStation st;
    struct Change { const char* label; std::function<void(purchase::PurchaseOrders&, qint64 beerLine)> apply; };
    const Change changes[] = {
        {"soft drinks added", [](purchase::PurchaseOrders& o, qint64) { o.addItem(9, {QStringLiteral("2"), QStringLiteral("12"), QStringLiteral("2,50"), {}, {}}); }},
        {"beer quantity changed", [](purchase::PurchaseOrders& o, qint64 beer) { o.changeItem(beer, {QStringLiteral("1"), QStringLiteral("30"), QStringLiteral("3"), {}, {}}); }},
        {"beer line removed", [](purchase::PurchaseOrders& o, qint64 beer) { o.removeItem(beer); }},
    };
    int round = 0;
    for (const QString& db : twoStationDatabases(st, QStringLiteral("pedidos"))) {
        SCOPED_TRACE(db.toStdString());
        auto a = std::make_unique<TLogon>(), b = std::make_unique<TLogon>();
        ASSERT_TRUE(a->connectTo(db)) << a->lastError().toStdString();
        ASSERT_TRUE(b->connectTo(db)) << b->lastError().toStdString();
        seeds::addProduct(*a, QStringLiteral("000001"), QStringLiteral("CERVEJA"), D("8"), D("4"));
        seeds::addProduct(*a, QStringLiteral("000002"), QStringLiteral("REFRIGERANTE"), D("5"), D("2"));
        for (const Change& change : changes) {
            SCOPED_TRACE(change.label);
            ++round;
            a->run(QStringLiteral("delete from COMPRAS"));
            a->run(QStringLiteral("delete from COMPPED"));
            seeds::addOrder(*a, 9, 0);
            seeds::addOrderItem(*a, 9, QStringLiteral("000001"), D("24"), D("3"));
            const qint64 beer = integerOf(a->scalar(QStringLiteral("select ID from COMPPED where CODPED = 9")));

            invoice::EntryInvoice atA(*a);
            atA.importOrder(QStringLiteral("9"));
            purchase::PurchaseOrders atB(*b);
            change.apply(atB, beer);
            const QVariant linesAfterB = a->scalar(QStringLiteral("select count(*) from COMPPED where CODPED = 9"));
            const Decimal costBefore = seeds::productColumn(*a, QStringLiteral("000001"), "CUSTO");
            try {
                atA.process({QString::number(100 + round), {}, {}}, QDate(2026, 3, 10));
                ADD_FAILURE() << "processed";
            } catch (const stock::FieldError& e) {
                EXPECT_EQ(e.message(), invoice::text::orderChanged.arg(9));
                EXPECT_EQ(e.field(), invoice::field::order);
            }
            EXPECT_EQ(atA.items().size(), 1u);   // kept for the user to see
            EXPECT_EQ(integerOf(a->scalar(QStringLiteral("select count(*) from ESTFIC"))), 0);
            EXPECT_EQ(seeds::productColumn(*a, QStringLiteral("000001"), "CUSTO"), costBefore);
            EXPECT_EQ(integerOf(a->scalar(QStringLiteral("select count(*) from COMPRAS where CODIGO = 9"))), 1);
            EXPECT_EQ(a->scalar(QStringLiteral("select count(*) from COMPPED where CODPED = 9")), linesAfterB);

            // the order as it is now, imported again, is received whole
            atA.removeAt(0);
            if (atA.importOrder(QStringLiteral("9")).items > 0) {
                atA.process({QString::number(200 + round), {}, {}}, QDate(2026, 3, 10));
                EXPECT_EQ(integerOf(a->scalar(QStringLiteral("select count(*) from COMPRAS"))), 0);
                EXPECT_EQ(integerOf(a->scalar(QStringLiteral("select count(*) from COMPPED"))), 0);
                a->run(QStringLiteral("delete from ESTFIC"));
            }
        }
        // an item for an order another station has received is refused, not orphaned
        seeds::addOrder(*a, 10, 0);
        seeds::addOrderItem(*a, 10, QStringLiteral("000001"), D("6"), D("3"));
        invoice::EntryInvoice atA(*a);
        atA.importOrder(QStringLiteral("10"));
        atA.process({QStringLiteral("300"), {}, {}}, QDate(2026, 3, 10));
        try {
            purchase::PurchaseOrders(*b).addItem(10, {QStringLiteral("2"), QStringLiteral("12"), QStringLiteral("2,50"), {}, {}});
            ADD_FAILURE() << "added";
        } catch (const stock::FieldError& e) {
            EXPECT_EQ(e.message(), purchase::text::orderGone);
        }
        EXPECT_EQ(integerOf(a->scalar(QStringLiteral("select count(*) from COMPPED"))), 0);
    }
}
