// Opening tables and tabs: taking up an open tab, reservations, the unique tab
// key with two stations, and older databases that hold two tabs under one key.
#include "SalesSeeds.h"
#include "TestStation.h"
#include "db/SchemaUpgrade.h"
#include "sales/TabOpening.h"
#include "sales/TabView.h"

#include <gtest/gtest.h>

TEST(TabOpening, NewTabHasItsColumnsAndIsTakenUpAfterwards)
{
    TestStation st;
    TabOpening opening(st.logon());
    EXPECT_FALSE(opening.find(QStringLiteral("000007")));
    TabHeader h;
    EXPECT_EQ(opening.open(QStringLiteral("000007"), &h), TabOpening::Outcome::Created);
    EXPECT_EQ(h.mesa, QStringLiteral("000007"));
    EXPECT_EQ(st.count(QStringLiteral("select count(*) from cabmesa where mesa = '000007' and cliente = 0 and taxa = 'N' "
                                      "and couver = 'N' and hora is not null and data = current_date "
                                      "and vendedor is null and status is null")), 1);
    EXPECT_EQ(opening.open(QStringLiteral("000007")), TabOpening::Outcome::TakenUp);
    EXPECT_EQ(st.count(QStringLiteral("select count(*) from cabmesa")), 1);
}

TEST(TabOpening, TwoStationsOpeningOneTableGetOneTab)
{
    TestStation st;
    for (const QString& db : twoStationDatabases(st, QStringLiteral("abremesa"))) {
        auto a = attachStation(db, 2);
        auto b = attachStation(db, 2);
        TabOpening first(*a), second(*b);
        // both looked and found nothing; both insert
        ASSERT_FALSE(first.find(QStringLiteral("000009")));
        ASSERT_FALSE(second.find(QStringLiteral("000009")));
        TabHeader ha, hb;
        EXPECT_EQ(first.open(QStringLiteral("000009"), &ha), TabOpening::Outcome::Created) << db.toStdString();
        EXPECT_EQ(second.open(QStringLiteral("000009"), &hb), TabOpening::Outcome::TakenUp) << db.toStdString();
        EXPECT_EQ(ha.id, hb.id);
        EXPECT_EQ(integerOf(a->scalar(QStringLiteral("select count(*) from cabmesa where mesa = '000009'"))), 1);
    }
}

TEST(TabOpening, OlderDatabaseWithTwoTabsUnderOneKeyStartsAndUsesTheOlder)
{
    TestStation st;
    st.logon().run(QStringLiteral("drop index UX_CABMESA_MESA"));
    st.logon().run(QStringLiteral("insert into cabmesa (id, mesa, status) values (10, '000003', 0)"));
    st.logon().run(QStringLiteral("insert into cabmesa (id, mesa, status) values (11, '000003', 0)"));
    SchemaUpgrade upgrade(st.logon());
    EXPECT_NO_THROW(upgrade.run());
    EXPECT_EQ(st.count(QStringLiteral("select count(*) from rdb$indices where rdb$index_name = 'UX_CABMESA_MESA'")), 0);
    TabOpening opening(st.logon());
    EXPECT_EQ(opening.find(QStringLiteral("000003"))->id, 10);
    EXPECT_EQ(TabView(st.logon(), 0).refreshButtons().size(), 1u);
    // once the extra tab is gone, the next start adds the key
    st.logon().run(QStringLiteral("delete from cabmesa where id = 11"));
    SchemaUpgrade again(st.logon());
    again.run();
    EXPECT_EQ(st.count(QStringLiteral("select count(*) from rdb$indices where rdb$index_name = 'UX_CABMESA_MESA'")), 1);
    EXPECT_THROW(st.logon().run(QStringLiteral("insert into cabmesa (mesa) values ('000003')")), DbError);
}

TEST(TabView, ButtonsShowOpenAndPreBilledTabsInKeyOrder)
{
    TestStation st;
    st.logon().run(QStringLiteral("insert into cabmesa (mesa, fechado, status) values ('000012', '21:05:10', 1)"));
    st.logon().run(QStringLiteral("insert into cabmesa (mesa) values ('000002')"));
    st.logon().run(QStringLiteral("insert into cabmesa (mesa) values ('')"));
    const std::vector<TableButtonInfo> b = TabView(st.logon(), 0).refreshButtons();
    ASSERT_EQ(b.size(), 2u);
    EXPECT_EQ(b[0].caption, QStringLiteral("000002"));
    EXPECT_EQ(b[1].caption, QStringLiteral("000012\r21:05:10"));
    EXPECT_TRUE(b[1].preBilled);
    EXPECT_EQ(st.count(QStringLiteral("select count(*) from cabmesa where status is null")), 0);
    EXPECT_EQ(st.count(QStringLiteral("select count(*) from cabmesa where mesa = ''")), 0);
}
