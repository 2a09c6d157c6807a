// The data reset: each group empties its tables and nothing else, table by table,
// and a failing statement leaves everything as it was.
#include "RegisterSeeds.h"
#include "ScriptedDialogs.h"
#include "TestStation.h"
#include "registers/UnitLimpa.h"

#include <QLineEdit>
#include <QSet>
#include <gtest/gtest.h>

namespace {

struct ResetCase {
    const char* label;
    int group;
    QStringList emptied;
};

class DataResetTest : public ::testing::TestWithParam<ResetCase> {};

const ResetCase kCases[] = {
    {"products", 0, {"PRODUTOS", "ESTFIC", "TIPBAIXA", "KITMASTER", "KITPROD"}},
    {"stock", 1, {"ESTFIC", "SERVICO"}},
    {"receivables", 2, {"RECFIC", "RECARQ"}},
    {"payables", 3, {"PAGFIC", "PAGARQ"}},
    {"cash", 4, {"DESPLOJA", "SERVICO", "FATURA", "CABMESA", "MESA", "COUVER", "SANGRIA", "CONTDATA", "CONTCAIXA"}},
};

} // namespace

TEST_P(DataResetTest, EmptiesItsTablesAndKeepsEveryOtherRow)
{
    const ResetCase& c = GetParam();
    TestStation st;
    ScriptedDialogs d;
    seeds::fillEveryTable(st.logon());
    const QMap<QString, int> before = seeds::rowCounts(st.logon());

    TFormLimpa w(st.logon());
    w.groupField(c.group)->setText(QStringLiteral("S"));
    w.leaveField(c.group);
    ASSERT_TRUE(w.confirmReset());
    EXPECT_EQ(d.messageTexts(), QStringList{resetText::done});

    const QMap<QString, int> after = seeds::rowCounts(st.logon());
    for (auto it = before.begin(); it != before.end(); ++it) {
        if (c.emptied.contains(it.key()))
            EXPECT_EQ(after.value(it.key()), 0) << it.key().toStdString();
        else
            EXPECT_EQ(after.value(it.key()), it.value()) << it.key().toStdString();
    }
    // What the group updates instead of emptying.
    const int stock = st.count(QStringLiteral("select count(*) from PRODUTOS where ESTGERAL <> 0"));
    const int shiftedReceivables = st.count(QStringLiteral("select count(*) from RECARQ where CAIXA <> 0 or CAIXABAIXA <> 0"));
    const int shiftedStock = st.count(QStringLiteral("select count(*) from ESTFIC where CAIXA <> 0"));
    EXPECT_EQ(stock, c.group == 1 || c.group == 0 ? 0 : 2);
    EXPECT_EQ(shiftedReceivables, c.group == 4 || c.group == 2 ? 0 : 2);
    EXPECT_EQ(shiftedStock, c.group == 4 || c.group <= 1 ? 0 : 2);
}

INSTANTIATE_TEST_SUITE_P(Groups, DataResetTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.label); });

TEST(DataReset, AllGroupsNChangesNothingButSaysItIsDone)
{
    TestStation st;
    ScriptedDialogs d;
    seeds::fillEveryTable(st.logon());
    const auto before = seeds::rowCounts(st.logon());
    TFormLimpa w(st.logon());
    ASSERT_TRUE(w.confirmReset());
    EXPECT_EQ(seeds::rowCounts(st.logon()), before);
    EXPECT_EQ(d.messageTexts(), QStringList{resetText::done});
}

TEST(DataReset, ProductsAndStockTogetherEmptyTheLedgerTwiceWithoutError)
{
    TestStation st;
    ScriptedDialogs d;
    seeds::fillEveryTable(st.logon());
    TFormLimpa w(st.logon());
    w.groupField(0)->setText(QStringLiteral("S"));
    w.groupField(1)->setText(QStringLiteral("S"));
    ASSERT_TRUE(w.confirmReset());
    EXPECT_EQ(st.count(QStringLiteral("select count(*) from ESTFIC")), 0);
    EXPECT_EQ(st.count(QStringLiteral("select count(*) from SERVICO")), 0);
    EXPECT_EQ(st.count(QStringLiteral("select count(*) from PRODUTOS")), 0);
}

TEST(DataReset, FieldsOtherThanSOrNReadNAndOnlyAnExactSRuns)
{
    TestStation st;
    ScriptedDialogs d;
    seeds::fillEveryTable(st.logon());
    const auto before = seeds::rowCounts(st.logon());
    TFormLimpa w(st.logon());
    const QString typed[] = {QStringLiteral("X"), QStringLiteral("' OR 1=1"), QStringLiteral("SIM"), QStringLiteral(" S "),
                             QStringLiteral("\U0001F600")};
    const QString shown[] = {QStringLiteral("N"), QStringLiteral("N"), QStringLiteral("N"), QStringLiteral(" S "),
                             QStringLiteral("N")};
    for (int i = 0; i < dataReset::kGroups; ++i) {
        w.groupField(i)->setText(typed[i]);
        w.leaveField(i);
        EXPECT_EQ(w.groupField(i)->text(), shown[i]) << i;
    }
    ASSERT_TRUE(w.confirmReset());
    EXPECT_EQ(seeds::rowCounts(st.logon()), before);   // " S " is not "S"
}

TEST(DataReset, AFailingStatementLeavesEveryTableAsItWas)
{
    TestStation st;
    ScriptedDialogs d;
    seeds::fillEveryTable(st.logon());
    st.logon().run(QStringLiteral("drop table COUVER"));
    const auto before = seeds::rowCounts(st.logon());
    TFormLimpa w(st.logon());
    w.groupField(2)->setText(QStringLiteral("S"));
    w.groupField(4)->setText(QStringLiteral("S"));
    EXPECT_FALSE(w.confirmReset());
    EXPECT_EQ(d.errors.size(), 1);
    EXPECT_TRUE(d.messages.empty());
    EXPECT_FALSE(w.confirmEnabled());
    EXPECT_NE(w.result(), QDialog::Accepted);
    EXPECT_EQ(seeds::rowCounts(st.logon()), before);
}
