// The payable titles (PAGARQ): registered, edited and settled by confirming the
// register's fields, exact to the cent, refused whole when a value cannot be
// read, and one title per number with two stations; the four listings' selection.
#include "RegisterSeeds.h"
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
    seeds::addSupplier(st.logon(), 7, S("DISTRIBUIDORA"));
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
    ASSERT_TRUE(r.confirm(fields("X2", "", "", "", "", "", "999999999999,99", "0,01")));
    EXPECT_EQ(r.find(S("X1"))->valor, D("200000,01"));
    EXPECT_EQ(r.find(S("X1"))->juros, D("150000,01"));
    EXPECT_EQ(r.find(S("X2"))->valor, D("999999999999,99"));
    EXPECT_EQ(decimalOf(st.scalar(S("select sum(VALOR) from PAGARQ"))), D("1000000200000,00"));
}

TEST_F(PayablesTest, HostileValuesAreStoredAsTypedOrRefusedWithNothingChanged)
{
    seeds::addSupplier(st.logon(), 7, S("FORNECEDOR"));
    PayablesRegister r(st.logon());
    ASSERT_TRUE(r.confirm(fields("BASE", "7", "ORIGINAL", "01/01/24", "10/01/24", "", "100,00", "1,00")));
    struct Case { const char* label; PayableFields f; bool refused; QString message = PayablesText::kFillError; };
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
        // a supplier code typed names a supplier, or nothing is written
        {"letters in the supplier code", fields("BASE", "ABC", "A", "", "", "", "10", "1"), true,
         PayablesText::kSupplierMissing},
        {"a negative supplier code", fields("BASE", "-1", "A", "", "", "", "10", "1"), true,
         PayablesText::kSupplierMissing},
        {"a supplier code nobody has", fields("BASE", "8", "A", "", "", "", "10", "1"), true,
         PayablesText::kSupplierMissing},
        {"a new title for a supplier nobody has", fields("NOVO", "-1", "A", "", "", "", "10", "1"), true,
         PayablesText::kSupplierMissing},
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
            EXPECT_EQ(e.message(), c.message);
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
    EXPECT_EQ(r.find(S("BASE"))->codigo, S("7"));
    EXPECT_FALSE(r.find(S("NOVO")).has_value());
    // A blank code is a title with no supplier.
    ASSERT_TRUE(r.confirm(fields("SEM", "  ", "", "", "", "", "10", "0")));
    EXPECT_EQ(r.find(S("SEM"))->codigo, S("0"));
    EXPECT_EQ(r.supplierName(S("7")), std::optional<QString>(S("FORNECEDOR")));
    for (const char* code : {"8", "ABC", "", "1e20", "' or 1=1 --"})
        EXPECT_FALSE(r.supplierName(S(code)).has_value()) << code;
}

TEST_F(PayablesTest, TwoStationsRegisteringTheSameNewTitleKeepTheFirstAndRefuseTheSecond)
{
    for (const QString& db : twoStationDatabases(st, S("pagar"))) {
        SCOPED_TRACE(db.toStdString());
        auto a = attachStation(db, 5), b = attachStation(db, 5);
        seeds::addSupplier(*a, 3, S("ATACADO TRES"));
        seeds::addSupplier(*a, 4, S("DISTRIBUIDORA QUATRO"));
        auto title = [&](const QString& number) { return PayablesRegister(*a).find(number); };

        // Both stations found no title 1001 and started it as new; A confirms first.
        ASSERT_FALSE(PayablesRegister(*a).find(S("1001")));
        ASSERT_FALSE(PayablesRegister(*b).find(S("1001")));
        ASSERT_TRUE(PayablesRegister(*a).confirm(fields("1001", "3", "ATACADO TRES", "01/03/26", "31/03/26", "",
                                                        "1500,00", "0"), true));
        try {
            PayablesRegister(*b).confirm(fields("1001", "4", "DISTRIBUIDORA QUATRO", "02/03/26", "", "", "230,00", "0"),
                                         true);
            ADD_FAILURE() << "the second registration was written";
        } catch (const EntryError& e) {
            EXPECT_EQ(e.message(), PayablesText::kNumberTaken);
        }
        EXPECT_EQ(integerOf(a->scalar(S("select count(*) from PAGARQ where DUPLICATA = '1001'"))), 1);
        EXPECT_EQ(title(S("1001"))->valor, D("1500"));
        EXPECT_EQ(title(S("1001"))->codigo, S("3"));
        // Loaded and edited (not new), the title is written as always.
        ASSERT_TRUE(PayablesRegister(*b).confirm(fields("1001", "4", "DISTRIBUIDORA QUATRO", "", "", "", "230", "0")));
        EXPECT_EQ(title(S("1001"))->valor, D("230"));

        // Both confirm at the same moment: one title, the other told.
        for (int round = 0; round < 5; ++round) {
            const QString number = S("DUP-%1").arg(round);
            std::atomic<bool> go{false};
            std::atomic<int> refused{0}, failures{0};
            auto station = [&](TLogon* logon, const char* code, const char* value) {
                while (!go)
                    std::this_thread::yield();
                try {
                    PayablesRegister(*logon).confirm(PayableFields{number, S(code), S("F"), S("01/02/24"), S(""),
                                                                   S(""), S(value), S("0")},
                                                     true);
                } catch (const EntryError& e) {
                    if (e.message() == PayablesText::kNumberTaken)
                        ++refused;
                    else
                        ++failures;
                } catch (...) {
                    ++failures;
                }
            };
            std::thread ta(station, a.get(), "3", "10,00"), tb(station, b.get(), "4", "20,00");
            go = true;
            ta.join();
            tb.join();
            EXPECT_EQ(failures, 0);
            EXPECT_EQ(refused, 1);
            EXPECT_EQ(integerOf(a->scalar(S("select count(*) from PAGARQ where DUPLICATA = ?"), {number})), 1);
            const PayableTitle t = *title(number);
            EXPECT_TRUE((t.valor == D("10") && t.codigo == S("3")) || (t.valor == D("20") && t.codigo == S("4")));
        }

        // A's new row is not committed yet when B looks: B waits on the number's key,
        // then is refused; A's title stays as A wrote it.
        std::thread late;
        std::atomic<bool> wasRefused{false};
        a->action([&] {
            a->run(S("insert into PAGARQ (ID, DUPLICATA, VALOR, CODIGO) values (GEN_ID(PAGARQ,1), 'HELD', 1, 3)"));
            late = std::thread([&] {
                try {
                    PayablesRegister(*b).confirm(PayableFields{S("HELD"), S("4"), S("F"), S(""), S(""), S(""),
                                                               S("30,00"), S("0")},
                                                 true);
                } catch (const EntryError& e) {
                    wasRefused = e.message() == PayablesText::kNumberTaken;
                }
            });
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
        });
        late.join();
        EXPECT_TRUE(wasRefused);
        EXPECT_EQ(integerOf(a->scalar(S("select count(*) from PAGARQ where DUPLICATA = 'HELD'"))), 1);
        EXPECT_EQ(title(S("HELD"))->valor, D("1"));
        EXPECT_EQ(title(S("HELD"))->codigo, S("3"));
    }
}

TEST_F(PayablesTest, ListingsSelectByTheirDateSupplierAndStatusInDateOrder)
{
    seeds::addSupplier(st.logon(), 1, S("UM"));
    seeds::addSupplier(st.logon(), 2, S("DOIS"));
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

    EXPECT_EQ(PayablesListing::supplierCode(S("0")), 0);
    EXPECT_EQ(PayablesListing::supplierCode(S(" 12 ")), 12);
    for (const char* bad : {"", "abc", "1e20", "'; --", "1,5"})
        EXPECT_FALSE(PayablesListing::supplierCode(S(bad)).has_value()) << bad;
}
