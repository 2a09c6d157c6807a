// The tools around closed counter sales, on sales closed the way the counter
// closes them: the closing report by the method of each sale's first payment row,
// the receipt rebuilt from the stock-out rows, and the loyalty redemption.
#include "ClosingSeeds.h"
#include "ScriptedDialogs.h"
#include "TestStation.h"
#include "core/Globals.h"
#include "core/uMensagem.h"
#include "sales/CounterClosing.h"
#include "sales/CounterReports.h"

#include <gtest/gtest.h>

using seeds::D;

namespace {

QString S(const char* s) { return QString::fromUtf8(s); }

class CounterToolsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        st.openCashShift(8);
        ctx::station().TerminalNumber = S("02");
        seeds::addPaymentMethod(l(), 2, S("Cartao"), S("S"));
        seeds::addProduct(l(), S("000001"), S("CERVEJA"), D("10"));
        seeds::addProduct(l(), S("000002"), S("PASTEL"), D("5"));
    }
    TLogon& l() { return st.logon(); }
    qint64 sell(std::vector<std::pair<const char*, const char*>> items, const char* cash, const char* card)
    {
        CounterSale s;
        s.setMethods({{1, S("Dinheiro"), S("S"), {}}, {2, S("Cartao"), S("S"), {}}});
        for (const auto& [code, quantity] : items) {
            CounterItem i;
            i.code = S(code);
            i.name = S(code) == S("000001") ? S("CERVEJA") : S("PASTEL");
            i.price = S(code) == S("000001") ? D("10") : D("5");
            i.quantity = D(quantity);
            s.insertItem(i);
        }
        s.record(1, D(cash));
        s.record(2, D(card));
        CounterClosingRequest r;
        r.sale = &s;
        r.discount = S("0");
        r.customerCode = S("1");
        r.customerName = S("CONSUMIDOR");
        return CounterClosing(l()).close(r).saleNumber;
    }
    TestStation st;
    ScriptedDialogs ui;
};

} // namespace

TEST_F(CounterToolsTest, ReportListsASaleUnderTheMethodOfItsFirstPaymentRowWithAllItsProducts)
{
    const qint64 a = sell({{"000001", "5"}, {"000002", "6"}}, "50", "30");
    const qint64 b = sell({{"000002", "4"}}, "0", "20");
    CompanyHeader company{S("BAR DO ZE"), S("RUA A"), S("SAO PAULO"), S("SP"), S("1")};
    const QStringList methods = paymentMethodEntries(l());
    ASSERT_EQ(methods, (QStringList{S("01 Dinheiro"), S("02 Cartao")}));

    const QStringList cash = composePaymentMethodReport(l(), 8, methods[0], company).lines;
    EXPECT_EQ(cash[4], S("Caixas de :8"));
    EXPECT_EQ(cash[6], S("Caixa  Data  Dinheiro     Total "));
    const QString aLine = PadRight(QString::number(a), 8);
    const QString bLine = PadRight(QString::number(b), 8);
    auto has = [](const QStringList& lines, const QString& start) {
        for (const QString& l : lines)
            if (l.startsWith(start))
                return true;
        return false;
    };
    EXPECT_TRUE(has(cash, aLine + S(" ")));
    EXPECT_FALSE(has(cash, bLine + S(" ")));
    EXPECT_TRUE(has(cash, S("  CERVEJA ")));
    EXPECT_TRUE(has(cash, S("  PASTEL ")));
    EXPECT_TRUE(cash.contains(PadRight(S("  "), 26) + S("    80,00")));

    const QStringList card = composePaymentMethodReport(l(), 8, methods[1], company).lines;
    EXPECT_TRUE(has(card, bLine + S(" ")));
    EXPECT_FALSE(has(card, aLine + S(" ")));
    // Another cash shift: the heading alone.
    EXPECT_EQ(composePaymentMethodReport(l(), 99, methods[0], company).lines.size(), 8 + 1 + 8);
}

TEST_F(CounterToolsTest, ReceiptRebuiltFromTheSaleRows)
{
    sell({{"000001", "2"}}, "20", "0");
    sell({{"000002", "3"}}, "15", "0");
    const std::vector<ClosedSaleRow> sales = closedSales(l(), false);
    ASSERT_EQ(sales.size(), 2u);
    EXPECT_GT(sales[0].id, sales[1].id);   // newest first
    const QStringList r = composeReprintedReceipt(l(), sales[1], {S("BAR"), S("RUA"), S("SP"), S("SP"), S("123")}, 7,
                                                  {S("OBRIGADO"), S(" "), QString(), S("VOLTE")}).lines;
    EXPECT_EQ(r[3], S("CNPJ 123"));
    EXPECT_EQ(r[5], S("Term:2 ") + QString::number(sales[1].nota));
    EXPECT_EQ(r[11], S("CERVEJA"));
    EXPECT_EQ(r[12], S("000       2x   10,00=       20,00"));
    EXPECT_EQ(r[14], PadRight(S("Total"), 21) + S("       20,00"));
    EXPECT_EQ(r[15], PadRight(S("Servico/Couver"), 21) + S("        0,00"));
    EXPECT_TRUE(r.contains(S("OBRIGADO")));
    EXPECT_TRUE(r.contains(S("VOLTE")));
    EXPECT_EQ(closedSales(l(), true).size(), 2u);
}

TEST_F(CounterToolsTest, LoyaltyRedemptionTakesAwayWhatTheVoucherShowed)
{
    seeds::addSaleCustomer(l(), 7, S("JOANA"), S("N"), 12.6);
    auto c = readLoyaltyCustomer(l(), 7);
    ASSERT_TRUE(c);
    EXPECT_EQ(c->pointsText(), S("13"));
    const QStringList v = composeLoyaltyVoucher(S("BAR DO ZE"), *c, QDate(2026, 3, 14)).lines;
    EXPECT_EQ(v[2], QString(13, QLatin1Char(' ')) + S("BAR DO ZE"));
    EXPECT_EQ(v[6], S("JOANA"));
    EXPECT_EQ(v[9], S("13"));
    EXPECT_EQ(v[11], S("DATA.:14/03/26"));
    EXPECT_EQ(composeLoyaltyVoucher(QString(40, QLatin1Char('X')), *c, QDate(2026, 3, 14)).lines[2],
              QString(40, QLatin1Char('X')));
    // Points earned by a bill paid at another station meanwhile stay.
    l().run(S("update CLIENTES set FIDELIDADE = FIDELIDADE + 2 where CODIGO = 7"));
    redeemLoyalty(l(), *c);
    EXPECT_EQ(readLoyaltyCustomer(l(), 7)->points, D("2"));
    EXPECT_FALSE(readLoyaltyCustomer(l(), 70));
}
