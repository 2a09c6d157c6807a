// The payable titles (PAGARQ): registered, edited and settled by confirming the
// register's fields, exact to the cent, refused whole when a value cannot be
// read, and one title per number with two stations; the four listings' selection.
#include "RegisterSeeds.h"
#include "core/WholeNumber.h"
#include "SeedValues.h"
#include "TestStation.h"
#include "finance/PayablesListing.h"
#include "finance/PayablesRegister.h"
#include "registers/RegisterCommon.h"

#include <atomic>
#include <gtest/gtest.h>
#include <thread>

using seeds::D;

namespace {

QString S(const char* text) { return QString::fromUtf8(text); }

PayableFields fields(const char* number, const char* code, const char* name, const char* issue, const char* due,
                     const char* paid, const char* value, const char* interest)
{
    return PayableFields{S(number), S(code), S(name), S(issue), S(due), S(paid), S(value), S(interest)};
}

struct PayablesTest : ::testing::Test {
    TestStation st;
    int titles() { return st.count(S("select count(*) from PAGARQ")); }
};

} // namespace

TEST_F(PayablesTest, ANewNumberBecomesOneTitleAndConfirmingAgainUpdatesIt)
{
    PayablesRegister r(st.logon());
    EXPECT_FALSE(r.find(S("NF-100")).has_value());
    ASSERT_TRUE(r.confirm(fields("NF-100", "7", "DISTRIBUIDORA DE BEBIDAS DO NORDESTE LTDA", "01/03/24", "15/03/24",
                                 "  /  /  ", "1500,50", "0,00")));
    ASSERT_EQ(titles(), 1);
    std::optional<PayableTitle> t = r.find(S("  NF-100 "));
    ASSERT_TRUE(t.has_value());
    EXPECT_GT(t->id, 0);
    EXPECT_EQ(t->codigo, S("7"));
    EXPECT_EQ(t->nome, S("DISTRIBUIDORA DE BEBIDAS DO NO"));   // cut to 30
    EXPECT_EQ(t->emissao, QDate(2024, 3, 1));
    EXPECT_EQ(t->vencimento, QDate(2024, 3, 15));
    EXPECT_FALSE(t->baixa.isValid());
    EXPECT_EQ(t->valor, D("1500,50"));
    EXPECT_EQ(PayablesRegister::amountField(t->valor), S("1500,50"));

    // Settled: the payment date typed, the other dates left empty keep theirs.
    ASSERT_TRUE(r.confirm(fields("NF-100", "7", "DISTRIBUIDORA", "  /  /  ", "", "20/03/24", "1500.50", "12,30")));
    EXPECT_EQ(titles(), 1);
    t = r.find(S("NF-100"));
    EXPECT_EQ(t->emissao, QDate(2024, 3, 1));
    EXPECT_EQ(t->vencimento, QDate(2024, 3, 15));
    EXPECT_EQ(t->baixa, QDate(2024, 3, 20));
    EXPECT_EQ(t->juros, D("12,30"));

    // A stored payment date is not removed by an empty field.
    ASSERT_TRUE(r.confirm(fields("NF-100", "7", "DISTRIBUIDORA", "", "", "  /  /  ", "1500,50", "12,30")));
    EXPECT_EQ(r.find(S("NF-100"))->baixa, QDate(2024, 3, 20));

    // Blank number: nothing written.
    EXPECT_FALSE(r.confirm(fields("   ", "7", "X", "", "", "", "10", "0")));
    EXPECT_EQ(titles(), 1);

    EXPECT_TRUE(r.remove(t->id));
    EXPECT_FALSE(r.remove(t->id));
    EXPECT_FALSE(r.remove(0));
    EXPECT_EQ(titles(), 0);
}

TEST_F(PayablesTest, AmountsAreExactToTheCent)
{
    PayablesRegister r(st.logon());
    ASSERT_TRUE(r.confirm(fields("X1", "", "", "", "", "", "200000,01", "150000,01")));
    ASSERT_TRUE(r.confirm(fields("X2", "", "", "", "", "", "999999999,99", "0,01")));
    EXPECT_EQ(r.find(S("X1"))->valor, D("200000,01"));
    EXPECT_EQ(r.find(S("X1"))->juros, D("150000,01"));
    EXPECT_EQ(r.find(S("X2"))->valor, D("999999999,99"));
    EXPECT_EQ(decimalOf(st.scalar(S("select sum(VALOR) from PAGARQ"))), D("1000200000,00"));
    // an amount whose sums the program could not add is refused
    EXPECT_THROW(r.confirm(fields("X3", "", "", "", "", "", "999999999999,99", "0,01")), EntryError);
    EXPECT_FALSE(r.find(S("X3")));
}

TEST_F(PayablesTest, HostileValuesAreStoredAsTypedOrRefusedWithNothingChanged)
{
    seeds::addSupplier(st.logon(), 7, S("FORNECEDOR"));
    PayablesRegister r(st.logon());
    ASSERT_TRUE(r.confirm(fields("BASE", "7", "ORIGINAL", "01/01/24", "10/01/24", "", "100,00", "1,00")));
    struct Case { const char* label; PayableFields f; bool refused; };
    const Case cases[] = {
        {"quotes in the name", fields("BASE", "7", "D'AGUA \"X\"", "", "", "", "100", "1"), false},
        {"sql in the name", fields("BASE", "7", "'); delete from PAGARQ; --", "", "", "", "100", "1"), false},
        {"sql in the number", fields("'; DROP TABLE X", "7", "A", "", "", "", "1", "0"), false},
        {"letters in the amount", fields("BASE", "7", "A", "", "", "", "12A", "1"), true},
        {"1e20", fields("BASE", "7", "A", "", "", "", "1e20", "1"), true},
        {"negative", fields("BASE", "7", "A", "", "", "", "-5", "1"), true},
        {"more than cents", fields("BASE", "7", "A", "", "", "", "1,005", "1"), true},
        {"letters in the interest", fields("BASE", "7", "A", "", "", "", "10", "abc"), true},
        {"a date that is none", fields("BASE", "7", "A", "31/02/24", "", "", "10", "1"), true},
        {"half a date", fields("BASE", "7", "A", "", "12/  /  ", "", "10", "1"), true},
        {"over-long number", fields("1234567890123456", "7", "A", "", "", "", "10", "1"), true},
        {"letters in the supplier code: no supplier", fields("BASE", "ABC", "A", "", "", "", "10", "1"), false},
        {"emoji in the name", fields("BASE", "7", "\U0001F600", "", "", "", "10", "1"), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        const int before = titles();
        const PayableTitle stored = *r.find(S("BASE"));
        bool refused = false;
        try {
            r.confirm(c.f);
        } catch (const EntryError& e) {
            refused = true;
            EXPECT_EQ(e.message(), PayablesText::kFillError);
        } catch (const DbError& e) {
            refused = true;
            EXPECT_TRUE(e.isCharacterSetError()) << e.message().toStdString();
        }
        EXPECT_EQ(refused, c.refused);
        const PayableTitle now = *r.find(S("BASE"));
        if (refused) {
            EXPECT_EQ(titles(), before);
            EXPECT_EQ(now.nome, stored.nome);
            EXPECT_EQ(now.valor, stored.valor);
            EXPECT_EQ(now.emissao, stored.emissao);
        } else if (c.f.duplicata == S("BASE")) {
            EXPECT_EQ(now.nome, c.f.nome.left(30));
            EXPECT_EQ(now.valor, *Decimal::parse(c.f.valor));
        }
    }
    EXPECT_TRUE(r.find(S("'; DROP TABLE X")).has_value());
    EXPECT_EQ(r.find(S("BASE"))->codigo, S("0"));
    EXPECT_EQ(r.supplierName(S("7")), std::optional<QString>(S("FORNECEDOR")));
    for (const char* code : {"8", "ABC", "", "1e20", "' or 1=1 --"})
        EXPECT_FALSE(r.supplierName(S(code)).has_value()) << code;
}

TEST_F(PayablesTest, TwoStationsRegisteringTheSameNewNumberMakeOneTitle)
{
    std::vector<QString> databases{st.databasePath()};
    if (!TestServer::address().isEmpty())
        databases.push_back(TestServer::address() + QLatin1Char(':') + TestServer::createDatabase(S("pagar")));
    for (const QString& db : databases) {
        SCOPED_TRACE(db.toStdString());
        for (int round = 0; round < 5; ++round) {
            auto a = std::make_unique<TLogon>(), b = std::make_unique<TLogon>();
            ASSERT_TRUE(a->connectTo(db)) << a->lastError().toStdString();
            ASSERT_TRUE(b->connectTo(db)) << b->lastError().toStdString();
            const QString number = S("DUP-%1").arg(round);
            std::atomic<bool> go{false};
            std::atomic<int> failures{0};
            auto station = [&](TLogon* logon, const char* value) {
                while (!go)
                    std::this_thread::yield();
                try {
                    PayablesRegister(*logon).confirm(PayableFields{number, S("1"), S("F"), S("01/02/24"), S(""),
                                                                   S(""), S(value), S("0")});
                } catch (...) {
                    ++failures;
                }
            };
            std::thread ta(station, a.get(), "10,00"), tb(station, b.get(), "20,00");
            go = true;
            ta.join();
            tb.join();
            EXPECT_EQ(failures, 0);
            EXPECT_EQ(integerOf(a->scalar(S("select count(*) from PAGARQ where DUPLICATA = ?"), {number})), 1);
            const Decimal v = decimalOf(a->scalar(S("select VALOR from PAGARQ where DUPLICATA = ?"), {number}));
            EXPECT_TRUE(v == D("10") || v == D("20"));
        }
        // The other station's new row is not committed yet when this one looks: this
        // one waits on the number's key, then writes into that row.
        auto a = std::make_unique<TLogon>(), b = std::make_unique<TLogon>();
        ASSERT_TRUE(a->connectTo(db)) << a->lastError().toStdString();
        ASSERT_TRUE(b->connectTo(db)) << b->lastError().toStdString();
        std::thread late;
        std::atomic<bool> failed{false};
        a->action([&] {
            a->run(S("insert into PAGARQ (ID, DUPLICATA, VALOR) values (GEN_ID(PAGARQ,1), 'HELD', 1)"));
            late = std::thread([&] {
                try {
                    PayablesRegister(*b).confirm(PayableFields{S("HELD"), S("1"), S("F"), S(""), S(""), S(""),
                                                               S("30,00"), S("0")});
                } catch (...) {
                    failed = true;
                }
            });
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
        });
        late.join();
        EXPECT_FALSE(failed);
        EXPECT_EQ(integerOf(a->scalar(S("select count(*) from PAGARQ where DUPLICATA = 'HELD'"))), 1);
        EXPECT_EQ(decimalOf(a->scalar(S("select VALOR from PAGARQ where DUPLICATA = 'HELD'"))), D("30"));
    }
}

TEST_F(PayablesTest, ListingsSelectByTheirDateSupplierAndStatusInDateOrder)
{
    PayablesRegister r(st.logon());
    // number, supplier, issue, due, paid, value
    struct Title { const char* n; const char* s; const char* e; const char* v; const char* b; const char* val; };
    const Title seed[] = {
        {"A", "1", "01/03/24", "10/03/24", "", "100"},
        {"B", "2", "02/03/24", "10/03/24", "12/03/24", "50"},
        {"C", "1", "05/02/24", "31/03/24", "31/03/24", "10"},
        {"D", "1", "06/03/24", "01/04/24", "01/04/24", "1"},
        {"E", "2", "28/02/24", "01/03/24", "", "7"},
    };
    for (const Title& t : seed)
        ASSERT_TRUE(r.confirm(fields(t.n, t.s, "F", t.e, t.v, t.b, t.val, "0")));
    const PayablesListing listing(st.logon());
    auto numbers = [&](PayablesListingKind kind, int supplier, TitleStatus status) {
        RowSet rs = listing.titles({kind, supplier, QDate(2024, 3, 1), QDate(2024, 3, 31), status});
        QStringList out;
        while (rs.next())
            out << rs.text(u"DUPLICATA");
        return out.join(QLatin1Char(','));
    };
    EXPECT_EQ(numbers(PayablesListingKind::ByDueDate, 0, TitleStatus::Open), S("E,A"));
    EXPECT_EQ(numbers(PayablesListingKind::ByDueDate, 0, TitleStatus::Paid), S("B,C"));
    EXPECT_EQ(numbers(PayablesListingKind::ByDueDate, 0, TitleStatus::All), S("E,A,B,C"));
    EXPECT_EQ(numbers(PayablesListingKind::ByDueDate, 1, TitleStatus::All), S("A,C"));
    EXPECT_EQ(numbers(PayablesListingKind::BySupplier, 2, TitleStatus::All), S("E,B"));
    // Paid on the last day of the period is listed, the day after is not; status and supplier play no part.
    EXPECT_EQ(numbers(PayablesListingKind::Paid, 1, TitleStatus::Open), S("B,C"));
    EXPECT_EQ(numbers(PayablesListingKind::Issued, 0, TitleStatus::Open), S("A,B,D"));
    EXPECT_EQ(numbers(PayablesListingKind::Issued, 1, TitleStatus::Open), S("A,D"));

    EXPECT_EQ(readInt(S("0")), 0);
    EXPECT_EQ(readInt(S(" 12 ")), 12);
    for (const char* bad : {"", "abc", "1e20", "'; --", "1,5"})
        EXPECT_FALSE(readInt(S(bad)).has_value()) << bad;
}
