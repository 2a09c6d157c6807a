// Reprint of closed bills: the list of the last sales with their payment sums,
// and the printout rebuilt from the sale's stock-out and payment rows.
#include "ShiftReportSeeds.h"
#include "TestStation.h"
#include "cash/ClosedBillReprint.h"
#include "core/Globals.h"
#include "printing/SetComSettings.h"

#include <gtest/gtest.h>

using seeds::D;

namespace {

const QDate kDay(2026, 12, 10);

void twoSales(TestStation& st)
{
    seeds::setCompany(st, "BAR DO ZE", "RUA A, 10", "RECIFE", "PE", "12.345.678/0001-90");
    ctx::company().CompanyPhone = "81 3333-4444";
    seeds::addPaymentMethod(st, 3, "CARTAO DEBITO");
    st.addProduct("000010", "PICANHA", D("59,90"));
    // Sale 101, tab 7: two items and a kit component written under the history only.
    seeds::addSale(st, 101, 7, 1, kDay);
    seeds::addStockOut(st, 101, kDay, "000010", "Venda", D("2"), D("59,90"));
    seeds::addStockOut(st, 101, kDay, "", "COUVERT ARTISTICO", D("1"), D("12,50"));
    seeds::addPayment(st, 101, 1, D("150"));    // cash
    seeds::addPayment(st, 101, 1, D("-17,70")); // change
    // Sale 102, tab 9, paid by card.
    seeds::addSale(st, 102, 9, 1, kDay);
    seeds::addStockOut(st, 102, kDay, "000010", "Venda", D("1"), D("59,90"));
    seeds::addPayment(st, 102, 3, D("59,90"));
    st.writeFile(SetComSettings::kSetupFile,
                 {"Servico", "10", "0", "S", "S", "N", "S", "N", "0", "2", "Obrigado!", "", "Visualizar"});
}

} // namespace

TEST(ClosedBillReprint, ListsTheLastSalesNewestFirstWithTheirPaymentSums)
{
    TestStation st;
    // Sale numbers that do not rise with the id: each still gets its own sum.
    seeds::addSale(st, 50, 1, 3, kDay);
    seeds::addPayment(st, 50, 1, D("10"));
    seeds::addSale(st, 10, 2, 3, kDay);
    seeds::addPayment(st, 10, 1, D("25,50"));
    seeds::addPayment(st, 10, 1, D("-0,50"));
    seeds::addSale(st, 30, 3, 3, kDay);

    const auto list = ClosedBillReprint(st.logon()).lastClosedSales();
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0].nfiscal, 30);
    EXPECT_FALSE(list[0].valor.has_value());
    EXPECT_EQ(list[1].nfiscal, 10);
    EXPECT_EQ(*list[1].valor, D("25"));
    EXPECT_EQ(list[2].nfiscal, 50);
    EXPECT_EQ(*list[2].valor, D("10"));
    EXPECT_EQ(list[2].comanda, 1);
    EXPECT_EQ(list[2].caixa, 3);
    EXPECT_EQ(list[2].data, kDay);

    // Only the hundred newest.
    for (int i = 0; i < 105; ++i)
        seeds::addSale(st, 1000 + i, 1, 3, kDay);
    const auto hundred = ClosedBillReprint(st.logon()).lastClosedSales();
    ASSERT_EQ(hundred.size(), 100u);
    EXPECT_EQ(hundred.front().nfiscal, 1104);
    EXPECT_EQ(hundred.back().nfiscal, 1005);
}

TEST(ClosedBillReprint, PrintsHeaderItemsPaymentsAndFooterOfTheSaleNamed)
{
    TestStation st;
    twoSales(st);
    const auto r = ClosedBillReprint(st.logon()).compose("101", "10/12/26");
    ASSERT_TRUE(r.printout) << r.message.toStdString() << r.error.toStdString();
    const QStringList expected = {
        "BAR DO ZE",
        "RUA A, 10",
        "RECIFE  -  PE",
        "CNPJ.:12.345.678/0001-90",
        "Fone.:81 3333-4444",
        "Comanda:7",
        "Cupom:101",
        "=======================================",
        "Descricao             Valor  Qdes Total",
        "=======================================",
        "000010 PICANHA           59,9x2=119,80",
        "COUVERT ARTISTICO         12,5x1=12,50",
        "=======================================",
        "Total                           132,30",
        "Dinheiro                        150,00",
        "TROCO                            17,70",
        "",
        "---------------------------------------",
        "Obrigado!",
        "---------------------------------------",
        ".",
        ".",
    };
    EXPECT_EQ(r.printout->lines, expected);
    EXPECT_EQ(r.printout->fontSize, 7);
}

TEST(ClosedBillReprint, EveryPartComesFromTheSaleTypedNotFromAnotherRow)
{
    TestStation st;
    twoSales(st);
    const auto r = ClosedBillReprint(st.logon()).compose(" 102 ", "10/12/26");
    ASSERT_TRUE(r.printout);
    const QStringList& l = r.printout->lines;
    EXPECT_TRUE(l.contains("Comanda:9"));
    EXPECT_TRUE(l.contains("Cupom:102"));
    EXPECT_TRUE(l.filter("000010 PICANHA").value(0).endsWith("59,9x1=59,90")) << l.join("\n").toStdString();
    EXPECT_TRUE(l.contains("CARTAO DEBITO                    59,90"));
    EXPECT_FALSE(l.join('\n').contains("TROCO"));
    EXPECT_FALSE(l.contains("Comanda:7"));
}

TEST(ClosedBillReprint, AnotherDateGivesNoItemsAndAZeroTotal)
{
    TestStation st;
    twoSales(st);
    const auto r = ClosedBillReprint(st.logon()).compose("101", "11/12/26");
    ASSERT_TRUE(r.printout);
    EXPECT_TRUE(r.printout->lines.contains("Total                             0,00"));
    EXPECT_TRUE(r.printout->lines.contains("Dinheiro                        150,00"));
}

TEST(ClosedBillReprint, FeedLinesFollowSetupLineNine)
{
    TestStation st;
    twoSales(st);
    struct Case { const char* line9; int dots; };
    for (const Case c : {Case{"0", 0}, Case{"abc", 7}, Case{"-3", 7}, Case{"0x4", 7}, Case{"4", 4}}) {
        st.writeFile(SetComSettings::kSetupFile, {"", "", "", "", "", "", "", "", "", c.line9, "", "", "Visualizar"});
        const auto r = ClosedBillReprint(st.logon()).compose("101", "10/12/26");
        ASSERT_TRUE(r.printout);
        EXPECT_EQ(r.printout->lines.count("."), c.dots) << c.line9;
        EXPECT_FALSE(r.printout->lines.contains(QString())
                     && r.printout->lines.indexOf(QString()) != r.printout->lines.lastIndexOf(QString()));
    }
}

TEST(ClosedBillReprint, RefusesWhatNamesNoSaleWithTheMessagesOfTheWindow)
{
    TestStation st;
    twoSales(st);
    struct Case { QString number, date, message, error; };
    const QString notFound = ClosedBillReprint::notFoundMessage();
    const std::vector<Case> cases = {
        {"", "10/12/26", ClosedBillReprint::chooseFirstMessage(), ""},
        {"   ", "10/12/26", ClosedBillReprint::chooseFirstMessage(), ""},
        {"999", "10/12/26", notFound, ""},
        {"'; delete from fatura; --", "10/12/26", notFound, ""},
        {"10a", "10/12/26", notFound, ""},
        {"1e20", "10/12/26", notFound, ""},
        {"99999999999999999999", "10/12/26", notFound, ""},
        {"-101", "10/12/26", notFound, ""},
        {QString::fromUtf8("101😀"), "10/12/26", notFound, ""},
        {"101", "99/99/99", "", ClosedBillReprint::invalidDateMessage("99/99/99")},
        {"101", "//", "", ClosedBillReprint::invalidDateMessage("//")},
    };
    for (const Case& c : cases) {
        const auto r = ClosedBillReprint(st.logon()).compose(c.number, c.date);
        EXPECT_FALSE(r.printout) << c.number.toStdString();
        EXPECT_EQ(r.message, c.message) << c.number.toStdString();
        EXPECT_EQ(r.error, c.error) << c.number.toStdString();
    }
    EXPECT_EQ(st.count("select count(*) from fatura"), 2);
}
