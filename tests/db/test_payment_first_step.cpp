// The switches the payment's first step starts with, and what it stores.
#include "ClosingSeeds.h"
#include "tabs/TabKey.h"
#include "TestStation.h"
#include "closing/PaymentFirstStep.h"

#include <gtest/gtest.h>

using seeds::D;

namespace {
QString S(const char* s) { return QString::fromUtf8(s); }
}

TEST(PaymentFirstStep, PresetsFromSettingsOrThePreBilledTab)
{
    struct Case {
        const char* name;
        const char* tab;
        int status;
        const char* percent;
        const char* cover;
        int itemOptions;
        const char* wantCover;
        const char* wantService;
        bool locked;
    };
    const Case cases[] = {
        {"open tab, charges set", "000012", 0, "10", "2,50", 0, "S", "S", false},
        {"open tab, no charges", "000012", 0, "0", "0,00", 0, "N", "N", false},
        {"pre-billed tab keeps its answers", "000012", 1, "10", "2,50", 0, "N", "S", false},
        {"delivery tab: never charged", "1000005", 1, "10", "2,50", 0, "N", "N", false},
        {"locked by the options", "000012", 0, "10", "0", 32, "N", "S", true},
        {"unknown tab: settings", "999999", 0, "10", "1", 0, "S", "S", false},
        {"a key the database cannot hold: settings", "😀", 0, "10", "1", 0, "S", "S", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestStation st;
        QStringList setup(23);
        setup[1] = S(c.percent);
        setup[2] = S(c.cover);
        st.writeFile(S("c:\\Miltrex\\vavoz\\setup.INI"), setup);
        st.logon().run(S("update EMPRESA set SCC4 = ?"), {c.itemOptions});
        seeds::openTab(st.logon(), S("000012"), 1, 1, Decimal(), QString(), Decimal(), c.status == 1 && QString::fromUtf8(c.tab) == S("000012") ? 1 : 0);
        seeds::openTab(st.logon(), S("1000005"), 1, 1, Decimal(), QString(), Decimal(), c.status);
        st.logon().run(S("update CABMESA set COUVER = 'N', TAXA = 'S'"));
        PaymentFirstStep step(st.logon());
        const ChargeSwitches s = step.presets(QString::fromUtf8(c.tab));
        EXPECT_EQ(s.cover, S(c.wantCover));
        EXPECT_EQ(s.service, S(c.wantService));
        EXPECT_EQ(s.locked, c.locked);
    }
}

TEST(PaymentFirstStep, KeysAndSwitchesAreNormalised)
{
    EXPECT_EQ(tabs::readTabKey(S("12"), tabs::TabKeyRules::paymentWindow()), S("000012"));
    EXPECT_EQ(tabs::readTabKey(S(" A1 "), tabs::TabKeyRules::paymentWindow()), S("A1"));
    EXPECT_EQ(tabs::readTabKey(S(""), tabs::TabKeyRules::paymentWindow()), S("0"));
    EXPECT_EQ(normaliseSwitch(S(" n ")), S("N"));
    EXPECT_EQ(normaliseSwitch(S("SIM")), S("S"));
    EXPECT_EQ(normaliseSwitch(S("")), S("S"));
    TestStation st;
    seeds::openTab(st.logon(), S("000012"));
    PaymentFirstStep step(st.logon());
    EXPECT_TRUE(step.confirm(S("12"), S("nao"), S("n")));
    EXPECT_EQ(st.scalar(S("select COUVER || TAXA from CABMESA")).toString(), S("SN"));
    EXPECT_FALSE(step.confirm(S("77"), S("S"), S("S")));
}
