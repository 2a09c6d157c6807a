// Opening, closing and reopening the cash shift, with their audit rows.
#include "TestStation.h"
#include "cash/CashShift.h"

#include <atomic>
#include <gtest/gtest.h>
#include <memory>
#include <thread>

namespace {
int historicoRows(TestStation& st, const char* acao, const char* operador)
{
    return st.count(QStringLiteral("SELECT COUNT(*) FROM HISTORICO WHERE ACAO = ? AND OPERADOR = ?"),
                    {QString::fromUtf8(acao), QString::fromUtf8(operador)});
}
}

TEST(CashShift, FirstOpeningOfANewDatabaseIsShiftOneWithItsRows)
{
    TestStation st;
    CashShift shift(st.logon());
    EXPECT_EQ(shift.openNumber(), 0);
    int number = 0;
    const QDate date(2026, 3, 14);
    ASSERT_EQ(shift.open(date, Decimal::fromCents(15050), QStringLiteral("MARIA"), QStringLiteral("SUPERVISOR"), &number),
              CashShift::Result::Done);
    EXPECT_EQ(number, 1);
    EXPECT_EQ(st.count(QStringLiteral("SELECT COUNT(*) FROM CONTCAIXA WHERE CAIXA = 1 AND NUMEDADOR = 1")), 1);
    EXPECT_EQ(st.count(QStringLiteral("SELECT COUNT(*) FROM CONTDATA WHERE CAIXA = 1 AND DATA = '2026-03-14' "
                                      "AND ABERTURA = 150.5 AND OPERADOR = 'MARIA'")), 1);
    EXPECT_EQ(historicoRows(st, "Abriu Caixa", "SUPERVISOR"), 1);
    EXPECT_EQ(shift.dateOf(1), QStringLiteral("14/03/26"));
    EXPECT_EQ(shift.open(date, Decimal(0), QStringLiteral("MARIA"), QStringLiteral("SUPERVISOR")),
              CashShift::Result::AlreadyOpen);
    EXPECT_EQ(st.count(QStringLiteral("SELECT COUNT(*) FROM CONTDATA")), 1);
}

TEST(CashShift, NumberingFollowsTheHighestIssuedWhateverWasReopened)
{
    TestStation st;
    CashShift shift(st.logon());
    const QDate today = QDate::currentDate();
    for (int i = 1; i <= 7; ++i) {
        ASSERT_EQ(shift.open(today, Decimal(0), QStringLiteral("OP"), QStringLiteral("SUP")), CashShift::Result::Done);
        ASSERT_EQ(shift.close(QStringLiteral("SUP")), CashShift::Result::Done);
    }
    EXPECT_EQ(shift.reopen(3, QStringLiteral("CHEFE")), CashShift::Result::Done);
    EXPECT_EQ(shift.openNumber(), 3);
    EXPECT_EQ(historicoRows(st, "Reabriu Caixa", "CHEFE"), 1);
    EXPECT_EQ(shift.reopen(2, QStringLiteral("CHEFE")), CashShift::Result::AlreadyOpen);
    EXPECT_EQ(shift.close(QStringLiteral("SUP")), CashShift::Result::Done);
    EXPECT_EQ(shift.close(QStringLiteral("SUP")), CashShift::Result::AlreadyClosed);
    EXPECT_EQ(historicoRows(st, "Fechou Caixa", "SUP"), 8);
    int number = 0;
    ASSERT_EQ(shift.open(today, Decimal(0), QStringLiteral("OP"), QStringLiteral("SUP"), &number), CashShift::Result::Done);
    EXPECT_EQ(number, 8);
}

TEST(CashShift, ReopenRefusesNumbersThatAreNoShift)
{
    TestStation st;
    CashShift shift(st.logon());
    EXPECT_EQ(shift.reopen(1, QStringLiteral("SUP")), CashShift::Result::NoSuchShift);   // never opened
    ASSERT_EQ(shift.open(QDate::currentDate(), Decimal(0), QStringLiteral("OP"), QStringLiteral("SUP")), CashShift::Result::Done);
    ASSERT_EQ(shift.close(QStringLiteral("SUP")), CashShift::Result::Done);
    for (int k : {0, -3, 2, 99999})
        EXPECT_EQ(shift.reopen(k, QStringLiteral("SUP")), CashShift::Result::NoSuchShift) << k;
    EXPECT_EQ(shift.openNumber(), 0);
    EXPECT_EQ(historicoRows(st, "Reabriu Caixa", "SUP"), 0);
}

TEST(CashShift, AFailedOpeningWritesNothing)
{
    TestStation st;
    CashShift shift(st.logon());
    // an authoriser name longer than HISTORICO.OPERADOR fails the last statement
    EXPECT_THROW(shift.open(QDate::currentDate(), Decimal(10), QStringLiteral("OP"), QString(200, u'X')), DbError);
    EXPECT_EQ(st.count(QStringLiteral("SELECT COUNT(*) FROM CONTCAIXA WHERE CAIXA = 0 AND NUMEDADOR = 0")), 1);
    EXPECT_EQ(st.count(QStringLiteral("SELECT COUNT(*) FROM CONTDATA")), 0);
    EXPECT_EQ(shift.openNumber(), 0);
    // a long operator name is cut to its column, not a reason to lose the row
    ASSERT_EQ(shift.open(QDate::currentDate(), Decimal(0), QString(40, u'N'), QStringLiteral("SUP")), CashShift::Result::Done);
    EXPECT_EQ(st.scalar(QStringLiteral("SELECT OPERADOR FROM CONTDATA")).toString(), QString(20, u'N'));
}

TEST(CashShift, OpeningFloatEntry)
{
    struct Case { const char* text; const char* expected; } cases[] = {
        {"150,50", "150.5"}, {"150.50", "150.5"}, {"", "0"}, {" 7 ", "7"},
        {"abc", nullptr}, {"1e20", nullptr}, {"-5", nullptr}, {"'; drop table contdata", nullptr},
        {"99999999999999999999", nullptr}, {"1,2,3", nullptr},
    };
    for (const Case& c : cases) {
        const auto d = cashshift::parseOpeningFloat(QString::fromUtf8(c.text));
        if (!c.expected)
            EXPECT_FALSE(d.has_value()) << c.text;
        else
            EXPECT_EQ(d, Decimal::parseSql(QString::fromUtf8(c.expected))) << c.text;
    }
    EXPECT_EQ(cashshift::shiftNumberText(8), QStringLiteral("0000008"));
    EXPECT_EQ(cashshift::shiftNumberText(0), QString());
}

TEST(CashShift, StationsOpeningTheFirstShiftAtOnceOpenOne)
{
    // Six stations press "Abrir" together: on a new installation (its closed row to
    // hold) and on a database whose CONTCAIXA was emptied (nothing to hold). One
    // shift opens; the others are told the cash is already open.
    TestStation st;
    std::vector<QString> databases{st.databasePath()};
    if (!TestServer::address().isEmpty())
        databases.push_back(TestServer::address() + QLatin1Char(':') + TestServer::createDatabase(QStringLiteral("caixa")));
    constexpr int kStations = 6;
    for (const QString& db : databases) {
        for (const bool emptied : {false, true}) {
            SCOPED_TRACE(db.toStdString() + (emptied ? " emptied" : " new"));
            std::vector<std::unique_ptr<TLogon>> stations;
            for (int i = 0; i < kStations; ++i) {
                stations.push_back(std::make_unique<TLogon>());
                ASSERT_TRUE(stations.back()->connectTo(db)) << stations.back()->lastError().toStdString();
            }
            TLogon& first = *stations.front();
            first.action([&] {
                first.run(QStringLiteral("DELETE FROM CONTDATA"));
                first.run(emptied ? QStringLiteral("DELETE FROM CONTCAIXA") : QStringLiteral("UPDATE CONTCAIXA SET CAIXA = 0, NUMEDADOR = 0"));
            });
            std::atomic<int> ready{0}, opened{0}, alreadyOpen{0}, other{0};
            std::vector<std::thread> threads;
            for (auto& l : stations) {
                threads.emplace_back([&, logon = l.get()] {
                    ++ready;
                    while (ready < kStations)
                        std::this_thread::yield();
                    try {
                        const auto r = CashShift(*logon).open(QDate::currentDate(), Decimal(0), QStringLiteral("OP"),
                                                              QStringLiteral("SUP"));
                        (r == CashShift::Result::Done ? opened : r == CashShift::Result::AlreadyOpen ? alreadyOpen : other)++;
                    } catch (const std::exception&) {
                        ++other;
                    }
                });
            }
            for (std::thread& t : threads)
                t.join();
            EXPECT_EQ(opened, 1);
            EXPECT_EQ(alreadyOpen, kStations - 1);
            EXPECT_EQ(other, 0);
            EXPECT_EQ(integerOf(first.scalar(QStringLiteral("SELECT COUNT(*) FROM CONTCAIXA"))), 1);
            EXPECT_EQ(integerOf(first.scalar(QStringLiteral("SELECT COUNT(*) FROM CONTCAIXA WHERE CAIXA = 1"))), 1);
            EXPECT_EQ(integerOf(first.scalar(QStringLiteral("SELECT COUNT(*) FROM CONTDATA WHERE CAIXA = 1"))), 1);
            EXPECT_EQ(CashShift(first).close(QStringLiteral("SUP")), CashShift::Result::Done);
        }
    }
}
