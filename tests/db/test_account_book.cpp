// The account book: accounts, entries and codes as their windows write them, the
// statement's opening and running balance, and the totals per code, exact to the
// cent and computed without writing anything.
#include "SeedValues.h"
#include "StationPair.h"
#include "TestStation.h"
#include "finance/AccountBook.h"
#include "finance/AccountBookReports.h"
#include "registers/RegisterCommon.h"

#include <atomic>
#include <gtest/gtest.h>
#include <thread>

using seeds::D;

namespace {

QString S(const char* text) { return QString::fromUtf8(text); }

struct AccountBookTest : ::testing::Test {
    TestStation st;
    AccountBook book{st.logon()};
    AccountBookReports reports{st.logon()};

    void entry(qint64 account, const QVariant& date, const char* debit, const char* credit, int code,
               const char* history = "LANCAMENTO")
    {
        st.logon().run(S("insert into CAIXA (ID, CONTA, DATA, HISTORICO, DEBITO, CREDITO, DESP) "
                         "values (GEN_ID(CAIXA,1), ?, ?, ?, ?, ?, ?)"),
                       {account, date.isNull() ? SqlValue(nullptr) : SqlValue(date.toDate()), S(history), D(debit),
                        D(credit), code});
    }
    void code(int c, const char* name)
    {
        st.logon().run(S("insert into DESPESA (ID, CODIGO, NOME) values (GEN_ID(OUTROS,1), ?, ?)"), {c, S(name)});
    }
    QStringList rowsOf(RowSet rs, const QStringList& columns)
    {
        QStringList out;
        while (rs.next()) {
            QStringList cells;
            for (const QString& c : columns) {
                const QVariant v = rs.value(c);
                cells << (v.metaType() == QMetaType::fromType<Decimal>() ? registers::amountText(v.value<Decimal>())
                          : v.typeId() == QMetaType::QDate                 ? v.toDate().toString(S("dd/MM"))
                                                                           : v.toString());
            }
            out << cells.join(QLatin1Char(' '));
        }
        return out;
    }
};

} // namespace

TEST_F(AccountBookTest, TheStatementStartsFromTheBalanceOfEveryEarlierEntry)
{
    entry(1, QDate(2024, 1, 5), "0", "100", 0);
    entry(1, QDate(2024, 1, 10), "30", "0", 0);
    entry(1, QDate(2024, 2, 2), "0", "50", 0);
    entry(1, QDate(2024, 3, 1), "999", "0", 0);     // after the end: nothing
    entry(2, QDate(2024, 2, 3), "0", "1000", 0);    // another account
    AccountStatement s = reports.statement(1, QDate(2024, 2, 1), QDate(2024, 2, 28));
    EXPECT_EQ(s.opening, D("70"));
    EXPECT_EQ(rowsOf(s.rows, {S("DATA"), S("CREDITO"), S("DEBITO")}), QStringList{S("02/02 50,00 0,00")});
    EXPECT_EQ(*s.balances, std::vector<Decimal>{D("120")});
    EXPECT_EQ(s.closing(), D("120"));

    // An entry without a date counts in the opening balance.
    entry(1, QVariant(), "5", "0", 0);
    s = reports.statement(1, QDate(2024, 2, 1), QDate(2024, 2, 28));
    EXPECT_EQ(s.opening, D("65"));
    // A period with no entries: only the opening.
    s = reports.statement(1, QDate(2025, 1, 1), QDate(2025, 1, 31));
    EXPECT_EQ(s.opening, D("-884"));
    EXPECT_TRUE(s.rows.isEmpty());
    EXPECT_EQ(s.closing(), D("-884"));
    // An account with no entries at all.
    s = reports.statement(9, QDate(2024, 1, 1), QDate(2024, 12, 31));
    EXPECT_EQ(s.opening, D("0"));
    EXPECT_TRUE(s.rows.isEmpty());
}

TEST_F(AccountBookTest, TheRunningBalanceFollowsTheDateOrderAndStaysExact)
{
    // Written out of date order; same-day entries keep the order they were booked in.
    entry(1, QDate(2024, 5, 3), "0,01", "0", 0);
    entry(1, QDate(2024, 5, 1), "0", "200000,01", 0);
    entry(1, QDate(2024, 5, 3), "0", "150000,01", 0);
    entry(1, QDate(2024, 5, 2), "0,03", "0", 0);
    const AccountStatement s = reports.statement(1, QDate(2024, 5, 1), QDate(2024, 5, 31));
    EXPECT_EQ(rowsOf(s.rows, {S("DATA"), S("CREDITO"), S("DEBITO")}),
              (QStringList{S("01/05 200000,01 0,00"), S("02/05 0,00 0,03"), S("03/05 0,00 0,01"), S("03/05 150000,01 0,00")}));
    EXPECT_EQ(*s.balances, (std::vector<Decimal>{D("200000,01"), D("199999,98"), D("199999,97"), D("349999,98")}));
    EXPECT_EQ(decimalOf(st.scalar(S("select CREDITO from CAIXA where CREDITO = 200000.01"))), D("200000,01"));
}

TEST_F(AccountBookTest, TotalsPerCodeAddDebitsAndCreditsOfEveryAccountInThePeriod)
{
    code(5, "ALUGUEL");
    code(3, "LUZ");
    code(9, "SEM MOVIMENTO");
    entry(1, QDate(2024, 3, 1), "30", "0", 5);
    entry(1, QDate(2024, 3, 2), "0", "20", 5);
    entry(2, QDate(2024, 3, 3), "0,01", "0", 5);        // another account, same code
    entry(1, QDate(2024, 3, 4), "200000,01", "0", 3);
    entry(1, QDate(2024, 3, 5), "7", "0", 0);           // no code
    entry(1, QDate(2024, 3, 6), "8", "0", 77);          // a code that names none
    entry(1, QDate(2024, 4, 1), "1000", "0", 5);        // after the period
    const QStringList columns{S("CODIGO"), S("NOME"), S("VALOR")};
    EXPECT_EQ(rowsOf(reports.totalsPerCode(QDate(2024, 3, 1), QDate(2024, 3, 31), true), columns),
              (QStringList{S("3 LUZ 200000,01"), S("5 ALUGUEL 50,01")}));
    EXPECT_EQ(rowsOf(reports.totalsPerCode(QDate(2024, 3, 1), QDate(2024, 3, 31), false), columns),
              (QStringList{S("3 LUZ 200000,01"), S("5 ALUGUEL 50,01"), S("9 SEM MOVIMENTO 0,00")}));
    // Nothing is written by the totals.
    EXPECT_EQ(st.count(S("select count(*) from DESPESA where VALOR is not null")), 0);
}

TEST_F(AccountBookTest, TwoStationsRunningTheTotalsAtOnceEachGetTheirOwnPeriod)
{
    code(5, "ALUGUEL");
    for (int day = 1; day <= 28; ++day) {
        entry(1, QDate(2024, 1, day), "1", "0", 5);
        entry(1, QDate(2024, 2, day), "2", "0", 5);
    }
    std::vector<QString> databases{st.databasePath()};
    for (const QString& db : databases) {
        auto a = std::make_unique<TLogon>(), b = std::make_unique<TLogon>();
        ASSERT_TRUE(a->connectTo(db));
        ASSERT_TRUE(b->connectTo(db));
        std::atomic<bool> go{false};
        std::atomic<int> wrong{0};
        auto station = [&](TLogon* logon, int month, const char* expected) {
            while (!go)
                std::this_thread::yield();
            for (int i = 0; i < 20; ++i) {
                RowSet rs = AccountBookReports(*logon).totalsPerCode(QDate(2024, month, 1), QDate(2024, month, 28), true);
                if (!rs.first() || rs.decimal(u"VALOR") != D(expected))
                    ++wrong;
            }
        };
        std::thread ta(station, a.get(), 1, "28"), tb(station, b.get(), 2, "56");
        go = true;
        ta.join();
        tb.join();
        EXPECT_EQ(wrong, 0);
    }
}

TEST_F(AccountBookTest, EntriesAreInsertedChangedAndDeletedAsTyped)
{
    book.insertEntry(1, {S("05/03/24"), S("ALUGUEL"), S("d"), S("5"), S("1500,00")});
    book.insertEntry(1, {S("04/03/24"), S("DEPOSITO"), S("X"), S("abc"), S("200000.01")});
    RowSet rs = book.entries(1);
    ASSERT_EQ(rs.size(), 2);
    const BookEntry first = AccountBook::entryAt(rs, 0);
    EXPECT_EQ(first.history, S("DEPOSITO"));
    EXPECT_EQ(first.credit, D("200000,01"));
    EXPECT_EQ(first.debit, D("0"));
    EXPECT_EQ(first.code, 0);
    const BookEntry second = AccountBook::entryAt(rs, 1);
    EXPECT_EQ(second.debit, D("1500"));
    EXPECT_EQ(second.code, 5);

    const BookEntryFields shown = AccountBook::fieldsOf(second);
    EXPECT_EQ(shown.date, S("05/03/24"));
    EXPECT_EQ(shown.kind, S("D"));
    EXPECT_EQ(shown.amount, S("1500,00"));
    EXPECT_EQ(shown.code, S("5"));
    const BookEntryFields none = AccountBook::fieldsOf(std::nullopt);
    EXPECT_EQ(none.kind, S("C"));
    EXPECT_EQ(none.amount, S("0,00"));
    EXPECT_TRUE(none.date.isEmpty());

    book.changeEntry(second.id, {S("06/03/24"), S("ALUGUEL MARCO"), S("C"), S("6"), S("1499,99")});
    const BookEntry changed = AccountBook::entryAt(book.entries(1), 1);
    EXPECT_EQ(changed.credit, D("1499,99"));
    EXPECT_EQ(changed.debit, D("0"));
    EXPECT_EQ(changed.date, QDate(2024, 3, 6));
    EXPECT_EQ(st.scalar(S("select CONTA from CAIXA where ID = ?"), {changed.id}).toLongLong(), 1);

    EXPECT_TRUE(book.deleteEntry(first.id));
    EXPECT_FALSE(book.deleteEntry(0));
    EXPECT_EQ(book.entries(1).size(), 1);
    EXPECT_EQ(AccountBook::kindOf(S(" d ")), S("D"));
    for (const char* other : {"", "C", "X", "DD"})
        EXPECT_EQ(AccountBook::kindOf(S(other)), S("C")) << other;
}

TEST_F(AccountBookTest, HostileEntriesAreStoredAsTypedOrRefusedWithNothingWritten)
{
    struct Case { const char* label; BookEntryFields f; bool refused; };
    const Case cases[] = {
        {"quotes", {S("01/03/24"), S("D'AGUA \"X\""), S("D"), S("1"), S("1")}, false},
        {"sql", {S("01/03/24"), S("'); DELETE FROM CAIXA; --"), S("D"), S("1"), S("1")}, false},
        {"letters in the amount", {S("01/03/24"), S("X"), S("D"), S("1"), S("12A")}, true},
        {"an empty amount", {S("01/03/24"), S("X"), S("D"), S("1"), S("")}, true},
        {"1e20", {S("01/03/24"), S("X"), S("D"), S("1"), S("1e20")}, true},
        {"negative", {S("01/03/24"), S("X"), S("C"), S("1"), S("-10")}, true},
        {"no date", {S("  /  /  "), S("X"), S("D"), S("1"), S("1")}, true},
        {"a date that is none", {S("30/02/24"), S("X"), S("D"), S("1"), S("1")}, true},
        {"over-long description", {S("01/03/24"), QString(31, QLatin1Char('H')), S("D"), S("1"), S("1")}, true},
        {"letters in the code: no code", {S("01/03/24"), S("X"), S("D"), S("1A"), S("1")}, false},
        {"huge code: no code", {S("01/03/24"), S("X"), S("D"), S("99999999999"), S("1")}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        const int before = st.count(S("select count(*) from CAIXA"));
        bool refused = false;
        try {
            book.insertEntry(1, c.f);
        } catch (const EntryError& e) {
            refused = true;
            EXPECT_EQ(e.message(), AccountBookText::kEntryFillError);
        }
        EXPECT_EQ(refused, c.refused);
        EXPECT_EQ(st.count(S("select count(*) from CAIXA")), before + (c.refused ? 0 : 1));
    }
    EXPECT_EQ(st.count(S("select count(*) from CAIXA where HISTORICO = ?"), {S("'); DELETE FROM CAIXA; --")}), 1);
    EXPECT_THROW(book.insertEntry(1, {S("01/03/24"), S("\U0001F600"), S("D"), S("1"), S("1")}), DbError);
}

TEST_F(AccountBookTest, CodesAreCreatedRenamedAndProposed)
{
    EXPECT_EQ(book.nextCode(), 1);
    EXPECT_EQ(book.confirmCode(S("007"), S("AGUA")), 7);
    EXPECT_EQ(book.confirmCode(S(" 7 "), S("AGUA E ESGOTO")), 7);
    EXPECT_EQ(st.count(S("select count(*) from DESPESA")), 1);
    EXPECT_EQ(st.scalar(S("select NOME from DESPESA where CODIGO = 7")).toString(), S("AGUA E ESGOTO"));
    book.confirmCode(S("3"), S("Z"));
    book.confirmCode(S("12"), S("A"));
    book.confirmCode(S("10"), S("M"));
    EXPECT_EQ(book.nextCode(), 13);
    RowSet rs = book.codes();
    QStringList names;
    while (rs.next())
        names << rs.text(u"NOME");
    EXPECT_EQ(names, (QStringList{S("A"), S("AGUA E ESGOTO"), S("M"), S("Z")}));
    for (const char* bad : {"", "ABC", "1e20", "7,5", "'; --"})
        EXPECT_THROW(book.confirmCode(S(bad), S("X")), EntryError) << bad;
    EXPECT_THROW(book.confirmCode(S("20"), QString(21, QLatin1Char('N'))), EntryError);
    EXPECT_THROW(book.confirmCode(S("21"), S("\U0001F600")), DbError);
    EXPECT_EQ(st.count(S("select count(*) from DESPESA")), 4);   // the failed name left no nameless code
    const qint64 id = integerOf(st.scalar(S("select ID from DESPESA where CODIGO = 3")));
    EXPECT_TRUE(book.deleteCode(id));
    EXPECT_EQ(st.count(S("select count(*) from DESPESA")), 3);
}

TEST_F(AccountBookTest, AccountsAreNumberedFromTheHighestAndSavedTogether)
{
    EXPECT_EQ(book.nextAccountNumber(), 1);
    EXPECT_TRUE(book.accounts().empty());
    EXPECT_EQ(AccountBook::accountLabel(std::nullopt), S("CONTA : NAO CADASTRADO.."));
    EXPECT_EQ(book.saveAccounts({{0, 1, S("CAIXA")}, {0, 2, S("BANCO")}, {0, 3, S("POUPANCA")}}),
              (std::vector<qint64>{1, 2, 3}));
    EXPECT_EQ(book.nextAccountNumber(), 4);
    const std::vector<BookAccount> all = book.accounts();
    ASSERT_EQ(all.size(), 3u);
    EXPECT_EQ(AccountBook::accountLabel(all[1]), S("CONTA : 00002 - BANCO"));
    EXPECT_EQ(AccountBook::accountText(all[2]), S("00003 - POUPANCA"));
    EXPECT_EQ(AccountBook::accountNumberOf(S("00003 - POUPANCA")), 3);
    EXPECT_FALSE(AccountBook::accountNumberOf(S("NAO C")).has_value());

    // A new account whose number another station took meanwhile gets the next one.
    EXPECT_EQ(book.saveAccounts({{all[0].id, 1, S("CAIXA GERAL")}, {0, 3, S("CARTAO")}}), (std::vector<qint64>{1, 4}));
    EXPECT_EQ(book.account(1)->name, S("CAIXA GERAL"));
    EXPECT_EQ(book.account(4)->name, S("CARTAO"));
    // A name the database cannot take writes none of the changes.
    EXPECT_THROW(book.saveAccounts({{all[1].id, 2, S("NOVO")}, {0, 5, S("\U0001F600")}}), DbError);
    EXPECT_EQ(book.account(2)->name, S("BANCO"));
    EXPECT_FALSE(book.account(5).has_value());
    EXPECT_THROW(book.saveAccounts({{0, 5, QString(21, QLatin1Char('N'))}}), EntryError);

    EXPECT_TRUE(book.deleteAccount(all[1].id));
    EXPECT_FALSE(book.deleteAccount(0));
    EXPECT_EQ(book.accounts().size(), 3u);
}

TEST_F(AccountBookTest, TwoStationsCreatingTheSameAccountOrCodeAtOnceMakeOneEach)
{
    for (const QString& db : twoStationDatabases(st, S("account-book-create"))) {
        SCOPED_TRACE(db.toStdString());
        auto a = attachStation(db, 5);
        auto b = attachStation(db, 5);
        std::vector<qint64> numbersA, numbersB;
        auto create = [](TLogon& l, std::vector<qint64>& numbers) {
            AccountBook book(l);
            for (int k = 1; k <= 20; ++k) {
                numbers.push_back(book.saveAccounts({{0, k, S("CONTA")}}).front());
                book.confirmCode(QString::number(k), S("CODIGO"));
            }
        };
        atOnce([&] { create(*a, numbersA); }, [&] { create(*b, numbersB); });
        QSet<qint64> numbers;
        for (qint64 n : numbersA)
            numbers.insert(n);
        for (qint64 n : numbersB)
            numbers.insert(n);
        EXPECT_EQ(numbers.size(), 40);
        EXPECT_EQ(integerOf(a->scalar(S("select count(distinct CONTA) from CONTA"))), 40);
        EXPECT_EQ(integerOf(a->scalar(S("select count(*) from DESPESA"))), 20);
    }
}
