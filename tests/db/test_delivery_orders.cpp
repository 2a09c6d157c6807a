// The delivery desk's orders on a real database: starting an order by telephone,
// the rows a tab's delivery data leave, items with their complements, the total
// with the area's fee, deleting items and orders, an order another station deleted,
// and two stations taking the same telephone and adding items to one order at once
// (embedded, and on the test server when there is one).
#include "SalesSeeds.h"
#include "SeedValues.h"
#include "TabServiceSeeds.h"
#include "TestStation.h"
#include "delivery/DeliveryItemEntry.h"
#include "delivery/DeliveryOrders.h"
#include "delivery/DeliveryText.h"

#include <QThread>
#include <gtest/gtest.h>
#include <thread>

using seeds::D;

namespace {

QString S(const char* s) { return QString::fromUtf8(s); }

qint64 count(TLogon& l, const QString& sql, const Params& p = {}) { return integerOf(l.scalar(sql, p)); }

// A product with an accompaniment and two complements of its group.
void pizzaWithExtras(TLogon& l)
{
    seeds::product(l, seeds::Product(S("000012"), S("PIZZA CALABRESA"), D("30"), S("2"), 3));
    seeds::accompaniment(l, S("000012"), S("OREGANO"));
    seeds::complement(l, 3, S("BORDA RECHEADA"), D("2,5"));
    seeds::complement(l, 3, S("BACON"), D("4"));
}

} // namespace

TEST(DeliveryOrders, ANewTelephoneGetsACustomerAndAnOrderAKnownOneItsOpenOrder)
{
    TestStation st;
    TLogon& l = st.logon();
    seeds::customer(l, 33334444, S("MARIA DAS DORES"));
    DeliveryOrders desk(l);
    const QDateTime at(QDate(2026, 3, 5), QTime(19, 30, 5));

    const DeliveryOrders::Started known = desk.start(33334444, at);
    EXPECT_TRUE(known.created);
    EXPECT_FALSE(known.newCustomer);
    RowSet o = l.run(S("select CODIGO, FONE, CLIENTE, DATA, HORA, VALOR, STATUS from DELIVERE where ID = ?"),
                     {known.orderId});
    ASSERT_TRUE(o.next());
    EXPECT_EQ(o.integer(u"CODIGO"), 33334444);
    EXPECT_EQ(o.text(u"FONE"), S("33334444"));
    EXPECT_EQ(o.text(u"CLIENTE"), S("MARIA DAS DORES"));
    EXPECT_EQ(o.date(u"DATA"), QDate(2026, 3, 5));
    EXPECT_EQ(o.text(u"HORA"), S("19:30:05"));

    // the same telephone again: its open order, nothing written
    const DeliveryOrders::Started again = desk.start(33334444, at.addSecs(60));
    EXPECT_EQ(again.orderId, known.orderId);
    EXPECT_FALSE(again.created);
    EXPECT_EQ(count(l, S("select count(*) from DELIVERE")), 1);

    // a telephone no customer has: a customer with its code alone, named afterwards
    const DeliveryOrders::Started fresh = desk.start(991234567, at);
    EXPECT_TRUE(fresh.created);
    EXPECT_TRUE(fresh.newCustomer);
    EXPECT_EQ(count(l, S("select count(*) from CLIENTES where CODIGO = 991234567 and NOME is null")), 1);
    l.run(S("update CLIENTES set NOME = ? where CODIGO = 991234567"), {S("MARIA APARECIDA DOS SANTOS FERREIRA LIMA")});
    desk.nameNewOrder(fresh.orderId, 991234567);
    EXPECT_EQ(l.scalar(S("select CLIENTE from DELIVERE where ID = ?"), {fresh.orderId}).toString(),
              S("MARIA APARECIDA DOS SANTOS FERREIRA LIM"));   // 39 of its 40 characters
    const std::vector<DeskOrder> list = desk.orders();
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].id, known.orderId);
    EXPECT_EQ(list[1].fone, S("991234567"));
}

TEST(DeliveryOrders, TheDeskListsOnlyItsOrdersAndKeepsTheRowsOfATabsDeliveryData)
{
    TestStation st;
    TLogon& l = st.logon();
    l.run(S("insert into DELIVERE (ID, CODIGO, VALOR, MOTOBOY, CLIENTE) values (GEN_ID(DELIVERE,1), 3, 20, 25, 'X')"));
    const qint64 tabRow = count(l, S("select max(ID) from DELIVERE"));
    DeliveryOrders desk(l);
    const qint64 order = desk.start(33334444).orderId;
    const std::vector<DeskOrder> list = desk.orders(DeliveryOrders::Order::ByTime);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].id, order);
    EXPECT_FALSE(desk.order(tabRow));
    EXPECT_EQ(count(l, S("select count(*) from DELIVERE")), 2);
}

TEST(DeliveryOrders, TheTotalFollowsItemsAreaAndDeletions)
{
    TestStation st;
    TLogon& l = st.logon();
    pizzaWithExtras(l);
    seeds::product(l, seeds::Product(S("000020"), S("REFRIGERANTE"), D("12,35"), S("1"), 4));
    l.run(S("insert into ENTREGA (ID, BAIRRO, TAXA) values (1, 'CENTRO', 5)"));
    l.run(S("insert into DELICAD (ID, CODIGO, NOME) values (7, 3, 'JOAO')"));
    DeliveryOrders desk(l);
    DeliveryItemEntry entry(l, 0);
    const qint64 order = desk.start(33334444).orderId;

    const ItemInHand pizza = *entry.load(S("12")).item;
    const qint64 first = entry.confirm(order, pizza, S("2"), S("SEM CEBOLA"));
    ItemInHand soda = *entry.load(S("20")).item;
    entry.confirm(order, soda, S("1,5"), S(""));
    // 2 x (30 + 2,50 + 4) + 1,5 x 12,35 = 73 + 18,525
    EXPECT_EQ(decimalOf(l.scalar(S("select VALOR from DELIVERE where ID = ?"), {order})), D("91,53"));

    desk.setArea(order, 1);
    desk.setDeliveryMan(order, 7);
    std::optional<DeskOrder> shown = desk.order(order);
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->valor, D("96,53"));
    EXPECT_EQ(shown->areaLabel(), S("CENTRO R$ 5,00"));
    EXPECT_EQ(shown->deliveryManLabel(), S("JOAO"));
    EXPECT_EQ(shown->motoboy, 7);
    // items come grouped by kitchen printer
    const std::vector<DeskItem> items = desk.items(order);
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0].nome, S("REFRIGERANTE"));
    EXPECT_EQ(items[1].id, first);
    EXPECT_EQ(items[1].obs, S("SEM CEBOLA"));

    // deleting an item takes its complements with it
    EXPECT_EQ(count(l, S("select count(*) from ACOMPDELI where IDMESA = ?"), {first}), 3);
    desk.deleteItem(order, first);
    EXPECT_EQ(count(l, S("select count(*) from ACOMPDELI")), 0);
    EXPECT_EQ(decimalOf(l.scalar(S("select VALOR from DELIVERE where ID = ?"), {order})), D("23,53"));

    // deleting the order takes its items
    desk.deleteOrder(order);
    EXPECT_EQ(count(l, S("select count(*) from DELIVERE")), 0);
    EXPECT_EQ(count(l, S("select count(*) from DELIITEM")), 0);

    // an order another station deleted meanwhile is refused, nothing written into it
    try {
        entry.confirm(order, pizza, S("1"), S(""));
        ADD_FAILURE() << "an item was written into a deleted order";
    } catch (const DeliveryRefused& e) {
        EXPECT_EQ(e.message(), deliverytext::desk::orderGone);
    }
    EXPECT_THROW(desk.setArea(order, 1), DeliveryRefused);
    EXPECT_EQ(count(l, S("select count(*) from DELIITEM")), 0);
}

TEST(DeliveryOrders, AfterDeletingAnOrderTheListGoesByTime)
{
    TestStation st;
    TLogon& l = st.logon();
    DeliveryOrders desk(l);
    const qint64 a = desk.start(1111, QDateTime(QDate(2026, 3, 5), QTime(20, 0))).orderId;
    const qint64 b = desk.start(2222, QDateTime(QDate(2026, 3, 5), QTime(19, 0))).orderId;
    desk.start(3333, QDateTime(QDate(2026, 3, 5), QTime(21, 0)));
    desk.deleteOrder(a);
    EXPECT_EQ(desk.orders(DeliveryOrders::Order::ByTime).front().id, b);
}

TEST(DeliveryOrders, TwoIdenticalItemsInOneSecondKeepTheirOwnComplements)
{
    TestStation st;
    TLogon& l = st.logon();
    pizzaWithExtras(l);
    DeliveryOrders desk(l);
    DeliveryItemEntry entry(l, 0);
    const qint64 order = desk.start(33334444).orderId;
    const QDateTime same(QDate(2026, 3, 5), QTime(19, 0, 0));
    ItemInHand plain = *entry.load(S("12")).item;
    for (ItemExtra& e : plain.extras)
        e.ticked = false;
    ItemInHand full = *entry.load(S("12")).item;
    const qint64 one = entry.confirm(order, full, S("1"), S(""), same);
    const qint64 two = entry.confirm(order, plain, S("1"), S(""), same);
    const qint64 three = entry.confirm(order, full, S("1"), S(""), same);
    EXPECT_EQ(count(l, S("select count(distinct BUSCA) from DELIITEM")), 1);   // one search key for all three
    EXPECT_EQ(count(l, S("select count(*) from ACOMPDELI where IDMESA = ? and CODIGO = ?"), {one, QString::number(one)}), 3);
    EXPECT_EQ(count(l, S("select count(*) from ACOMPDELI where IDMESA = ?"), {two}), 0);
    EXPECT_EQ(count(l, S("select count(*) from ACOMPDELI where IDMESA = ?"), {three}), 3);
}

TEST(DeliveryOrders, TwoStationsTakingOneTelephoneGetOneOrderAndOneCustomer)
{
    TestStation st;
    for (const QString& db : twoStationDatabases(st, QStringLiteral("delivery"))) {
        SCOPED_TRACE(db.toStdString());
        auto a = attachStation(db, 5);
        auto b = attachStation(db, 5);
        // Station A has started the order and not committed yet when B takes the same
        // telephone: B waits for A and then takes A's order up.
        DeliveryOrders::Started fromB;
        QString failure;
        qint64 fromA = 0;
        std::thread other;
        a->action([&] {
            fromA = DeliveryOrders(*a).start(44445555).orderId;
            other = std::thread([&] {
                try {
                    fromB = DeliveryOrders(*b).start(44445555);
                } catch (const std::exception& e) {
                    failure = QString::fromUtf8(e.what());
                }
            });
            QThread::msleep(400);   // B is waiting on A's telephone by now
        });
        other.join();
        EXPECT_TRUE(failure.isEmpty()) << failure.toStdString();
        EXPECT_EQ(fromB.orderId, fromA);
        EXPECT_FALSE(fromB.created);
        EXPECT_EQ(count(*a, S("select count(*) from DELIVERE where FONE = '44445555'")), 1);
        EXPECT_EQ(count(*a, S("select count(*) from CLIENTES where CODIGO = 44445555")), 1);
    }
}

TEST(DeliveryOrders, TwoStationsAddingItemsToOneOrderAtOnceLoseNothing)
{
    TestStation st;
    for (const QString& db : twoStationDatabases(st, QStringLiteral("delivery"))) {
        SCOPED_TRACE(db.toStdString());
        auto a = attachStation(db, 5);
        auto b = attachStation(db, 5);
        pizzaWithExtras(*a);
        const qint64 order = DeliveryOrders(*a).start(55556666).orderId;
        DeliveryItemEntry entryA(*a, 0), entryB(*b, 0);
        const ItemInHand pizzaA = *entryA.load(S("12")).item;
        ItemInHand pizzaB = *entryB.load(S("12")).item;
        pizzaB.extras.erase(pizzaB.extras.begin() + 1, pizzaB.extras.end());   // B: the accompaniment alone
        // A writes its item and holds the order until it commits; B adds its own meanwhile.
        qint64 itemB = 0, itemA = 0;
        QString failure;
        std::thread other;
        a->action([&] {
            itemA = entryA.confirm(order, pizzaA, S("1"), S("A"));
            other = std::thread([&] {
                try {
                    itemB = entryB.confirm(order, pizzaB, S("2"), S("B"));
                } catch (const std::exception& e) {
                    failure = QString::fromUtf8(e.what());
                }
            });
            QThread::msleep(400);   // B is waiting for the order's row
        });
        other.join();
        EXPECT_TRUE(failure.isEmpty()) << failure.toStdString();
        ASSERT_NE(itemB, 0);
        EXPECT_EQ(count(*a, S("select count(*) from DELIITEM where PEDIDO = ?"), {QString::number(order)}), 2);
        EXPECT_EQ(count(*a, S("select count(*) from ACOMPDELI where IDMESA = ?"), {itemA}), 3);
        EXPECT_EQ(count(*a, S("select count(*) from ACOMPDELI where IDMESA = ?"), {itemB}), 1);
        EXPECT_EQ(a->scalar(S("select OBS from DELIITEM where ID = ?"), {itemB}).toString(), S("B"));
        // 36,50 + 2 x 30 both in the total
        EXPECT_EQ(decimalOf(a->scalar(S("select VALOR from DELIVERE where ID = ?"), {order})), D("96,5"));
    }
}
