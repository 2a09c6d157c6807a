// Cost centres and the network setup.
#include "RegisterSeeds.h"
#include "ScriptedDialogs.h"
#include "TestStation.h"
#include "db/DbError.h"
#include "platform/LineFile.h"
#include "platform/StationPaths.h"
#include "registers/NetworkSetup.h"
#include "registers/UnitCentroCusto.h"
#include "registers/UnitSetuprede.h"

#include <QLineEdit>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace {
struct CostCentresTest : ::testing::Test {
    TestStation st;
    ScriptedDialogs d;
    int centres() { return st.count(QStringLiteral("select count(*) from CENTROCUSTO")); }
    QString name(int code) { return st.scalar(QStringLiteral("select NOME from CENTROCUSTO where CODIGO = ?"), {code}).toString(); }
};
}

TEST_F(CostCentresTest, NovoProposesTheNextCodeAndConfirmInsertsOrRenames)
{
    for (int code = 1; code <= 7; ++code)
        seeds::addCostCentre(st.logon(), code, QStringLiteral("CENTRO %1").arg(code));
    TFormCentroCusto w(st.logon());
    EXPECT_EQ(w.codeField()->text(), QStringLiteral("1"));
    w.newCentre();
    EXPECT_EQ(w.codeField()->text(), QStringLiteral("8"));
    w.nameField()->setText(QStringLiteral("  COZINHA  "));
    ASSERT_TRUE(w.confirmCentre());
    EXPECT_EQ(name(8), QStringLiteral("COZINHA"));
    EXPECT_EQ(w.listedCount(), 8);
    w.codeField()->setText(QStringLiteral("3"));
    w.nameField()->setText(QStringLiteral("BAR"));
    ASSERT_TRUE(w.confirmCentre());
    EXPECT_EQ(name(3), QStringLiteral("BAR"));
    EXPECT_EQ(centres(), 8);
}

TEST_F(CostCentresTest, DeletingAsksAndRemovesThatCode)
{
    seeds::addCostCentre(st.logon(), 1, QStringLiteral("A"));
    seeds::addCostCentre(st.logon(), 2, QStringLiteral("B"));
    TFormCentroCusto w(st.logon());
    w.codeField()->setText(QStringLiteral("2"));
    d.answerMessages({QStringLiteral("N"), QStringLiteral("S")});
    w.deleteCentre();
    EXPECT_EQ(centres(), 2);
    w.deleteCentre();
    EXPECT_EQ(centres(), 1);
    EXPECT_EQ(w.codeField()->text(), QStringLiteral("1"));
}

TEST_F(CostCentresTest, HostileValuesAreStoredAsTypedOrRefusedWithNothingChanged)
{
    struct Case { const char* label; QString code, name; int storedAs; bool error; };
    const Case cases[] = {
        {"apostrophes and quotes", QStringLiteral("10"), QStringLiteral("D'AGUA \"X\""), 10, false},
        {"sql fragment", QStringLiteral("11"), QStringLiteral("'); DELETE FROM CENTROCUSTO;--"), 11, false},
        {"over-long name is cut by the field", QStringLiteral("12"), QStringLiteral("CENTRO DE CUSTO COM NOME COMPRIDO DEMAIS"), 12, false},
        {"zero", QStringLiteral("0"), QStringLiteral("X"), 0, false},
        {"letters", QStringLiteral("ABC"), QStringLiteral("X"), 0, false},
        {"1e20", QStringLiteral("1e20"), QStringLiteral("X"), 0, false},
        {"negative", QStringLiteral("-3"), QStringLiteral("X"), 0, false},
        {"characters the database cannot store", QStringLiteral("13"), QStringLiteral("\U0001F600"), 0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        ScriptedDialogs script;
        const int before = centres();
        TFormCentroCusto w(st.logon());
        w.codeField()->setText(c.code);
        w.nameField()->setText(c.name);
        w.confirmCentre();
        EXPECT_EQ(centres(), before + (c.storedAs ? 1 : 0));
        if (c.storedAs) {
            EXPECT_EQ(name(c.storedAs), c.name.trimmed().left(30).trimmed());
        }
        EXPECT_EQ(script.errors, c.error ? QStringList{characterSetMessage()} : QStringList());
        EXPECT_TRUE(script.messages.empty());
    }
}

TEST(NetworkSetup, TheShownAddressComesFromTheStationThenTheFile)
{
    using networkSetup::shownAddress;
    EXPECT_EQ(shownAddress(QStringLiteral("nil"), QStringLiteral("192.168.0.9")), QString());
    EXPECT_EQ(shownAddress(QString(), QStringLiteral("192.168.0.9")), QString());
    EXPECT_EQ(shownAddress(QStringLiteral("10.0.0.1"), std::nullopt), QStringLiteral("10.0.0.1"));
    EXPECT_EQ(shownAddress(QStringLiteral("10.0.0.1"), QStringLiteral("  ")), QStringLiteral("10.0.0.1"));
    EXPECT_EQ(shownAddress(QStringLiteral("10.0.0.1"), QStringLiteral(" 192.168.0.9")), QStringLiteral(" 192.168.0.9"));
}

TEST(NetworkSetup, ConfirmingAsServerWritesTheServerItselfAndEndsTheProgram)
{
    TestStation st;
    ScriptedDialogs d;
    TFormSetupRede w;
    EXPECT_TRUE(w.serverChoice()->isChecked());
    w.addressField()->setText(QStringLiteral("192.168.0.50"));
    ASSERT_TRUE(w.confirmAddress());
    EXPECT_EQ(st.readFile(QString::fromLatin1(networkSetup::kFile)), QStringList{QStringLiteral("127.0.0.1")});
    EXPECT_EQ(d.messageTexts(), QStringList{networkText::saved});
    EXPECT_TRUE(w.endsProgram());
}

TEST(NetworkSetup, ATerminalWritesTheTypedAddressOrRefusesOneTheStartWouldDrop)
{
    TestStation st;
    struct Case { const char* label; QString address; bool written; };
    const Case cases[] = {
        {"an address", QStringLiteral("192.168.0.10"), true},
        {"a server name beginning with a digit", QStringLiteral("10.1.1.254"), true},
        {"too short", QStringLiteral("10.0.1"), false},
        {"a name", QStringLiteral("servidor"), false},
        {"blank", QString(), false},
        {"quotes and a path", QStringLiteral("192.168.0.10:/x' or"), false},
        {"characters a settings file cannot hold", QStringLiteral("192.168.0.1\U0001F600"), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        ScriptedDialogs d;
        st.writeFile(QString::fromLatin1(networkSetup::kFile), {QStringLiteral("10.9.9.9")});
        TFormSetupRede w;
        w.terminalChoice()->setChecked(true);
        w.addressField()->setText(c.address);
        EXPECT_EQ(w.confirmAddress(), c.written);
        EXPECT_EQ(w.endsProgram(), c.written);
        EXPECT_EQ(st.readFile(QString::fromLatin1(networkSetup::kFile)),
                  QStringList{c.written ? c.address : QStringLiteral("10.9.9.9")});
        EXPECT_EQ(d.messageTexts(), QStringList{c.written ? networkText::saved : networkText::invalid});
    }
}
