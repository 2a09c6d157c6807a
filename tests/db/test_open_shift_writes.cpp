// The cash office's writes under the open shift with two stations on one database
// (the station's file and the test server): a withdrawal, an expense and a payment
// on account confirmed in a window left open while another station closed the
// shift write nothing; one that meets the closing half-way waits for it and then
// finds the shift closed.
#include "RegisterSeeds.h"
#include "SeedValues.h"
#include "TestStation.h"
#include "cash/CashShift.h"
#include "cash/Withdrawal.h"
#include "cashoffice/CustomerAccount.h"
#include "cashoffice/DailyExpenses.h"

#include <atomic>
#include <chrono>
#include <functional>
#include <gtest/gtest.h>
#include <thread>

using seeds::D;

namespace {

QString S(const char* s) { return QString::fromUtf8(s); }

const QDate kDay(2026, 3, 14);

WithdrawalRequest withdrawal(int shownShift)
{
    return WithdrawalRequest{shownShift, S("200,00"), S("1"), S("BANCO"), S("02"), S("BIA"),
                             QDateTime(kDay, QTime(22, 0))};
}

ExpenseInput expense()
{
    ExpenseInput e;
    e.history = S("GELO");
    e.amount = S("15");
    e.terminal = S("02");
    e.today = kDay;
    return e;
}

AccountEntry payment()
{
    return AccountEntry{S("35"), QString(), S("JOAO"), S("C"), S("N"), S("10"), kDay};
}

// One write of station B's windows, as its window confirms it; the message of its
// refusal, empty when it was written.
struct Writer {
    const char* name;
    std::function<void(TLogon&, int shownShift)> write;
    QString closedMessage;
    const char* rowsOfShift;   // counts what it wrote under a shift
};

const std::vector<Writer>& writers()
{
    static const std::vector<Writer> all = {
        {"withdrawal", [](TLogon& b, int shown) { Withdrawal(b).record(withdrawal(shown)); },
         WithdrawalText::kCashClosed, "select count(*) from sangria where caixa = ?"},
        {"expense", [](TLogon& b, int shown) { DailyExpenses(b).confirm(shown, expense()); },
         expensesmsg::cashClosed, "select count(*) from desploja where caixa = ?"},
        {"payment on account", [](TLogon& b, int) { CustomerAccount(b).record(payment()); },
         accountmsg::cashMustBeOpen, "select count(*) from recarq where caixabaixa = ?"},
    };
    return all;
}

QString refusalOf(const std::function<void()>& write)
{
    try {
        write();
    } catch (const ActionRefused& e) {
        return e.message();
    }
    return QString();
}

int count(TLogon& l, const char* sql, int cash)
{
    return int(integerOf(l.scalar(S(sql), {cash})));
}

} // namespace

TEST(OpenShiftWrites, AWindowLeftOpenWritesNothingOnceAnotherStationClosedTheShift)
{
    TestStation st;
    for (const QString& db : twoStationDatabases(st, S("turno"))) {
        SCOPED_TRACE(db.toStdString());
        auto a = attachStation(db, 2);
        auto b = attachStation(db, 2);
        seeds::addCustomer(*a, 35, S("JOAO DA SILVA"));
        int cash = 0;
        ASSERT_EQ(CashShift(*a).open(kDay, D("100"), S("ANA"), S("CHEFE"), &cash), CashShift::Result::Done);
        // Station B's windows open on that shift, and each writes once.
        ASSERT_EQ(Withdrawal(*b).openCashShift(), cash);
        ASSERT_EQ(DailyExpenses(*b).openCash(), cash);
        for (const Writer& w : writers()) {
            EXPECT_EQ(refusalOf([&] { w.write(*b, cash); }), QString()) << w.name;
            EXPECT_EQ(count(*a, w.rowsOfShift, cash), 1) << w.name;
        }
        const qint64 expenseId = DailyExpenses(*b).rows(cash).front().id;

        // Station A closes the shift: the windows still show it; nothing goes in.
        ASSERT_EQ(CashShift(*a).close(S("CHEFE")), CashShift::Result::Done);
        for (const Writer& w : writers()) {
            EXPECT_EQ(refusalOf([&] { w.write(*b, cash); }), w.closedMessage) << w.name;
            EXPECT_EQ(count(*a, w.rowsOfShift, cash), 1) << w.name;
            EXPECT_EQ(count(*a, w.rowsOfShift, 0), 0) << w.name;
        }
        EXPECT_EQ(refusalOf([&] { DailyExpenses(*b).remove(cash, expenseId); }), expensesmsg::cashClosed);
        EXPECT_EQ(count(*a, "select count(*) from desploja where caixa = ?", cash), 1);

        // A opens the next shift: windows still showing the closed one (or shift 0,
        // opened while the cash was closed) write nothing; the account window, which
        // shows no shift, takes the payment into the open one.
        int next = 0;
        ASSERT_EQ(CashShift(*a).open(kDay, D("100"), S("ANA"), S("CHEFE"), &next), CashShift::Result::Done);
        for (int shown : {cash, 0}) {
            EXPECT_EQ(refusalOf([&] { Withdrawal(*b).record(withdrawal(shown)); }), WithdrawalText::kCashClosed);
            EXPECT_EQ(refusalOf([&] { DailyExpenses(*b).confirm(shown, expense()); }), expensesmsg::cashClosed);
        }
        EXPECT_EQ(count(*a, "select count(*) from sangria where caixa = ?", next), 0);
        EXPECT_EQ(count(*a, "select count(*) from desploja where caixa = ?", next), 0);
        EXPECT_EQ(refusalOf([&] { CustomerAccount(*b).record(payment()); }), QString());
        EXPECT_EQ(count(*a, "select count(*) from recarq where caixabaixa = ?", next), 1);
    }
}

TEST(OpenShiftWrites, AWriteThatMeetsTheClosingWaitsForItAndFindsTheShiftClosed)
{
    TestStation st;
    for (const QString& db : twoStationDatabases(st, S("turnofecha"))) {
        SCOPED_TRACE(db.toStdString());
        auto a = attachStation(db, 5);
        auto b = attachStation(db, 5);
        seeds::addCustomer(*a, 35, S("JOAO DA SILVA"));
        for (const Writer& w : writers()) {
            SCOPED_TRACE(w.name);
            int cash = 0;
            ASSERT_EQ(CashShift(*a).open(kDay, D("100"), S("ANA"), S("CHEFE"), &cash), CashShift::Result::Done);
            // A's closing has changed the shift's row and not committed yet when B confirms.
            std::thread late;
            std::atomic<bool> done{false};
            QString refused;
            a->action([&] {
                EXPECT_EQ(CashShift(*a).close(S("CHEFE")), CashShift::Result::Done);
                late = std::thread([&] {
                    refused = refusalOf([&] { w.write(*b, cash); });
                    done = true;
                });
                std::this_thread::sleep_for(std::chrono::milliseconds(400));
                EXPECT_FALSE(done) << "written beside a closing in progress";
            });
            if (late.joinable())
                late.join();
            EXPECT_EQ(refused, w.closedMessage);
            EXPECT_EQ(count(*a, w.rowsOfShift, cash), 0);
            EXPECT_EQ(count(*a, w.rowsOfShift, 0), 0);
        }
    }
}
