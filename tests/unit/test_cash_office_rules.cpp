// The cash office's rules without a database: a customer's account lines from
// RECARQ rows, the amount reader, the cash-number fields and the roll layout of
// the shift reports.
#include "core/WholeNumber.h"
#include "core/Globals.h"
#include "core/AmountInput.h"
#include "cashoffice/DailyExpenses.h"
#include "cashoffice/Receivables.h"
#include "cashoffice/SaleCancellation.h"
#include "reports/ShiftFields.h"
#include "cashoffice/ShiftRollLayout.h"

#include <gtest/gtest.h>

namespace {

QString S(const char* s) { return QString::fromUtf8(s); }
Decimal D(const char* s) { return *Decimal::parse(S(s)); }

QVariantList row(qint64 id, const char* dup, const char* name, QDate issued, QDate due, QDate paid, const char* value,
                 QVariant sale = QVariant())
{
    return {id, dup ? QVariant(S(dup)) : QVariant(), S(name), issued.isValid() ? QVariant(issued) : QVariant(),
            due.isValid() ? QVariant(due) : QVariant(), paid.isValid() ? QVariant(paid) : QVariant(),
            QVariant::fromValue(D(value)), sale};
}

} // namespace

TEST(AccountLines, KindsOfRowByTheirDatesOrderedByDateWithTheRunningBalance)
{
    const QDate d1(2026, 3, 1), d2(2026, 3, 5), d3(2026, 3, 9), none;
    const RowSet rows(S("ID DUPLICATA NOME EMISSAO VENCIMENTO BAIXA VALOR NFISCAL").split(' '),
                      {
                          row(1, "01-000007", "JOAO", d1, d1, d1, "50"),               // paid at the register: no line
                          row(2, "05-000007", "JOAO", d1, d1.addDays(30), none, "30,5", 7),  // open receivable
                          row(3, nullptr, "ACERTO", d3, none, none, "100"),            // manual debit, later date
                          row(4, nullptr, "JOAO", d2, none, d2, "20,25"),              // payment on account
                          row(5, nullptr, "SEM DATAS", none, none, none, "999"),        // no valid date: no line
                          row(6, nullptr, " joao ", none, none, d2, "0,25"),            // a payment with no issue date
                      });
    const std::vector<AccountLine> lines = receivables::accountLines(rows, S("JOAO "));
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].entry, 2);
    EXPECT_EQ(lines[0].history, receivables::debitHistory);
    EXPECT_EQ(lines[0].due, d1.addDays(30));
    EXPECT_EQ(lines[0].saleNumber, S("7"));
    EXPECT_EQ(lines[0].balance, D("30,5"));
    EXPECT_EQ(lines[1].entry, 4);
    EXPECT_EQ(lines[1].history, receivables::creditHistory);
    EXPECT_EQ(lines[1].balance, D("10,25"));
    EXPECT_EQ(lines[2].entry, 6) << "same date: the rows' order";
    EXPECT_EQ(lines[2].history, S("joao")) << "names are compared as typed, trimmed";
    EXPECT_EQ(lines[2].balance, D("10"));
    EXPECT_EQ(lines[3].entry, 3);
    EXPECT_EQ(lines[3].history, S("ACERTO"));
    EXPECT_EQ(lines[3].debit, D("100"));
    EXPECT_EQ(lines[3].balance, D("110"));
}

TEST(CashOfficeFields, AmountsCashNumbersAndSaleNumbers)
{
    struct Amount { const char* text; std::optional<Decimal> value; };
    const Amount amounts[] = {
        {"12,50", D("12,5")}, {" 7 ", D("7")}, {"3.25", D("3,25")}, {"-4", D("-4")}, {"0", D("0")},
        {"", std::nullopt}, {"abc", std::nullopt}, {"1,234", std::nullopt}, {"1.234,50", std::nullopt},
        {"1e20", std::nullopt}, {"1000000000", std::nullopt}, {"999999999,99", D("999999999,99")}, {"999999999999,99", std::nullopt}, {"1e2", D("100")}, {"12,5'", std::nullopt},
    };
    for (const Amount& a : amounts)
        EXPECT_EQ(finance::readAmount(S(a.text)), a.value) << a.text;

    // cash numbers and stations are INTEGER columns, read by the one whole-number reader
    struct Whole { const char* text; std::optional<int> value; };
    const Whole wholes[] = {
        {"12", 12}, {" 007 ", 7}, {"0", 0}, {"", std::nullopt}, {"-1", std::nullopt}, {"+1", std::nullopt},
        {"1.5", std::nullopt}, {"2147483648", std::nullopt}, {"123456789", 123456789}, {"1;2", std::nullopt},
        {"0x10", std::nullopt},
    };
    for (const Whole& w : wholes)
        EXPECT_EQ(readInt(S(w.text)), w.value) << w.text;

    struct Sale { const char* text; qint64 value; };
    const Sale sales[] = {{"123", 123}, {"12,5", 13}, {"12,4", 12}, {"abc", 0}, {"1e20", 0}, {"", 0}, {"-2", -2}};
    for (const Sale& s : sales)
        EXPECT_EQ(SaleCancellation::saleNumberOf(S(s.text)), s.value) << s.text;

    EXPECT_EQ(DailyExpenses::costCentreCode(S("007  COZINHA")), 7);
    EXPECT_EQ(DailyExpenses::costCentreCode(S("1200  MANUTENCAO")), 1200);
    EXPECT_EQ(DailyExpenses::costCentreCode(S("")), std::nullopt);
    EXPECT_EQ(DailyExpenses::costCentreCode(S("COZINHA")), std::nullopt);
    EXPECT_EQ(DailyExpenses::historyOf(S("  gelo ")), S("GELO"));
    EXPECT_EQ(DailyExpenses::historyOf(S("   ")), S("*"));
    EXPECT_EQ(DailyExpenses::voucherValue(S("15,5")), S("       15,50"));
    EXPECT_EQ(DailyExpenses::voucherValue(S("abc")), S("        0,00"));
}

TEST(ShiftRollLayout, TitleRuleCompanyFramedColumnsRowsAndTotal)
{
    ctx::Company& c = ctx::company();
    c.CompanyName = S("BAR DO ZE");
    c.CompanyAddress = S("RUA A");
    c.CompanyCity = S("SANTOS");
    c.CompanyState = S("SP");
    EXPECT_EQ(shiftroll::header(S("TITULO"), 6, S("  term:01")),
              (QStringList{S("TITULO"), S("======"), S("BAR DO ZE"), S("RUA A"), S("SANTOS Estado.:SP  term:01")}));
    const QString frame(38, QLatin1Char('='));
    EXPECT_EQ(shiftroll::compose(S("SANGRIAS"), 8, S("Caixa  Valor"), {S("1  10,00"), S("2  5,00")}, S("Total 15,00"))
                  .lines,
              (QStringList{S("SANGRIAS"), S("========"), S("BAR DO ZE"), S("RUA A"), S("SANTOS Estado.:SP"), frame,
                           S("Caixa  Valor"), frame, S("1  10,00"), S("2  5,00"), frame, S("Total 15,00")}));
}
