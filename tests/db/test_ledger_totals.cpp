// The totals kept beside the stock ledger: every reader that takes months from them
// gives exactly what summing the rows gives (the statements the readers ran before
// the totals, kept here as the reference), before a fold, after it, and after rows
// changed and deleted since; edge days (a month's first and last day, a period that
// starts mid-month, rows without a date, a code with trailing blanks, an exit
// without a value) included.
#include "OlderDatabase.h"
#include "RegisterSeeds.h"
#include "SeedValues.h"
#include "TestStation.h"
#include "app/StationInstall.h"
#include "db/LedgerTotals.h"
#include "salesreports/SalesRanking.h"
#include "shell/Startup.h"
#include "stock/StockLedger.h"

#include <QFile>
#include <gtest/gtest.h>

using seeds::D;

namespace {

QString S(const char* s) { return QString::fromUtf8(s); }

struct Row {
    const char* code;
    QDate date;
    const char* in;
    const char* out;
    const char* value;
};

// Four months of 2024 and a few rows without a date.
const std::vector<Row> kRows = {
    {"A1", QDate(), "100", nullptr, nullptr},
    {"A1", QDate(2024, 1, 1), nullptr, "2", "8.50"},
    {"A1", QDate(2024, 1, 15), nullptr, "1.250", "8.50"},
    {"A1", QDate(2024, 1, 31), "12", nullptr, "4"},
    {"A1", QDate(2024, 2, 1), nullptr, "3", "9"},
    {"A1", QDate(2024, 2, 29), nullptr, "0", "9"},
    {"A1", QDate(2024, 3, 10), nullptr, "4", nullptr},
    {"A1", QDate(2024, 3, 31), nullptr, "1", "9"},
    {"A1", QDate(2024, 4, 30), "6", "1", "9.99"},
    {"B1 ", QDate(2024, 2, 14), nullptr, "5", "3.333"},
    {"B1", QDate(2024, 2, 15), nullptr, "1", "3"},
    {"B1", QDate(2024, 3, 1), "10", nullptr, nullptr},
    {"C1", QDate(), nullptr, "2", nullptr},
    {"C1", QDate(2023, 12, 31), "7", nullptr, nullptr},
    {"D1", QDate(2024, 3, 15), nullptr, "2", "20"},
    {nullptr, QDate(2024, 2, 2), nullptr, "9", "1"},
};

void addRow(TLogon& l, const Row& r)
{
    const auto number = [](const char* t) { return t ? SqlValue(*Decimal::parseSql(QString::fromLatin1(t))) : SqlValue(nullptr); };
    l.run(S("insert into ESTFIC (ID, CODIGO, DATA, HISTORICO, ENTRADA, SAIDA, VALOR) "
            "values (GEN_ID(ESTFIC,1), ?, ?, 'SEMENTE', ?, ?, ?)"),
          {r.code ? SqlValue(S(r.code)) : SqlValue(nullptr), r.date.isValid() ? SqlValue(r.date) : SqlValue(nullptr),
           number(r.in), number(r.out), number(r.value)});
}

// What the readers gave before the totals: the rows summed.
QHash<QString, stock::Movement> rowsSummed(TLogon& l, const QString& condition, const Params& p)
{
    QHash<QString, stock::Movement> out;
    RowSet r = l.run(S("select codigo, sum(entrada) as e, sum(saida) as s, count(*) as n from estfic where codigo is not null "
                       "and (%1) group by codigo").arg(condition),
                     p);
    while (r.next())
        out.insert(r.text(u"CODIGO"), {r.decimal(u"E"), r.decimal(u"S"), r.integer(u"N")});
    return out;
}

// The database compares codes without their trailing blanks: "B1 " and "B1" are one
// code, listed under either text.
QHash<QString, stock::Movement> byCode(const QHash<QString, stock::Movement>& m)
{
    QHash<QString, stock::Movement> out;
    for (auto it = m.begin(); it != m.end(); ++it) {
        stock::Movement& o = out[it.key().trimmed()];
        o.in += it->in;
        o.out += it->out;
        o.rows += it->rows;
    }
    return out;
}

void expectSame(const QHash<QString, stock::Movement>& wantAsRead, const QHash<QString, stock::Movement>& gotAsRead,
                const QString& what)
{
    const QHash<QString, stock::Movement> want = byCode(wantAsRead), got = byCode(gotAsRead);
    EXPECT_EQ(want.keys().size(), got.keys().size()) << what.toStdString();
    for (auto it = want.begin(); it != want.end(); ++it) {
        ASSERT_TRUE(got.contains(it.key())) << what.toStdString() << " " << it.key().toStdString();
        const stock::Movement& g = got.value(it.key());
        EXPECT_EQ(it->in, g.in) << what.toStdString() << " " << it.key().toStdString();
        EXPECT_EQ(it->out, g.out) << what.toStdString() << " " << it.key().toStdString();
        EXPECT_EQ(it->rows, g.rows) << what.toStdString() << " " << it.key().toStdString();
    }
}

// The best-selling list as it was read before the totals.
const QString kOldRanking = S(
    "select g.codigo, g.data, g.quan, g.total, "
    "(select first 1 p.nome from produtos p where p.codigo = g.codigo order by p.id) as nome "
    "from (select trim(e.codigo) as codigo, min(e.data) as data, sum(e.saida) as quan, sum(e.saida * e.valor) as total "
    "from estfic e where e.data between ? and ? and e.saida <> 0 and trim(coalesce(e.codigo, '')) <> '' "
    "group by trim(e.codigo)) g order by g.quan desc, g.codigo");

struct Span {
    QDate first, last;
};
const std::vector<Span> kSpans = {
    {QDate(2024, 1, 1), QDate(2024, 3, 31)},  {QDate(2024, 1, 15), QDate(2024, 3, 10)},
    {QDate(2024, 2, 1), QDate(2024, 2, 29)},  {QDate(2024, 2, 10), QDate(2024, 2, 20)},
    {QDate(2024, 1, 31), QDate(2024, 2, 1)},  {QDate(2024, 3, 31), QDate(2024, 3, 31)},
    {QDate(2023, 6, 1), QDate(2030, 1, 1)},   {QDate(2024, 2, 2), QDate(2024, 4, 29)},
    {QDate(2024, 5, 1), QDate(2024, 4, 1)},
};
const std::vector<QDate> kDays = {QDate(2023, 12, 30), QDate(2023, 12, 31), QDate(2024, 1, 1), QDate(2024, 1, 31),
                                  QDate(2024, 2, 15),  QDate(2024, 2, 29),  QDate(2024, 4, 15), QDate(2024, 4, 30),
                                  QDate(2030, 1, 1)};

struct LedgerTotalsTest : ::testing::Test {
    TestStation st;
    TLogon& l() { return st.logon(); }
    void SetUp() override
    {
        seeds::addProduct(l(), S("A1"), S("CERVEJA"), D("9"), D("4"));
        seeds::addProduct(l(), S("B1"), S("REFRIGERANTE"), D("3"), D("1"));
        seeds::addProduct(l(), S("D1"), S("PORCAO"), D("20"), D("8"));
        for (const Row& r : kRows)
            addRow(l(), r);
    }

    // Every reader against the rows summed.
    void expectReadersAgree(const char* when)
    {
        const QString w = S(when);
        stock::StockLedger ledger(l());
        for (const char* code : {"A1", "B1", "B1 ", "C1", "D1", "X9"}) {
            const auto stockOf = [&](const QHash<QString, stock::Movement>& m) {
                Decimal sum;
                for (const stock::Movement& one : m)
                    sum += one.stock();
                return sum;
            };
            EXPECT_EQ(stockOf(rowsSummed(l(), S("codigo = ?"), {S(code)})), ledger.stockOf(S(code)))
                << when << " stockOf " << code;
            for (const QDate& day : kDays) {
                const auto before = rowsSummed(l(), S("codigo = ? and (data < ? or data is null)"), {S(code), day});
                EXPECT_EQ(stockOf(before), ledger.stockBefore(S(code), day))
                    << when << " stockBefore " << code << " " << day.toString().toStdString();
            }
        }
        expectSame(rowsSummed(l(), S("1 = 1"), {}), ledger.movementByCode(), w + S(" movementByCode"));
        for (const QDate& day : kDays)
            expectSame(rowsSummed(l(), S("data <= ? or data is null"), {day}), ledger.movementUpTo(day),
                       w + S(" movementUpTo ") + day.toString(Qt::ISODate));
        for (const Span& s : kSpans) {
            const QString what = w + S(" movementOver ") + s.first.toString(Qt::ISODate) + S("..") + s.last.toString(Qt::ISODate);
            QHash<QString, stock::PeriodMovement> got;
            const auto read = ledger.movementOver(s.first, s.last);
            for (auto it = read.begin(); it != read.end(); ++it) {
                stock::PeriodMovement& g = got[it.key().trimmed()];
                g.before += it->before;
                g.within.in += it->within.in;
                g.within.out += it->within.out;
                g.within.rows += it->within.rows;
            }
            const auto before = byCode(rowsSummed(l(), S("data < ? or data is null"), {s.first}));
            const auto within = s.first > s.last ? QHash<QString, stock::Movement>()
                                                 : byCode(rowsSummed(l(), S("data between ? and ?"), {s.first, s.last}));
            QSet<QString> codes;
            for (auto it = before.begin(); it != before.end(); ++it)
                codes.insert(it.key());
            for (auto it = within.begin(); it != within.end(); ++it)
                codes.insert(it.key());
            EXPECT_EQ(codes.size(), got.size()) << what.toStdString();
            for (const QString& code : codes) {
                EXPECT_EQ(before.value(code).stock(), got.value(code).before) << what.toStdString() << " " << code.toStdString();
                const stock::Movement g = got.value(code).within, e = within.value(code);
                EXPECT_EQ(e.in, g.in) << what.toStdString() << " " << code.toStdString();
                EXPECT_EQ(e.out, g.out) << what.toStdString() << " " << code.toStdString();
                EXPECT_EQ(e.rows, g.rows) << what.toStdString() << " " << code.toStdString();
            }
            if (s.first > s.last)
                continue;
            const QString first = s.first.toString(S("dd/MM/yy")), last = s.last.toString(S("dd/MM/yy"));
            const std::vector<RankingLine> ranking = SalesRanking(l()).products(first, last, S("00000  Todos"));
            RowSet old = l().run(kOldRanking, {s.first, s.last});
            ASSERT_EQ(old.size(), int(ranking.size())) << what.toStdString();
            for (const RankingLine& line : ranking) {
                ASSERT_TRUE(old.next());
                EXPECT_EQ(old.text(u"CODIGO"), line.code) << what.toStdString();
                EXPECT_EQ(old.text(u"NOME"), line.name) << what.toStdString();
                EXPECT_EQ(old.date(u"DATA"), line.date) << what.toStdString() << " " << line.code.toStdString();
                EXPECT_EQ(old.decimal(u"QUAN"), line.quantity) << what.toStdString() << " " << line.code.toStdString();
                EXPECT_EQ(old.decimal(u"TOTAL"), line.total) << what.toStdString() << " " << line.code.toStdString();
            }
        }
        EXPECT_TRUE(ledgertotals::differences(l()).empty()) << when;
    }
};

} // namespace

TEST_F(LedgerTotalsTest, ReadersGiveWhatTheRowsSumToBeforeAndAfterAFold)
{
    const qint64 lines = ledgertotals::waiting(l());
    EXPECT_EQ(lines, qint64(kRows.size()) - 1);   // the row without a code adds none
    expectReadersAgree("nothing folded");
    EXPECT_EQ(ledgertotals::fold(l()), lines);
    EXPECT_EQ(ledgertotals::waiting(l()), 0);
    expectReadersAgree("all folded");
}

TEST_F(LedgerTotalsTest, RowsChangedAndDeletedAfterAFoldCountAsTheRowsNowSay)
{
    ledgertotals::fold(l());
    // the first exit of January and of March go, a row moves from February to
    // April, an exit changes its quantity and value, a new row comes in March
    const auto id = [&](const char* code, const QDate& day) {
        return integerOf(l().scalar(S("select first 1 id from estfic where codigo = ? and data = ? order by id"),
                                    {S(code), day}));
    };
    l().run(S("delete from estfic where id = ?"), {id("A1", QDate(2024, 1, 1))});
    l().run(S("delete from estfic where id = ?"), {id("D1", QDate(2024, 3, 15))});
    l().run(S("update estfic set data = ? where id = ?"), {QDate(2024, 4, 2), id("A1", QDate(2024, 2, 1))});
    l().run(S("update estfic set saida = 7, valor = 2.5 where id = ?"), {id("B1", QDate(2024, 2, 15))});
    l().run(S("update estfic set historico = 'SO O TEXTO' where id = ?"), {id("A1", QDate(2024, 3, 31))});
    addRow(l(), {"A1", QDate(2024, 3, 2), nullptr, "2", "9"});
    expectReadersAgree("changed after the fold");
    ledgertotals::fold(l());
    expectReadersAgree("changed and folded again");
}

TEST_F(LedgerTotalsTest, TotalsSpoiledOnPurposeAreFoundAndRebuilt)
{
    ledgertotals::fold(l());
    l().run(S("update estagora set entrada = entrada + 1 where codigo = 'A1'"));
    l().run(S("update estmes set saida = saida - 2, primeiro = '2024-02-20' where codigo = 'B1' and mes = 202402"));
    l().run(S("delete from estmes where codigo = 'D1'"));
    const std::vector<ledgertotals::Difference> found = ledgertotals::recalculate(l());
    ASSERT_EQ(found.size(), 3u);
    EXPECT_EQ(found[0].code, S("A1"));
    EXPECT_EQ(found[0].name, S("CERVEJA"));
    EXPECT_EQ(found[0].keptStock - found[0].rowsStock, D("1"));
    EXPECT_EQ(found[0].months, 0);
    EXPECT_EQ(found[1].code.trimmed(), S("B1"));
    EXPECT_EQ(found[1].months, 1);
    EXPECT_EQ(found[2].code, S("D1"));
    EXPECT_EQ(found[2].months, 1);
    expectReadersAgree("rebuilt");
    EXPECT_TRUE(ledgertotals::recalculate(l()).empty());
}

TEST(LedgerTotalsUpgrade, ADatabaseMadeWithoutTotalsGainsThemFilledFromItsRowsOnItsNextStart)
{
    TestStation st;
    TLogon& l = st.logon();
    l.close();
    QFile::remove(st.databasePath());
    createOlderDatabase(st.databasePath());
    ASSERT_TRUE(l.connectTo(st.databasePath())) << l.lastError().toStdString();
    for (const Row& r : kRows)
        addRow(l, r);
    EXPECT_TRUE(l.run(S("select 1 from rdb$relations where rdb$relation_name = 'ESTMES'")).isEmpty());

    std::vector<int> told;
    startup::bringDatabaseUpToDate(l, [&](const QString& what, int percent) {
        EXPECT_FALSE(what.isEmpty());
        told.push_back(percent);
    });
    EXPECT_EQ(told, (std::vector<int>{0, 100}));
    EXPECT_TRUE(ledgertotals::differences(l).empty());
    EXPECT_EQ(ledgertotals::waiting(l), 0);
    EXPECT_EQ(st.count(S("select count(*) from estagora")), 4);   // A1, B1 (with "B1 "), C1, D1
    EXPECT_EQ(stock::StockLedger(l).stockOf(S("A1")), D("100") - D("2") - D("1,250") + D("12") - D("3") - D("4") - D("1") + D("6") - D("1"));

    // From now on every writer keeps them; the next start fills nothing again.
    addRow(l, {"A1", QDate(2024, 5, 2), nullptr, "3", "9"});
    EXPECT_EQ(ledgertotals::waiting(l), 1);
    told.clear();
    startup::bringDatabaseUpToDate(l, [&](const QString&, int percent) { told.push_back(percent); });
    EXPECT_TRUE(told.empty());
    EXPECT_EQ(ledgertotals::waiting(l), 0);   // folded at start
    EXPECT_TRUE(ledgertotals::differences(l).empty());
}

TEST(LedgerTotalsRepair, TheRepairCommandListsTheProductsWhoseTotalsDifferedAndRebuildsThem)
{
    TestStation st;
    TLogon& l = st.logon();
    seeds::addProduct(l, S("A1"), S("CERVEJA"), D("9"), D("4"));
    for (const Row& r : kRows)
        addRow(l, r);
    EXPECT_EQ(install::recalculateTotals(l),
              S("Totais do estoque recalculados: os de todos os produtos conferiam com o movimento.\n"));
    l.run(S("update estagora set saida = saida + 5 where codigo = 'A1'"));
    l.run(S("delete from estmes where codigo = 'C1' and mes = 0"));
    const QStringList lines = install::recalculateTotals(l).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 4) << lines.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(lines[0], S("Totais do estoque recalculados: 2 produtos com totais diferentes do movimento."));
    EXPECT_TRUE(lines[1].startsWith(S("CODIGO         PRODUTO"))) << lines[1].toStdString();
    EXPECT_TRUE(lines[2].startsWith(S("A1             CERVEJA "))) << lines[2].toStdString();
    EXPECT_TRUE(lines[2].simplified().endsWith(S("100,750 105,750 0"))) << lines[2].toStdString();
    EXPECT_TRUE(lines[3].startsWith(S("C1             "))) << lines[3].toStdString();
    EXPECT_TRUE(lines[3].simplified().endsWith(S("5,000 5,000 1"))) << lines[3].toStdString();
    EXPECT_TRUE(ledgertotals::differences(l).empty());
}
