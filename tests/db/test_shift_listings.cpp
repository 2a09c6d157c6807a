// The listings of a range of cash shifts on a shift sold through the real closings,
// withdrawals, expenses and the cash-shift opening: expenses by cost centre, a
// waiter's service fee, the couvert, the opening floats and the withdrawals and
// top-ups, as roll texts line by line and as pages read back from the PDF.
#include "CashOfficeSeeds.h"
#include "RegisterSeeds.h"
#include "ReportLines.h"
#include "SoldShiftTest.h"
#include "ScriptedDialogs.h"
#include "TestStation.h"
#include "core/uMensagem.h"
#include "reports/ReportFields.h"
#include "cashoffice/ShiftListings.h"
#include "salesreports/UnitComissaoQui.h"
#include "cashoffice/UnitDespQui.h"
#include "cashoffice/UnitListAberQui.h"
#include "cashoffice/UnitListSangQui.h"
#include "cashoffice/UnitRelCouQui.h"

#include <gtest/gtest.h>

using seeds::D;

namespace {

QString S(const char* s) { return QString::fromUtf8(s); }
QString rule(int n) { return QString(n, QLatin1Char('=')); }
QString money(const char* mask, int width, const char* value) { return FormatFloatLeftPadded(S(mask), width, D(value)); }



// Every line of a roll within the frame of 38 "=" its columns are printed in.
void withinTheFrame(const QStringList& roll)
{
    for (const QString& line : roll)
        EXPECT_LE(line.size(), 38) << line.toStdString();
}

// The roll header every listing shares.
QStringList head(const char* title, int titleRule)
{
    return {S(title), rule(titleRule), S("BAR DO ZE"), S("RUA DAS FLORES, 10"), S("SAO PAULO Estado.:SP")};
}

class ShiftListingsTest : public SoldShiftTest {};

} // namespace

TEST_F(ShiftListingsTest, ExpensesByCashShiftAndCostCentreOnTheRollAndOnAPage)
{
    seeds::addCostCentre(l(), 3, S("BAR"));
    for (const auto& [cash, date, history, value, centre] :
         std::vector<std::tuple<int, QDate, const char*, const char*, QVariant>>{
             {1, QDate(2026, 3, 14), "CARVAO", "7,5", 3}, {2, QDate(2026, 3, 15), "GAS", "40", 3},
             {2, QDate(2026, 3, 15), "LIMPEZA", "10", QVariant()}, {12345, QDate(2026, 3, 16), "UM", "1", QVariant()}})
        l().run(S("insert into desploja (data, caixa, terminal, historico, valor, ccusto) values (?, ?, 1, ?, ?, ?)"),
                {date, cash, S(history), D(value), centre});
    ShiftListings listings(l());
    const RowSet rows = listings.expenses(S("1"), S("2"));
    ASSERT_EQ(rows.size(), 5);
    // 36 columns inside the frame of 38: the date in 7, the history in 17, a blank and
    // the amount in 11; each cash shift's number heads its rows, whole.
    auto line = [](const char* date, const char* history, const char* value) {
        return PadRight(S(date), 7) + PadRight(S(history), 17) + S(" ") + money("0.00", 11, value);
    };
    QStringList expected = head("RELATORIO DESPESAS", 27);
    expected << rule(38) << S("Data    Caixa  Historico      Valor") << rule(38) << S("Caixa 1")
             << S("14/03  Desconto Cupom010        2,00") << line("14/03", "GELO", "15")
             << line("14/03", "CARVAO", "7,5") << S("Caixa 2") << line("15/03", "LIMPEZA", "10")
             << line("15/03", "GAS", "40") << rule(38) << QString(25, ' ') + money("#,##0.00", 11, "74,5");
    const QStringList roll = ShiftListings::expensesRoll(rows).lines;
    EXPECT_EQ(roll, expected);
    for (const QString& row : roll.mid(8, 7)) {
        if (!row.startsWith(S("Caixa "))) {
            EXPECT_EQ(row.size(), 36) << row.toStdString();
        }
    }
    EXPECT_EQ(roll.last().size(), 36);
    withinTheFrame(roll);
    EXPECT_EQ(ShiftListings::expensesRoll(listings.expenses(S("12345"), S("12345"))).lines.mid(8, 2),
              (QStringList{S("Caixa 12345"), line("16/03", "UM", "1")}));

    // On a page, a group per run of one cost centre in cash-shift order.
    const QStringList page = reportLines(TFormDespQui(l(), S("Caixas de N. 1 a 2")).definition(), rows);
    EXPECT_EQ(page.mid(0, 2), (QStringList{S("Controle de Despesas"), S("BAR DO ZE")}));
    EXPECT_TRUE(page.contains(S("PERIODO Caixas de N. 1 a 2"))) << page.join('\n').toStdString();
    EXPECT_EQ(linesAfter(page, S("Data Caixa Histórico VALOR")),
              (QStringList{S("Centro de Custo"), S("14/03/26 1 Desconto Cupom010001 2,00"), S("14/03/26 1 GELO 15,00"),
                           S("TOTAL CENTRO DE CUSTO 17,00"), S("Centro de Custo BAR"), S("14/03/26 1 CARVAO 7,50"),
                           S("TOTAL CENTRO DE CUSTO 7,50"), S("Centro de Custo"), S("15/03/26 2 LIMPEZA 10,00"),
                           S("TOTAL CENTRO DE CUSTO 10,00"), S("Centro de Custo BAR"), S("15/03/26 2 GAS 40,00"),
                           S("TOTAL CENTRO DE CUSTO 40,00"), S("TOTAL GERAL 74,50")}));
    // A range given backwards selects nothing: the headings and a total of 0,00.
    const RowSet none = listings.expenses(S("9"), S("3"));
    EXPECT_EQ(none.size(), 0);
    EXPECT_EQ(ShiftListings::expensesRoll(none).lines.last(), QString(25, ' ') + money("#,##0.00", 11, "0"));
    EXPECT_EQ(reportLines(TFormDespQui(l(), S("Caixas de N. 9 a 3")).definition(), none).last(), S("TOTAL GERAL 0,00"));
}

TEST_F(ShiftListingsTest, AWaitersServiceFeeSaleBySaleAndTheCouvert)
{
    seeds::addStaff(l(), 5, S("BRUNO"));
    for (const auto& [cash, type, value, waiter, sale] : std::vector<std::tuple<int, int, const char*, QVariant, int>>{
             {1, 1, "1,5", 4, 1}, {1, 1, "2", 5, 1}, {2, 1, "3", 4, 7}, {2, 2, "4,5", QVariant(), 8}})
        l().run(S("insert into servico (data, tipo, caixa, valor, codigo, controle, terminal) values (?, ?, ?, ?, ?, ?, 1)"),
                {QDate(2026, 3, 15), type, cash, D(value), waiter, sale});
    ShiftListings listings(l());
    EXPECT_EQ(listings.waiterItems(), (QStringList{S("00004 CARLOS"), S("00005 BRUNO")}));
    auto row = [](const char* dateCash, int sale, const char* value) {
        return PadRight(S(dateCash), 19) + FormatFloatLeftPadded(S("00000"), 9, Decimal(sale)) + S(" ")
               + money("0.00", 9, value);
    };
    // The tab's service (4,00) and a second share of the same sale add up; another waiter's share stays out.
    const RowSet fees = listings.serviceFees(S("1"), S("2"), S("00004 CARLOS"));
    QStringList expected = head("RELATORIO DE TAXA SERVICO", 25);
    expected << S("Func.:00004 CARLOS") << rule(38) << S("Data       Caixa     Nota      Taxa") << rule(38)
             << row("14/03/26  1", 1, "4") << row("15/03/26  1", 1, "1,5") << row("15/03/26  2", 7, "3") << rule(38)
             << QString(27, ' ') + money("#,##0.00", 11, "8,5");
    EXPECT_EQ(ShiftListings::serviceFeesRoll(fees, S("00004 CARLOS")).lines, expected);
    // date and cash in 19, the sale in 9, a blank and the fee in 9: the frame's 38
    EXPECT_EQ(expected.at(9), S("14/03/26  1            00001      4,00"));
    withinTheFrame(expected);
    const QStringList feePage =
        reportLines(TFormcomissaoQui(l(), S("Caixa do periodo de:1 a 2"), S("00004 CARLOS")).definition(), fees);
    EXPECT_TRUE(feePage.contains(S("CIDADE SAO PAULO - SP"))) << feePage.join('\n').toStdString();
    EXPECT_EQ(linesAfter(feePage, S("Caixa do periodo de:1 a 2")),
              (QStringList{S("CAIXA DATA NOTA GARCON TAXA"), S("1 14/03/26 1 00004 CARLOS 4,00"),
                           S("1 15/03/26 1 00004 CARLOS 1,50"), S("2 15/03/26 7 00004 CARLOS 3,00"), S("Total 8,50")}));
    EXPECT_EQ(listings.serviceFees(S("1"), S("2"), S("00005 BRUNO")).size(), 1);
    EXPECT_EQ(listings.serviceFees(S("2"), S("1"), S("00004 CARLOS")).size(), 0);
    EXPECT_THROW(listings.serviceFees(S("1"), S("2"), QString()), ShiftFieldRefused);   // no waiter to choose

    // The couvert: only the rows of type 2.
    const RowSet couvert = listings.couvert(S("1"), S("2"));
    expected = head("RELATORIO DE COUVER", 25);
    expected << rule(38) << S("Data       Caixa     Nota      Couver") << rule(38) << row("14/03/26  1", 2, "6")
             << row("15/03/26  2", 8, "4,5") << rule(38) << QString(27, ' ') + money("#,##0.00", 11, "10,5");
    EXPECT_EQ(ShiftListings::couvertRoll(couvert).lines, expected);
    EXPECT_EQ(expected.at(9), S("15/03/26  2            00008      4,50"));
    withinTheFrame(expected);
    EXPECT_EQ(linesAfter(reportLines(TFormRelCouQui(l(), S("Caixa do periodo de:1 a 2")).definition(), couvert),
                    S("Caixa do periodo de:1 a 2")),
              (QStringList{S("CAIXA DATA NOTA SERVIÇO TAXA"), S("1 14/03/26 2 COUVER / SHOWS 6,00"),
                           S("2 15/03/26 8 COUVER / SHOWS 4,50"), S("Total 10,50")}));
}

TEST_F(ShiftListingsTest, OpeningFloatsAndWithdrawalsAndTopUpsInTwoColumns)
{
    seeds::addCashShiftDay(l(), 2, QDate(2026, 3, 15));
    l().run(S("update contdata set abertura = 80.5 where caixa = 2"));
    for (const auto& [cash, value, dc, history] : std::vector<std::tuple<int, const char*, QVariant, const char*>>{
             {1, "5", S("3"), "OUTRO"}, {7, "12,34", S("1"), "SEM DATA"}, {2, "1", QVariant(), "NULO"}})
        l().run(S("insert into sangria (id, caixa, valor, dc, historico, terminal) values (GEN_ID(SANGRIA,1), ?, ?, ?, ?, 2)"),
                {cash, D(value), dc, S(history)});
    ShiftListings listings(l());
    const RowSet openings = listings.openings(S("1"), S("7"));
    auto opening = [](const char* dateCash, const char* value) {
        return PadRight(S(dateCash), 19) + QString(10, ' ') + money("0.00", 9, value);
    };
    QStringList expected = head("RELATORIO ABERTURA DE CAIXA", 27);
    expected << rule(38) << S("Data       Caixa               Valor") << rule(38) << opening("14/03/26  1", "100")
             << opening("15/03/26  2", "80,5") << rule(38) << QString(27, ' ') + money("#,##0.00", 11, "180,5");
    EXPECT_EQ(ShiftListings::openingsRoll(openings).lines, expected);
    EXPECT_EQ(expected.at(8), S("14/03/26  1                     100,00"));
    withinTheFrame(expected);
    EXPECT_EQ(linesAfter(reportLines(TFormListAberQui(l(), S("Caixas de numeros 1 a 7")).definition(), openings),
                    S("Caixas de numeros 1 a 7")),
              (QStringList{S("DATA CAIXA VALOR"), S("14/03/26 1 100,00"), S("15/03/26 2 80,50"), S("180,50")}));

    // A withdrawal of a shift without its opening row has no date; any DC but "1" is a top-up.
    const RowSet withdrawals = listings.withdrawals(S("1"), S("7"));
    auto two = [](const char* dateCash, const char* out, const char* in, const char* history) {
        return QStringList{PadRight(S(dateCash), 15) + money("0.00", 11, out) + S(" ") + money("0.00", 11, in), S(history)};
    };
    expected = head("RELATORIO SANGRIA/REFORÇO", 27);
    expected << rule(38) << S("Data       Caixa     Sangria  Reforco") << rule(38)
             << two("14/03/26  1", "20", "0", "BANCO") << two("14/03/26  1", "0", "50", "TROCO")
             << two("14/03/26  1", "0", "5", "OUTRO") << two("15/03/26  2", "0", "1", "NULO")
             << two("  7", "12,34", "0", "SEM DATA") << rule(38)
             << QString(15, ' ') + money("0.00", 11, "32,34") + S(" ") + money("#,##0.00", 11, "56");
    EXPECT_EQ(ShiftListings::withdrawalsRoll(withdrawals).lines, expected);
    EXPECT_EQ(expected.at(8), S("14/03/26  1          20,00        0,00"));
    withinTheFrame(expected);
    EXPECT_EQ(linesAfter(reportLines(TFormListSangQui(l(), S("Caixas de numeros 1 a 7")).definition(), withdrawals),
                    S("Caixas de numeros 1 a 7")),
              (QStringList{S("CAIXA DATA TERMINAL HISTORICO SANGRIA REFORÇO"), S("1 14/03/26 1 BANCO 20,00"),
                           S("1 14/03/26 1 TROCO 50,00"), S("1 14/03/26 2 OUTRO 5,00"), S("2 15/03/26 2 NULO 1,00"),
                           S("7 2 SEM DATA 12,34"), S("32,34 56,00")}));
    for (const char* bad : {"", "x", "1'; delete from sangria; --"})
        EXPECT_THROW(listings.withdrawals(S(bad), S("7")), ShiftFieldRefused) << bad;
}
