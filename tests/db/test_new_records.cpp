// A register's new record is only inserted (db/NewRecord), with two stations on one
// database (the station's file and the test server): kit and product codes and
// delivery-man codes, one after the other, at the same moment, and while the other
// station's insert is not yet committed; and an older database that already holds
// two rows under one code.
#include "RegisterSeeds.h"
#include "SeedValues.h"
#include "TestStation.h"
#include "db/NewRecord.h"
#include "db/SchemaUpgrade.h"
#include "delivery/DeliveryRegisters.h"
#include "delivery/DeliveryText.h"
#include "registers/ProductStore.h"
#include "registers/RegisterCommon.h"
#include "stock/KitRegister.h"

#include <atomic>
#include <chrono>
#include <functional>
#include <gtest/gtest.h>
#include <thread>

namespace {

QString S(const char* text) { return QString::fromUtf8(text); }

int count(TLogon& l, const QString& sql, const Params& params = {}) { return int(integerOf(l.scalar(sql, params))); }

// The message a write was refused with; empty when it was written.
QString refusalOf(const std::function<void()>& write)
{
    try {
        write();
    } catch (const EntryError& e) {
        return e.message();
    }
    return QString();
}

// Each register's new record, written by a station: the kit window's new code, the
// delivery men's "&Novo".
struct NewRecord {
    const char* name;
    std::function<void(TLogon&, const char* tag)> write;   // tag: what tells the stations' rows apart
    QString takenMessage;
    QString countSql;    // rows under the key
    QString tagSql;      // the tag of the row under the key
};

const std::vector<NewRecord>& registersOfNewRecords()
{
    static const std::vector<NewRecord> all = {
        {"kit",
         [](TLogon& l, const char* tag) {
             kits::KitRegister(l).create(S("000005"));
             kits::KitRegister(l).save(S("000005"), S(tag), QString(), S("10"));
         },
         kits::text::codeTaken, S("select count(*) from PRODUTOS where CODIGO = '000005'"),
         S("select NOME from PRODUTOS where CODIGO = '000005'")},
        {"delivery man",
         [](TLogon& l, const char* tag) {
             DeliveryMen(l).save(S("000008"), S(tag), S(""), S(""), S(""), S(""), true);
         },
         deliverytext::men::codeTaken, S("select count(*) from DELICAD where CODIGO = 8"),
         S("select NOME from DELICAD where CODIGO = 8")},
    };
    return all;
}

} // namespace

TEST(NewRecords, TheSecondStationsNewRecordUnderTheSameCodeIsRefused)
{
    TestStation st;
    for (const QString& db : twoStationDatabases(st, S("novos"))) {
        SCOPED_TRACE(db.toStdString());
        for (const NewRecord& r : registersOfNewRecords()) {
            SCOPED_TRACE(r.name);
            auto a = attachStation(db, 5), b = attachStation(db, 5);
            // One after the other: the second is told, the first keeps its record.
            EXPECT_EQ(refusalOf([&] { r.write(*a, "PRIMEIRO"); }), QString());
            EXPECT_EQ(refusalOf([&] { r.write(*b, "SEGUNDO"); }), r.takenMessage);
            EXPECT_EQ(count(*a, r.countSql), 1);
            EXPECT_EQ(a->scalar(r.tagSql).toString(), S("PRIMEIRO"));
            a->run(S("delete from PRODUTOS where CODIGO = '000005'"));
            a->run(S("delete from DELICAD where CODIGO = 8"));

            // At the same moment: one of them, never both, never a mix.
            for (int round = 0; round < 5; ++round) {
                std::atomic<bool> go{false};
                std::atomic<int> refused{0}, failures{0};
                auto station = [&](TLogon* l, const char* tag) {
                    while (!go)
                        std::this_thread::yield();
                    try {
                        const QString m = refusalOf([&] { r.write(*l, tag); });
                        if (m == r.takenMessage)
                            ++refused;
                        else if (!m.isEmpty())
                            ++failures;
                    } catch (...) {
                        ++failures;
                    }
                };
                std::thread ta(station, a.get(), "A"), tb(station, b.get(), "B");
                go = true;
                ta.join();
                tb.join();
                EXPECT_EQ(failures, 0);
                EXPECT_EQ(refused, 1);
                EXPECT_EQ(count(*a, r.countSql), 1);
                a->run(S("delete from PRODUTOS where CODIGO = '000005'"));
                a->run(S("delete from DELICAD where CODIGO = 8"));
            }

            // A's record inserted and not committed yet when B looks: B waits on the
            // code's key, then is refused.
            std::thread late;
            QString refusedLate;
            a->action([&] {
                r.write(*a, "PRIMEIRO");
                late = std::thread([&] { refusedLate = refusalOf([&] { r.write(*b, "SEGUNDO"); }); });
                std::this_thread::sleep_for(std::chrono::milliseconds(300));
            });
            if (late.joinable())
                late.join();
            EXPECT_EQ(refusedLate, r.takenMessage);
            EXPECT_EQ(count(*a, r.countSql), 1);
            EXPECT_EQ(a->scalar(r.tagSql).toString(), S("PRIMEIRO"));
        }
    }
}

TEST(NewRecords, AKitCodeAndAProductCodeAreOneKey)
{
    TestStation st;
    for (const QString& db : twoStationDatabases(st, S("produtokit"))) {
        SCOPED_TRACE(db.toStdString());
        auto a = attachStation(db, 2), b = attachStation(db, 2);
        // Both look: free. A's product register creates 000007, then B's kit window.
        ASSERT_FALSE(kits::KitRegister(*b).taken(S("000007")));
        ASSERT_TRUE(ProductStore(*a).insertNew(S("000007")));
        EXPECT_EQ(refusalOf([&] { kits::KitRegister(*b).create(S("000007")); }), kits::text::codeTaken);
        // And the other way round.
        kits::KitRegister(*b).create(S("000008"));
        EXPECT_FALSE(ProductStore(*a).insertNew(S("000008")));
        EXPECT_EQ(count(*a, S("select count(*) from PRODUTOS where CODIGO in ('000007', '000008')")), 2);
        EXPECT_EQ(a->scalar(S("select COMPOSICAO from PRODUTOS where CODIGO = '000007'")).toString(), S("N"));
        EXPECT_EQ(a->scalar(S("select COMPOSICAO from PRODUTOS where CODIGO = '000008'")).toString(), S("S"));
    }
}

TEST(NewRecords, AnOlderDatabaseWithTwoRowsUnderOneCodeStartsAndStillRefusesANewOne)
{
    TestStation st;
    TLogon& l = st.logon();
    const QString index = S("select count(*) from rdb$indices where rdb$index_name = ?");
    for (const char* name : {"UX_DELICAD_CODIGO", "UX_PRODUTOS_CODIGO"})
        l.run(S("drop index %1").arg(S(name)));
    l.run(S("insert into DELICAD (ID, CODIGO, NOME) values (GEN_ID(DELICAD,1), 3, 'JOAO')"));
    l.run(S("insert into DELICAD (ID, CODIGO, NOME) values (GEN_ID(DELICAD,1), 3, 'JOSE')"));
    seeds::addProduct(l, S("000001"), S("CERVEJA"), seeds::D("8"), seeds::D("4"));
    seeds::addProduct(l, S("000001"), S("CERVEJA LATA"), seeds::D("8"), seeds::D("4"));

    SchemaUpgrade upgrade(l);
    EXPECT_NO_THROW(upgrade.run());
    EXPECT_EQ(count(l, index, {S("UX_DELICAD_CODIGO")}), 0);
    EXPECT_EQ(count(l, index, {S("UX_PRODUTOS_CODIGO")}), 0);
    // Without the key the look inside the action still refuses a code in use.
    EXPECT_EQ(refusalOf([&] { DeliveryMen(l).save(S("3"), S("NOVO"), S(""), S(""), S(""), S(""), true); }),
              deliverytext::men::codeTaken);
    EXPECT_EQ(refusalOf([&] { kits::KitRegister(l).create(S("000001")); }), kits::text::codeTaken);
    EXPECT_FALSE(ProductStore(l).insertNew(S("000001")));
    EXPECT_EQ(count(l, S("select count(*) from DELICAD where CODIGO = 3")), 2);
    EXPECT_EQ(count(l, S("select count(*) from PRODUTOS where CODIGO = '000001'")), 2);

    // Once the extra rows are gone, the next start adds the keys.
    l.run(S("delete from DELICAD where NOME = 'JOSE'"));
    l.run(S("delete from PRODUTOS where NOME = 'CERVEJA LATA'"));
    SchemaUpgrade again(l);
    again.run();
    EXPECT_EQ(count(l, index, {S("UX_DELICAD_CODIGO")}), 1);
    EXPECT_EQ(count(l, index, {S("UX_PRODUTOS_CODIGO")}), 1);
    EXPECT_THROW(l.run(S("insert into DELICAD (ID, CODIGO, NOME) values (GEN_ID(DELICAD,1), 3, 'X')")), DbError);
}
