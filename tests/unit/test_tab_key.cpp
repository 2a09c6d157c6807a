// The one reader of a typed table or tab key, with each box's rules side by side.
#include "tabs/TabKey.h"

#include <gtest/gtest.h>

namespace {
QString S(const char* s) { return QString::fromUtf8(s); }
}

TEST(TabKey, EachBoxReadsWhatWasTypedByItsOwnRules)
{
    using tabs::TabKeyRules;
    struct Case {
        const char* typed;
        const char* sales;
        const char* payment;
        const char* upkeep;
        const char* reopen;
    };
    const Case cases[] = {
        {"12", "000012", "000012", "000012", "000012"},
        {" 12 ", "000012", "000012", "000012", "000012"},
        {"", "", "0", "", ""},
        {"   ", "", "0", "", "   "},
        {"0", "", "000000", "000000", "000000"},
        {"000000", "", "000000", "000000", "000000"},
        {"-5", "-5", "-5", "-5", "-000005"},   // a tab key has no sign (the reopen box reads a number)
        {"1234567", "1234567", "1234567", "1234567", "1234567"},
        {"0000012", "0000012", "000012", "000012", "000012"},
        {"12,6", "12,6", "12,6", "12,6", "000013"},
        {" A1 ", "A1", "A1", "A1", " A1 "},
        {"mesa 1", "MESA 1", "mesa 1", "mesa 1", "mesa 1"},
        {"(F)12", "12", "(F)12", "(F)12", "(F)12"},
        {"ação", "ACAO", "ação", "ação", "ação"},
        {"d'agua", "D.AGUA", "d'agua", "d'agua", "d'agua"},
        {"1' or '1'='1", "1. OR .1.=.1", "1' or '1'='1", "1' or '1'='1", "1' or '1'='1"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(tabs::readTabKey(S(c.typed), TabKeyRules::salesScreen()), S(c.sales)) << c.typed;
        EXPECT_EQ(tabs::readTabKey(S(c.typed), TabKeyRules::paymentWindow()), S(c.payment)) << c.typed;
        EXPECT_EQ(tabs::readTabKey(S(c.typed), TabKeyRules::upkeepBox()), S(c.upkeep)) << c.typed;
        EXPECT_EQ(tabs::readTabKey(S(c.typed), TabKeyRules::reopenBox()), S(c.reopen)) << c.typed;
    }
}

TEST(TabKey, OnlyKeysTheTabTableCanHoldNameATab)
{
    EXPECT_TRUE(tabs::storableTabKey(S("000012")));
    EXPECT_TRUE(tabs::storableTabKey(QString(30, QLatin1Char('9'))));
    EXPECT_FALSE(tabs::storableTabKey(QString(31, QLatin1Char('9'))));
    EXPECT_FALSE(tabs::storableTabKey(S("mesa 🍕")));
    EXPECT_TRUE(tabs::isDeliveryTab(S("1000001")));
    EXPECT_FALSE(tabs::isDeliveryTab(S("1000000")));
    EXPECT_FALSE(tabs::isDeliveryTab(S("A1000001")));
}
