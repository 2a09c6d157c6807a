// The sales screen's rules that need no database: tab keys, table captions, item
// joining, scale labels, product codes and the kitchen ticket.
#include "sales/ItemConfirmation.h"
#include "tabs/TabKey.h"
#include "sales/ItemEntry.h"
#include "sales/SalesRibbon.h"
#include "sales/TabOpening.h"
#include "sales/TabView.h"
#include "registers/TouchMenu.h"

#include <gtest/gtest.h>

namespace {
QString S(const char* s) { return QString::fromUtf8(s); }
}

TEST(SalesRules, TabKeyOfWhatWasTyped)
{
    const std::pair<const char*, const char*> cases[] = {
        {"7", "000007"}, {"  7 ", "000007"}, {"0", ""}, {"000000", ""}, {"00", "000000"}, {"-5", "-5"},
        {"12345", "012345"}, {"123456", "123456"}, {"1234567", "1234567"}, {"(F)12", "12"}, {"(F)", ""},
        {"(f)12", "12"}, {"d'agua", "D.AGUA"}, {"ÁGUA", "AGUA"}, {"ação", "ACAO"}, {"", ""}, {"   ", ""},
        {"999999", "999999"}, {"MESA 1", "MESA 1"},
    };
    for (const auto& [typed, key] : cases)
        EXPECT_EQ(tabs::readTabKey(S(typed), tabs::TabKeyRules::salesScreen()), S(key)) << typed;
}

TEST(SalesRules, TableButtonCaptionGivesItsKey)
{
    EXPECT_EQ(tableKeyOfCaption(S("000012\r21:05:10")), S("000012"));
    EXPECT_EQ(tableKeyOfCaption(S(" 000007 ")), S("000007"));
    for (const char* free : {".", "Livre", "LIVRE"})
        EXPECT_EQ(tableKeyOfCaption(S(free)), QString()) << free;
}

TEST(SalesRules, ItemsJoinOnlyWhenWholeAndAllowed)
{
    auto row = [](qint64 id, const char* code, const char* qty, const char* juntar = "") {
        TabItemRow r;
        r.id = id;
        r.codigo = S(code);
        r.nomep = S("COCA COLA");
        r.vend = 3;
        r.quant = *Decimal::parseSql(S(qty));
        r.valor = Decimal::fromCents(650);
        r.juntar = S(juntar);
        return r;
    };
    // forced joining: 1 + 2 of one product, waiter and price make one line of 3
    auto lines = joinTabItems({row(1, "000001", "1"), row(2, "000001", "2")}, true, false);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].qtde, Decimal(3));
    EXPECT_EQ(lines[0].id, 1);
    EXPECT_EQ(lines[0].total(), Decimal::fromCents(1950));
    EXPECT_EQ(joinTabItems({row(1, "000001", "1"), row(2, "000001", "2")}, false, false).size(), 2u);
    EXPECT_EQ(joinTabItems({row(1, "000001", "1", "S"), row(2, "000001", "2", "S")}, true, false).size(), 2u);
    EXPECT_EQ(joinTabItems({row(1, "000001", "0.5"), row(2, "000001", "0.5")}, true, false).size(), 2u);
    EXPECT_EQ(joinTabItems({row(1, "000001", "1"), row(2, "000001", "1")}, true, true).size(), 2u);
    TabItemRow longName = row(1, "000001", "1");
    longName.nomep = QString(70, u'A');
    TabItemRow longName2 = longName;
    longName2.id = 2;
    EXPECT_EQ(joinTabItems({longName, longName2}, true, false).size(), 2u);
}

TEST(SalesRules, ScaleLabelsAndProductCodes)
{
    const std::optional<ScaleLabel> s = parseScaleLabel(S("2000123012349"));
    ASSERT_TRUE(s);
    EXPECT_EQ(s->code, S("000123"));
    EXPECT_EQ(s->quantity, *Decimal::parseSql(S("1.234")));
    EXPECT_FALSE(parseScaleLabel(S("3000123012349")));
    EXPECT_FALSE(parseScaleLabel(S("200012301234")));
    EXPECT_FALSE(parseScaleLabel(S("20001230X2349")));
    const std::pair<const char*, const char*> codes[] = {
        {"12", "000012"}, {"*45", "000045"}, {"  7 ", "000007"}, {"ABC", "ABC"}, {"0", "000000"}, {"1234567", "1234567"},
    };
    for (const auto& [typed, code] : codes)
        EXPECT_EQ(normaliseProductCode(S(typed)), S(code)) << typed;
    EXPECT_EQ(quantityOrOne(S("0")), Decimal(1));
    EXPECT_EQ(quantityOrOne(S("abc")), Decimal(1));
    EXPECT_EQ(quantityOrOne(S("-2")), Decimal(1));
    EXPECT_EQ(quantityOrOne(S("1e20")), Decimal(1));
    EXPECT_EQ(quantityOrOne(S("0,35")), *Decimal::parseSql(S("0.35")));
}

TEST(SalesRules, KitchenTicketLayout)
{
    TicketData t;
    t.orderNumber = 41;
    t.tableWord = S("MESA");
    t.tabKey = S("000007");
    t.waiterCode = S("3");
    t.waiterName = S("JOAO");
    t.when = QDateTime(QDate(2026, 3, 14), QTime(20, 5, 9));
    t.quantity = *Decimal::parseSql(S("0.35"));
    t.name = S("PICANHA NA CHAPA COM FRITAS E FAROFA DA CASA");
    t.complements = {S("bem passada"), S("sem cebola")};
    t.feedLines = 2;
    const QStringList lines = composeKitchenTicket(t);
    const QStringList expected = {
        QString(10, u' ') + S("PEDIDO       :41"), QString(37, u'-'), S("MESA.:000007"), S("GARCOM :3 JOAO##"),
        S("14/03/26  -  20:05:09"), QString(37, u'='), S("QTD  DESCRICAO   "), QString(37, u'='),
        S("0,350 PICANHA NA CHAPA COM FRITAS E F"), S("AROFA DA CASA"), S(" > BEM PASSADA"), S(" > SEM CEBOLA"),
        QString(), QString(37, u'-'), S("."), S("."),
    };
    EXPECT_EQ(lines, expected);
    t.quantity = Decimal(2);
    t.customer = S("MARIA");
    t.complements.clear();
    const QStringList two = composeKitchenTicket(t);
    EXPECT_EQ(two[3], S("MARIA"));
    EXPECT_TRUE(two.contains(S("002 PICANHA NA CHAPA COM FRITAS E FAR")));
    EXPECT_EQ(complementSummary({S("bem passada"), S("sem cebola")}), S("(BEM PASSADA/SEM CEBOLA/)"));
    EXPECT_EQ(complementSummary({}), QString());
}

TEST(SalesRules, MalformedTabKeys)
{
    EXPECT_NE(salesribbon::normalTabKeyForm(S("12")), S("12"));
    EXPECT_NE(salesribbon::normalTabKeyForm(S("mesa")), S("mesa"));
    EXPECT_NE(salesribbon::normalTabKeyForm(S("ÁGUA")), S("ÁGUA"));
    EXPECT_EQ(salesribbon::normalTabKeyForm(S("000012")), S("000012"));
    EXPECT_EQ(salesribbon::normalTabKeyForm(S("BALCAO")), S("BALCAO"));
}

TEST(SalesRules, TouchButtonCaptions)
{
    const std::pair<const char*, QStringList> cases[] = {
        {"COCA COLA", {S("COCA"), S("COLA")}},
        {"X-TUDO ESPECIAL DA CASA", {S("X-TUDO"), S("ESPECIAL DA"), S("CASA")}},
        {"REFRIGERANTE", {S("REFRIGERANTE")}},
        {"SUCO DE LARANJA NATURAL 500ML", {S("SUCO DE"), S("LARANJA"), S("NATURAL"), S("500ML")}},
        {"AAAAAA BBBBBB CCCCCC DDDDDD EEEEEE FFFFFF", {}},
        {"   ", {}},
    };
    for (const auto& [text, lines] : cases)
        EXPECT_EQ(SplitButtonCaption(S(text)), lines) << text;
}
