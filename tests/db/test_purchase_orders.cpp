// Purchase orders on a real database: numbers drawn in one statement (never shared
// by two stations), the header, items added, changed in place and removed, and the
// order deleted with its items.
#include "RegisterSeeds.h"
#include "ScriptedDialogs.h"
#include "SeedValues.h"
#include "StationPair.h"
#include "StockSeeds.h"
#include "TestStation.h"
#include "stock/PurchaseOrders.h"
#include "stock/StockWindows.h"

#include <atomic>
#include <gtest/gtest.h>
#include <set>

using seeds::D;

namespace {

struct PurchaseOrdersTest : ::testing::Test {
    TestStation st;
    ScriptedDialogs d;
    TLogon& l() { return st.logon(); }
    void SetUp() override
    {
        seeds::addProduct(l(), QStringLiteral("000001"), QStringLiteral("CERVEJA LATA"), D("8"), D("4"));
        seeds::addSupplier(l(), 3, QStringLiteral("DISTRIBUIDORA SUL"));
    }
    int count(const char* sql) { return st.count(QString::fromUtf8(sql)); }
};

} // namespace

TEST_F(PurchaseOrdersTest, NumbersGrowFromTheCompanyCounterAndAreNeverReused)
{
    purchase::PurchaseOrders orders(l());
    EXPECT_EQ(orders.firstNumber(), 0);
    EXPECT_EQ(orders.create(), 1);
    EXPECT_EQ(orders.create(), 2);
    orders.remove(2);
    EXPECT_EQ(orders.create(), 3);
    EXPECT_EQ(st.scalar(QStringLiteral("select SCL5 from EMPRESA")).toLongLong(), 3);
    EXPECT_EQ(orders.firstNumber(), 1);
    EXPECT_EQ(count("select count(*) from COMPRAS"), 2);
}

TEST_F(PurchaseOrdersTest, HeaderItemsAndDeletion)
{
    purchase::PurchaseOrders orders(l());
    const qint64 n = orders.create();
    orders.storeHeader(n, {QStringLiteral("02/03/26"), QStringLiteral("09/03/26"), QStringLiteral("30 DIAS"),
                           QStringLiteral("3"), QStringLiteral("ENTREGAR PELA MANHA")});
    const purchase::Order o = orders.order(n);
    EXPECT_EQ(o.date, QDate(2026, 3, 2));
    EXPECT_EQ(o.delivery, QDate(2026, 3, 9));
    EXPECT_EQ(o.term, QStringLiteral("30 DIAS"));
    EXPECT_EQ(o.supplier, QStringLiteral("3"));
    EXPECT_EQ(o.observation, QStringLiteral("ENTREGAR PELA MANHA"));

    orders.addItem(n, {QStringLiteral("1"), QStringLiteral("24"), QStringLiteral("3,50"), QStringLiteral("18"), QStringLiteral("5")});
    std::vector<purchase::Item> items = orders.items(n);
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0].code, QStringLiteral("000001"));
    EXPECT_EQ(items[0].name, QStringLiteral("CERVEJA LATA"));
    EXPECT_EQ(items[0].total(), D("84"));
    const qint64 id = items[0].id;

    // "Alterar" changes the item in place: same ID, new values.
    orders.changeItem(id, {QStringLiteral("000001"), QStringLiteral("12"), QStringLiteral("3,75"), QStringLiteral("0"), QStringLiteral("10")});
    items = orders.items(n);
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0].id, id);
    EXPECT_EQ(items[0].quantity, D("12"));
    EXPECT_EQ(items[0].ipi, 10);
    EXPECT_EQ(purchase::PurchaseOrders::totals(items).total, D("49,50"));

    // An item deleted meanwhile is not changed into existence again.
    orders.removeItem(id);
    EXPECT_THROW(orders.changeItem(id, {QStringLiteral("1"), QStringLiteral("1"), {}, {}, {}}), stock::FieldError);
    EXPECT_EQ(count("select count(*) from COMPPED"), 0);

    orders.addItem(n, {QStringLiteral("1"), QStringLiteral("2"), {}, {}, {}});
    orders.remove(n);
    EXPECT_EQ(count("select count(*) from COMPRAS"), 0);
    EXPECT_EQ(count("select count(*) from COMPPED"), 0);
}

TEST_F(PurchaseOrdersTest, HostileItemsAndHeadersAreRefusedWithNothingWritten)
{
    purchase::PurchaseOrders orders(l());
    const qint64 n = orders.create();
    struct Case { const char* label; purchase::TypedItem item; QString message; const char* field; };
    const QString fill = purchase::text::fillError;
    const Case cases[] = {
        {"quantity 2,5", {"1", "2,5", "3", "0", "0"}, fill, "quantity"},
        {"letters as quantity", {"1", "DOZE", "3", "0", "0"}, fill, "quantity"},
        {"zero quantity", {"1", "0", "3", "0", "0"}, fill, "quantity"},
        {"negative quantity", {"1", "-4", "3", "0", "0"}, fill, "quantity"},
        {"1e20 quantity", {"1", "1e20", "3", "0", "0"}, fill, "quantity"},
        {"negative cost", {"1", "2", "-3", "0", "0"}, fill, "cost"},
        {"letters as cost", {"1", "2", "TRES", "0", "0"}, fill, "cost"},
        {"ICMS of 7,5", {"1", "2", "3", "7,5", "0"}, fill, "icms"},
        {"IPI of 150", {"1", "2", "3", "0", "150"}, fill, "ipi"},
        {"unknown product", {"999", "2", "3", "0", "0"}, stock::text::productNotFound, "product"},
        {"sql in the code", {"1'; DELETE FROM COMPPED; --", "2", "3", "0", "0"}, stock::text::productNotFound, "product"},
        {"over-long code", {QString(40, u'9'), "2", "3", "0", "0"}, stock::text::productNotFound, "product"},
        {"blank code", {"  ", "2", "3", "0", "0"}, fill, "product"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        try {
            orders.addItem(n, c.item);
            ADD_FAILURE() << "accepted";
        } catch (const stock::FieldError& e) {
            EXPECT_EQ(e.message(), c.message);
            EXPECT_EQ(e.field(), QLatin1String(c.field));
        }
        EXPECT_EQ(count("select count(*) from COMPPED"), 0);
    }
    struct HeaderCase { const char* label; purchase::TypedHeader header; const char* field; };
    const HeaderCase headers[] = {
        {"impossible order date", {"31/02/26", {}, {}, {}, {}}, "date"},
        {"impossible delivery date", {{}, "99/99/99", {}, {}, {}}, "delivery"},
        {"unknown supplier", {{}, {}, {}, "77", {}}, "supplier"},
        {"letters as supplier", {{}, {}, {}, "SUL", {}}, "supplier"},
    };
    for (const HeaderCase& c : headers) {
        SCOPED_TRACE(c.label);
        try {
            orders.storeHeader(n, c.header);
            ADD_FAILURE() << "accepted";
        } catch (const stock::FieldError& e) {
            EXPECT_EQ(e.field(), QLatin1String(c.field));
        }
        EXPECT_EQ(count("select count(*) from COMPRAS where FORNE is not null or DATA is not null or ENTREGA is not null"), 0);
    }
    // Quotes and fragments in the free texts are stored as typed.
    orders.storeHeader(n, {{}, {}, QStringLiteral("30' DIAS"), {}, QStringLiteral("'); DROP TABLE COMPRAS; --")});
    EXPECT_EQ(orders.order(n).observation, QStringLiteral("'); DROP TABLE COMPRAS; --"));
    EXPECT_EQ(orders.order(n).term, QStringLiteral("30' DIAS"));
}

TEST(PurchaseOrderStations, TwoStationsDrawingNumbersAtOnceNeverShareOne)
{
    TestStation st;
    for (const QString& db : twoStationDatabases(st, QStringLiteral("compras"))) {
        SCOPED_TRACE(db.toStdString());
        auto a = std::make_unique<TLogon>(), b = std::make_unique<TLogon>();
        ASSERT_TRUE(a->connectTo(db)) << a->lastError().toStdString();
        ASSERT_TRUE(b->connectTo(db)) << b->lastError().toStdString();
        std::atomic<int> failures{0};
        std::vector<qint64> drawnA, drawnB;
        auto station = [&](TLogon* logon, std::vector<qint64>* drawn) {
            for (int i = 0; i < 15; ++i) {
                try {
                    drawn->push_back(purchase::PurchaseOrders(*logon).create());
                } catch (...) {
                    ++failures;
                }
            }
        };
        atOnce([&] { station(a.get(), &drawnA); }, [&] { station(b.get(), &drawnB); });
        EXPECT_EQ(failures, 0);
        std::set<qint64> all(drawnA.begin(), drawnA.end());
        all.insert(drawnB.begin(), drawnB.end());
        EXPECT_EQ(all.size(), drawnA.size() + drawnB.size());
        EXPECT_EQ(all.size(), 30u);
        EXPECT_EQ(integerOf(a->scalar(QStringLiteral("select count(distinct CODIGO) from COMPRAS"))), 30);
        EXPECT_EQ(integerOf(a->scalar(QStringLiteral("select SCL5 from EMPRESA"))), 30);
    }
}
