// The rules of the sales and account reports that need no database: the choice
// lists of groups and waiters, the fields as the reports take them, the centred
// lines of the waiter report, and the result worked out from the printed figures.
#include "salesreports/Anniversaries.h"
#include "salesreports/CustomerMovement.h"
#include "salesreports/CustomerOutflow.h"
#include "reports/ReportFields.h"
#include "salesreports/ResultReport.h"
#include "salesreports/WaiterSales.h"
#include "registers/ReportChoices.h"

#include <gtest/gtest.h>

namespace {
QString S(const char* s) { return QString::fromUtf8(s); }
Decimal D(const char* s) { return *Decimal::parse(S(s)); }
} // namespace

TEST(ReportChoices, ItemsOfEachStyleAndTheCodeTheyStandFor)
{
    const std::vector<choices::Coded> groups{{7, S("BEBIDAS")}, {12, S("PORÇÕES")}, {123456, S("LONGO")}};
    EXPECT_EQ(choices::items(groups, choices::stockGroups),
              (QStringList{S("0000 - Todos"), S("0007 - BEBIDAS"), S("0012 - PORÇÕES"), S("123456 - LONGO")}));
    EXPECT_EQ(choices::items(groups, choices::waiterGroups),
              (QStringList{S("000000-Todos"), S("000007-BEBIDAS"), S("000012-PORÇÕES"), S("123456-LONGO")}));
    EXPECT_EQ(choices::items({{4, S("CARLOS")}}, {5, S(" "), QString()}), QStringList{S("00004 CARLOS")});
    EXPECT_EQ(choices::items({}, choices::stockGroups), QStringList{S("0000 - Todos")});
    EXPECT_TRUE(choices::items({}, {3, S(" "), QString()}).isEmpty());

    struct Case { const char* item; int digits; std::optional<int> code; };
    const Case cases[] = {
        {"0000 - Todos", 4, 0},        {"0007 - BEBIDAS", 4, 7},   {"0007…", 4, 7},
        {"000000-Todos", 6, 0},        {"000012-PIZZAS", 6, 12},   {"00004 CARLOS", 5, 4},
        {"004 CARLOS", 3, 4},          {"  7", 4, 7},              {"7 - X", 4, std::nullopt},
        {"", 4, std::nullopt},         {"Todos", 4, std::nullopt}, {"-001", 4, std::nullopt},
        {"0x1F", 4, std::nullopt},     {"1e20", 4, std::nullopt},  {"'; --", 4, std::nullopt},
        {"00005 ANA", 6, std::nullopt}, {"😀", 4, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item);
        EXPECT_EQ(choices::codeOf(S(c.item), c.digits), c.code);
    }
}

TEST(ReportFields, ShiftRangesAndDatesAsTypedOrRefusedWithTheirMessage)
{
    const auto r = reportfields::shiftRange(S(" 12 "), S("9"));
    EXPECT_EQ(r.first, 12);
    EXPECT_EQ(r.last, 9);   // backwards: a range without shifts
    for (const char* bad : {"", "abc", "-1", "1e20", "1'; delete from fatura; --", "2147483648", "0x10", "😀"}) {
        SCOPED_TRACE(bad);
        try {
            reportfields::shiftRange(S("1"), S(bad));
            ADD_FAILURE() << "accepted";
        } catch (const ShiftFieldRefused& e) {
            EXPECT_EQ(e.message(), S("  Numero do Caixa Invalido  "));
        }
    }
    EXPECT_EQ(reportfields::date(S("14/03/26")), QDate(2026, 3, 14));
    EXPECT_EQ(reportfields::date(S("01/01/2001")), QDate(2001, 1, 1));
    for (const char* bad : {"99/99/99", "  /  /  ", "", "31/02/26", "ontem"}) {
        SCOPED_TRACE(bad);
        try {
            reportfields::date(S(bad));
            ADD_FAILURE() << "accepted";
        } catch (const ShiftFieldRefused& e) {
            EXPECT_TRUE(e.message().startsWith(S("Erro em uma das datas"))) << e.message().toStdString();
        }
    }
    EXPECT_EQ(reportfields::firstOfMonth(QDate(2026, 3, 14)), QDate(2026, 3, 1));
    EXPECT_EQ(reportfields::dateText(QDate(2026, 3, 14)), S("14/03/26"));
    EXPECT_EQ(reportfields::dateText(QDate()), QString());
}

TEST(ReportFields, EachWindowsOwnReadingOfItsFields)
{
    // Customer movement: both cash numbers become "0" when either is no whole number.
    EXPECT_EQ(CustomerMovement::shiftTexts(S(" 3"), S("5 ")), std::make_pair(S("3"), S("5")));
    EXPECT_EQ(CustomerMovement::shiftTexts(S("3"), S("x")), std::make_pair(S("0"), S("0")));
    EXPECT_EQ(CustomerMovement::shiftTexts(S(""), S("5")), std::make_pair(S("0"), S("0")));
    // Customer outflow: the code before the list item's dash.
    EXPECT_EQ(CustomerOutflow::customerOf(S("000123  -  JOAO")), 123);
    EXPECT_EQ(CustomerOutflow::customerOf(S("")), std::nullopt);
    EXPECT_EQ(CustomerOutflow::customerOf(S("JOAO - 12")), std::nullopt);
    // Result report: the waiter of the list's first five characters, every waiter otherwise.
    EXPECT_EQ(ResultReport::waiterOf(S("00000 TODOS")), 0);
    EXPECT_EQ(ResultReport::waiterOf(S("00003 ANA")), 3);
    EXPECT_EQ(ResultReport::waiterOf(S("ANA")), 0);
    // Sales per waiter: cash numbers and the product code as written back.
    struct Case { const char* typed; const char* shift; const char* product; };
    const Case cases[] = {{"12", "12", "000012"}, {" 0 ", "0", "000000"}, {"", "0", "000000"},
                          {"abc", "0", "abc"},     {"-3", "0", "-3"},     {"K1", "0", "K1"},
                          {"7891234567890", "0", "7891234567890"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        EXPECT_EQ(WaiterSales::shiftText(S(c.typed)), S(c.shift));
        EXPECT_EQ(WaiterSales::productText(S(c.typed)), S(c.product));
    }
}

TEST(WaiterProductsText, CentredLinesTakeHalfTheirLengthFrom18Blanks)
{
    struct Case { const char* text; int blanks; };
    const Case cases[] = {{"ABCD", 16}, {"ABC", 16}, {"  BAR DO ZE  ", 13}, {"", 18},
                          {"Venda de Produto (Garcom/Categoria)", 0},
                          {"UM NOME DE EMPRESA COM MAIS DE TRINTA E SEIS LETRAS", 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const QString line = WaiterSales::centred(S(c.text));
        EXPECT_EQ(line, QString(c.blanks, QLatin1Char(' ')) + S(c.text).trimmed());
    }
}

TEST(ResultReportRows, TheResultIsTheDifferenceOfTheFiguresAsPrinted)
{
    // 3 x 1,005 cost 3,015 is 3,02 (half away from zero); the sale 10,004 is 10,00:
    // the rows hold the figures as printed, which the group totals add.
    const std::vector<ResultLine> lines{{S("000001"), S("CERVEJA"), S("1"), D("3"), D("1,005"), D("10,004")},
                                        {S("000002"), S("UM NOME COM MAIS DE VINTE E CINCO"), S(""), D("0,5"), D("0"),
                                         D("2,5")}};
    const RowSet rows = ResultReport::rows(lines);
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(decimalOf(rows.value(0, u"CUSTO")), D("3,02"));
    EXPECT_EQ(decimalOf(rows.value(0, u"VENDA")), D("10"));
    EXPECT_EQ(decimalOf(rows.value(0, u"APURADO")), D("6,98"));
    EXPECT_EQ(decimalOf(rows.value(1, u"APURADO")), D("2,5"));
    EXPECT_EQ(textOf(rows.value(1, u"CLASSE")), QString());
    EXPECT_TRUE(rows.value(0, u"DATA").isNull());
}

TEST(AnniversaryRules, TheDayOfTheYearAnd29February)
{
    EXPECT_EQ(Anniversaries::dayInYear(QDate(1980, 3, 7), 2025), QDate(2025, 3, 7));
    EXPECT_EQ(Anniversaries::dayInYear(QDate(1980, 2, 29), 2025), QDate(2025, 2, 28));
    EXPECT_EQ(Anniversaries::dayInYear(QDate(1980, 2, 29), 2024), QDate(2024, 2, 29));
    EXPECT_EQ(Anniversaries::dayInYear(QDate(1999, 12, 31), 2024), QDate(2024, 12, 31));
    EXPECT_FALSE(Anniversaries::dayInYear(QDate(), 2024).isValid());
    EXPECT_EQ(Anniversaries::dayText(QDate(1980, 3, 7)), S("Dia:07 Mes: 03"));
    EXPECT_EQ(Anniversaries::dayText(QDate(1980, 12, 25)), S("Dia:25 Mes: 12"));
}
