// The stock ledger and the manual stock movement on a real database: the stock is
// what the rows add up to, an entry recomputes the average cost, an exit sets only
// the date of last exit, refused entries write nothing, and two stations entering
// one product at once both count.
#include "RegisterSeeds.h"
#include "ScriptedDialogs.h"
#include "SeedValues.h"
#include "StationPair.h"
#include "StockSeeds.h"
#include "TestStation.h"
#include "stock/StockLedger.h"
#include "stock/StockMarkup.h"
#include "stock/StockMovement.h"
#include "stock/StockWindows.h"

#include <atomic>
#include <gtest/gtest.h>

using seeds::D;

namespace {

const QDate kToday(2026, 3, 10);

struct StockMovementTest : ::testing::Test {
    TestStation st;
    ScriptedDialogs d;
    TLogon& l() { return st.logon(); }
    void SetUp() override
    {
        seeds::addProduct(l(), QStringLiteral("000001"), QStringLiteral("CERVEJA LATA"), D("8"), D("4"));
        seeds::addProduct(l(), QStringLiteral("000002"), QStringLiteral("PICANHA KG"), D("89,90"), D("45"));
    }
    Decimal stock(const QString& code) { return stock::StockLedger(l()).stockOf(code); }
    Decimal column(const char* c, const QString& code = QStringLiteral("000001")) { return seeds::productColumn(l(), code, c); }
    int rows() { return st.count(QStringLiteral("select count(*) from ESTFIC")); }
    movement::Typed entry(const char* qty, const char* cost, const char* price = "", const char* book = "")
    {
        movement::Typed t;
        t.code = QStringLiteral("1");
        t.date = QStringLiteral("09/03/26");
        t.history = QStringLiteral("COMPRA AVULSA");
        t.kind = QStringLiteral("1");
        t.quantity = QString::fromUtf8(qty);
        t.cost = QString::fromUtf8(cost);
        t.price = QString::fromUtf8(price);
        t.bookValue = QString::fromUtf8(book);
        return t;
    }
};

} // namespace

TEST_F(StockMovementTest, StockIsEntriesMinusExitsWithNullsAsZero)
{
    EXPECT_EQ(stock(QStringLiteral("000001")), Decimal());   // no rows: both sums are null
    seeds::addLedgerRow(l(), QStringLiteral("000001"), kToday, D("10"), std::nullopt);
    seeds::addLedgerRow(l(), QStringLiteral("000001"), kToday, std::nullopt, D("2,5"));
    seeds::addLedgerRow(l(), QStringLiteral("000001"), kToday, D("0"), D("0,125"));
    seeds::addLedgerRow(l(), QStringLiteral("000002"), kToday, std::nullopt, D("3"));
    seeds::addLedgerRow(l(), QStringLiteral("X"), kToday, D("99"), std::nullopt);   // an unknown code counts for itself only
    EXPECT_EQ(stock(QStringLiteral("000001")), D("7,375"));
    EXPECT_EQ(stock(QStringLiteral("000002")), D("-3"));   // only exits: negative
    EXPECT_EQ(stock(QStringLiteral("X")), D("99"));
}

TEST_F(StockMovementTest, AnEntryAtCostWithAFiftyPercentMarkupMovesStockCostAndPrices)
{
    seeds::addLedgerRow(l(), QStringLiteral("000001"), kToday, D("10"), std::nullopt);
    l().run(QStringLiteral("update PRODUTOS set MEDIO = 4, VALIDADE = '2026-12-31' where CODIGO = '000001'"));
    const std::optional<Decimal> price = stock::markedUp(QStringLiteral("6,00"), QStringLiteral("50"));
    ASSERT_EQ(price, D("9"));
    movement::StockMovement m(l());
    movement::Typed t = entry("10", "6,00", "9,00", "9,00");
    ASSERT_TRUE(m.confirm(t, kToday));

    EXPECT_EQ(stock(QStringLiteral("000001")), D("20"));
    EXPECT_EQ(column("MEDIO"), D("5"));      // (10 × 4 + 10 × 6) / 20
    EXPECT_EQ(column("CUSTO"), D("6"));
    EXPECT_EQ(column("VALOR"), D("9"));
    EXPECT_EQ(column("CONTABIL"), D("9"));
    EXPECT_EQ(seeds::productDate(l(), QStringLiteral("000001"), "DATAENTRADA"), QDate(2026, 3, 9));
    EXPECT_EQ(seeds::productDate(l(), QStringLiteral("000001"), "VALIDADE"), QDate(2026, 12, 31));   // no expiry typed: kept
    RowSet r = l().run(QStringLiteral("select * from ESTFIC where HISTORICO = 'COMPRA AVULSA'"));
    ASSERT_TRUE(r.next());
    EXPECT_EQ(r.decimal(u"ENTRADA"), D("10"));
    EXPECT_EQ(r.decimal(u"SAIDA"), Decimal());
    EXPECT_FALSE(r.isNull(u"SAIDA"));
    EXPECT_EQ(r.decimal(u"VALOR"), D("9"));
    EXPECT_EQ(r.date(u"DATA"), QDate(2026, 3, 9));

    // a second entry with an expiry date: the average moves again, the expiry is stored
    t = entry("5", "8");
    t.expiry = QStringLiteral("30/06/27");
    ASSERT_TRUE(m.confirm(t, kToday));
    EXPECT_EQ(column("MEDIO"), D("5,6"));    // (20 × 5 + 5 × 8) / 25
    EXPECT_EQ(seeds::productDate(l(), QStringLiteral("000001"), "VALIDADE"), QDate(2027, 6, 30));
    EXPECT_EQ(column("VALOR"), D("9"));      // no price typed: kept
}

TEST_F(StockMovementTest, AnExitLowersTheStockAndSetsOnlyTheDateOfLastExit)
{
    l().run(QStringLiteral("update PRODUTOS set MEDIO = 4, CONTABIL = 7 where CODIGO = '000001'"));
    movement::Typed t = entry("3", "99", "8,00", "99");
    t.kind = QStringLiteral("0");
    ASSERT_TRUE(movement::StockMovement(l()).confirm(t, kToday));
    EXPECT_EQ(stock(QStringLiteral("000001")), D("-3"));
    EXPECT_EQ(column("MEDIO"), D("4"));
    EXPECT_EQ(column("CUSTO"), D("4"));
    EXPECT_EQ(column("VALOR"), D("8"));
    EXPECT_EQ(column("CONTABIL"), D("7"));
    EXPECT_EQ(seeds::productDate(l(), QStringLiteral("000001"), "DATASAIDA"), QDate(2026, 3, 9));
    EXPECT_FALSE(seeds::productDate(l(), QStringLiteral("000001"), "DATAENTRADA").isValid());
    RowSet r = l().run(QStringLiteral("select ENTRADA, SAIDA, VALOR from ESTFIC"));
    ASSERT_TRUE(r.next());
    EXPECT_EQ(r.decimal(u"ENTRADA"), Decimal());
    EXPECT_EQ(r.decimal(u"SAIDA"), D("3"));
    EXPECT_EQ(r.decimal(u"VALOR"), D("8"));
}

TEST_F(StockMovementTest, AnEntryBringingTheStockToZeroWritesTheRowAndLeavesTheProduct)
{
    seeds::addLedgerRow(l(), QStringLiteral("000001"), kToday, std::nullopt, D("10"));
    l().run(QStringLiteral("update PRODUTOS set MEDIO = 4 where CODIGO = '000001'"));
    ASSERT_TRUE(movement::StockMovement(l()).confirm(entry("10", "6", "12"), kToday));
    EXPECT_TRUE(d.errors.isEmpty());
    EXPECT_EQ(stock(QStringLiteral("000001")), Decimal());
    EXPECT_EQ(rows(), 2);
    EXPECT_EQ(column("MEDIO"), D("4"));
    EXPECT_EQ(column("CUSTO"), D("4"));
    EXPECT_EQ(column("VALOR"), D("8"));
    EXPECT_FALSE(seeds::productDate(l(), QStringLiteral("000001"), "DATAENTRADA").isValid());
}

TEST_F(StockMovementTest, TheHistoryIsCutToItsColumnAndABlankOneIsAnArrow)
{
    movement::Typed t = entry("1", "4");
    t.history = QString(200, u'H');
    ASSERT_TRUE(movement::StockMovement(l()).confirm(t, kToday));
    t.history = QStringLiteral("   ");
    t.date = QStringLiteral("  /  /  ");
    ASSERT_TRUE(movement::StockMovement(l()).confirm(t, kToday));
    RowSet r = l().run(QStringLiteral("select HISTORICO, DATA from ESTFIC order by ID"));
    ASSERT_EQ(r.size(), 2);
    r.next();
    EXPECT_EQ(r.text(u"HISTORICO"), QString(120, u'H'));
    r.next();
    EXPECT_EQ(r.text(u"HISTORICO"), QStringLiteral("->"));
    EXPECT_EQ(r.date(u"DATA"), kToday);   // a blank date is today
}

TEST_F(StockMovementTest, RefusedMovementsWriteNothingAndNameTheirField)
{
    struct Case { const char* label; const char* field; QString value; QString message; const char* focus; };
    const Case cases[] = {
        {"unknown product", "code", QStringLiteral("999"), stock::text::productNotFound, "code"},
        {"quote in the code", "code", QStringLiteral("1' OR '1'='1"), stock::text::productNotFound, "code"},
        {"movement code 2", "kind", QStringLiteral("2"), movement::text::badKind, "kind"},
        {"blank movement code", "kind", QString(), movement::text::badKind, "kind"},
        {"letters as quantity", "quantity", QStringLiteral("DEZ"), movement::text::badQuantity, "quantity"},
        {"zero quantity", "quantity", QStringLiteral("0"), movement::text::badQuantity, "quantity"},
        {"negative quantity", "quantity", QStringLiteral("-5"), movement::text::badQuantity, "quantity"},
        {"1e20 quantity", "quantity", QStringLiteral("1e20"), movement::text::badQuantity, "quantity"},
        {"thousandth below zero", "quantity", QStringLiteral("0,0004"), movement::text::badQuantity, "quantity"},
        {"letters as cost", "cost", QStringLiteral("SEIS"), movement::text::badValue.arg(QStringLiteral("Custo")), "cost"},
        {"negative price", "price", QStringLiteral("-9"), movement::text::badValue.arg(QStringLiteral("Venda")), "price"},
        {"sql in the book value", "bookValue", QStringLiteral("1; DROP TABLE ESTFIC"),
         movement::text::badValue.arg(QStringLiteral("Valor Contabil")), "bookValue"},
        {"impossible expiry", "expiry", QStringLiteral("31/02/27"), movement::text::badExpiry, "expiry"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        movement::Typed t = entry("10", "6", "9");
        QString* fields[] = {&t.code, &t.kind, &t.quantity, &t.cost, &t.price, &t.bookValue, &t.expiry};
        const char* names[] = {"code", "kind", "quantity", "cost", "price", "bookValue", "expiry"};
        for (size_t i = 0; i < std::size(names); ++i)
            if (QLatin1String(names[i]) == QLatin1String(c.field))
                *fields[i] = c.value;
        QString field;
        try {
            movement::StockMovement(l()).confirm(t, kToday);
            ADD_FAILURE() << "accepted";
        } catch (const stock::FieldError& e) {
            EXPECT_EQ(e.message(), c.message);
            field = e.field();
        }
        EXPECT_EQ(field, QLatin1String(c.focus));
        EXPECT_EQ(rows(), 0);
        EXPECT_EQ(column("CUSTO"), D("4"));
    }
    // A text the database cannot store: its message, nothing written.
    movement::Typed t = entry("1", "4");
    t.history = QStringLiteral("CAFÉ \U0001F600");
    EXPECT_FALSE(stock::attempt([&] { movement::StockMovement(l()).confirm(t, kToday); }));
    EXPECT_EQ(d.errors, QStringList{characterSetMessage()});
    EXPECT_EQ(rows(), 0);
    // A blank code does nothing at all.
    t = entry("1", "4");
    t.code = QStringLiteral("  ");
    EXPECT_FALSE(movement::StockMovement(l()).confirm(t, kToday));
    EXPECT_EQ(rows(), 0);
}

// The percentage is stored exactly and shown as stored (it was cut to a whole
// number: "37,5" came back "37,0"); a percentage the percentage rules refuse is
// refused with its message and the stored one stays (it was stored, or became 0).
TEST_F(StockMovementTest, TheMarkupPercentageIsTheDefaultOfTheNextMovement)
{
    struct Case { const char* typed; const char* shown; Decimal stored; };
    const Case stored[] = {
        {"37,5", "37,5", D("37,5")}, {"12,25", "12,25", D("12,25")}, {"50", "50,0", D("50")},
        {"999,99", "999,99", D("999,99")}, {"", "0,0", Decimal()}, {"0,01", "0,01", D("0,01")},
    };
    for (const Case& c : stored) {
        stock::storeMarkup(l(), QString::fromUtf8(c.typed));
        EXPECT_EQ(stock::markupText(l()), QString::fromUtf8(c.shown)) << c.typed;
        EXPECT_EQ(decimalOf(l().scalar(QStringLiteral("select CONTABIL from EMPRESA"))), c.stored) << c.typed;
    }
    stock::storeMarkup(l(), QStringLiteral("12,5"));
    for (const char* hostile : {"-1", "-0,01", "123456789", "1000", "12,345", "ABC", "1e2", "'; drop table empresa"}) {
        try {
            stock::storeMarkup(l(), QString::fromUtf8(hostile));
            ADD_FAILURE() << "stored " << hostile;
        } catch (const stock::FieldError& e) {
            EXPECT_EQ(e.message(), stock::text::badMarkup);
            EXPECT_EQ(e.field(), QStringLiteral("percent"));
        }
        EXPECT_EQ(stock::markupText(l()), QStringLiteral("12,5")) << hostile;
    }
}

TEST(StockMovementStations, TwoStationsEnteringOneProductAtOnceBothCount)
{
    TestStation st;
    for (const QString& db : twoStationDatabases(st, QStringLiteral("estoque"))) {
        SCOPED_TRACE(db.toStdString());
        auto a = std::make_unique<TLogon>(), b = std::make_unique<TLogon>();
        ASSERT_TRUE(a->connectTo(db)) << a->lastError().toStdString();
        ASSERT_TRUE(b->connectTo(db)) << b->lastError().toStdString();
        seeds::addProduct(*a, QStringLiteral("000001"), QStringLiteral("CERVEJA"), D("8"), D("4"));
        std::atomic<int> failures{0};
        auto station = [&](TLogon* logon, const char* cost) {
            for (int i = 0; i < 10; ++i) {
                movement::Typed t;
                t.code = QStringLiteral("000001");
                t.kind = QStringLiteral("1");
                t.quantity = QStringLiteral("1");
                t.cost = QString::fromUtf8(cost);
                try {
                    movement::StockMovement(*logon).confirm(t, QDate(2026, 3, 10));
                } catch (...) {
                    ++failures;
                }
            }
        };
        atOnce([&] { station(a.get(), "4"); }, [&] { station(b.get(), "8"); });
        EXPECT_EQ(failures, 0);
        EXPECT_EQ(stock::StockLedger(*a).stockOf(QStringLiteral("000001")), D("20"));
        // Every entry read the stock and the average under the product's lock: in any
        // order the running average ends at the average of all twenty (10 × 4 and
        // 10 × 8), give or take the cents each step rounds.
        const Decimal average = seeds::productColumn(*a, QStringLiteral("000001"), "MEDIO");
        EXPECT_LE((average - D("6")).abs(), D("0,05")) << average;
    }
}
