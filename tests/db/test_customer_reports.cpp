// The customer-account reports on a shift sold through the real closings and the
// customer-account window: the debt list, the customer statement in 80 and 40
// columns, and a customer's sales with their products and the amounts per payment
// method; their pages read back from the PDF.
#include "CashOfficeSeeds.h"
#include "RegisterSeeds.h"
#include "ReportLines.h"
#include "SoldShiftTest.h"
#include "TestStation.h"
#include "salesreports/Anniversaries.h"
#include "salesreports/CustomerReports.h"
#include "reports/ReportFields.h"
#include "salesreports/UnitDebQui.h"
#include "salesreports/UnitRelRBaiQui.h"
#include "salesreports/UnitRelREmiQui.h"
#include "salesreports/UnitRelREmiQui40.h"

#include <gtest/gtest.h>

using seeds::D;

namespace {

QString S(const char* s) { return QString::fromUtf8(s); }



// A RECARQ row as a writer leaves it (null dates: the columns it does not fill).
void receipt(TLogon& l, int customer, const QVariant& duplicata, const QDate& issued, const QDate& due,
             const QDate& paid, const char* value, const QVariant& sale = QVariant(), const char* name = "")
{
    auto date = [](const QDate& d) { return d.isValid() ? QVariant(d) : QVariant(); };
    l.run(S("insert into recarq (id, codigo, duplicata, emissao, vencimento, baixa, valor, nfiscal, nome) "
            "values (GEN_ID(RECARQ,1), ?, ?, ?, ?, ?, ?, ?, ?)"),
          {customer, duplicata, date(issued), date(due), date(paid), D(value), sale, S(name)});
}

class CustomerReportsTest : public SoldShiftTest {};

const QDate kDay(2026, 3, 14);

} // namespace

TEST_F(CustomerReportsTest, DebtListEveryCodeWithABalanceButZero)
{
    // 35 owes 30,50 on account and paid 30,00; 36 has no customer row; 37 only paid;
    // 38 is even; code 0 never shows; settled register payments count for nothing.
    receipt(l(), 36, QVariant(), kDay, QDate(), QDate(), "100");
    receipt(l(), 36, S("05-000077"), kDay, kDay.addDays(30), QDate(), "0,25", 77);
    receipt(l(), 37, QVariant(), kDay, QDate(), kDay, "20");
    receipt(l(), 38, QVariant(), kDay, QDate(), QDate(), "15");
    receipt(l(), 38, QVariant(), kDay, QDate(), kDay, "15");
    receipt(l(), 0, QVariant(), kDay, QDate(), QDate(), "99");
    seeds::addCustomer(l(), 37, S("MARIA CREDITO"));
    const RowSet rows = CustomerReports(l()).debts();
    const QStringList page = reportLines(TFormRelRBaiQui(S("BAR DO ZE")).definition(), rows);
    EXPECT_EQ(page.at(1), S("EMPRESA BAR DO ZE"));
    EXPECT_EQ(linesAfter(page, S("CODIGO CLIENTE SALDO DEVEDOR")),
              (QStringList{S("35 JOAO DA SILVA 0,50"), S("36 100,25"), S("37 MARIA CREDITO -20,00"),
                           S("TOTAL GERAL 80,75")}));
    l().run(S("delete from recarq"));
    EXPECT_EQ(reportLines(TFormRelRBaiQui(S("BAR DO ZE")).definition(), CustomerReports(l()).debts()).last(),
              S("TOTAL GERAL 0,00"));
}

TEST_F(CustomerReportsTest, StatementInEightyAndFortyColumnsWithTheRunningBalance)
{
    receipt(l(), 35, QVariant(), QDate(2026, 3, 10), QDate(), QDate(), "100", QVariant(), "UMA DIVIDA ANTIGA MUITO LONGA");
    CustomerReports reports(l());
    const auto joao = reports.customer(S("35"));
    ASSERT_TRUE(joao);
    const RowSet lines = reports.statement(*joao);
    ASSERT_EQ(lines.size(), 3);
    const QStringList wide = reportLines(TFormRelREmiQui(S("35 - JOAO DA SILVA"), S("BAR DO ZE")).definition(), lines);
    EXPECT_TRUE(wide.contains(S("CLIENTE 35 - JOAO DA SILVA"))) << wide.join('\n').toStdString();
    EXPECT_EQ(linesAfter(wide, S("Data Historico Vencimento Débito Crédito Saldo Devedor")),
              (QStringList{S("10/03/26 UMA DIVIDA ANTIGA MUITO L 100,00 0,00 100,00"),
                           S("14/03/26 Debito na CC / Titulo 13/04/26 30,50 0,00 130,50"),
                           S("14/03/26 Pagamento do Titulo 0,00 30,00 100,50")}));
    const QStringList narrow = reportLines(TFormRelREmiQui40(S("35 - JOAO DA SILVA"), S("BAR DO ZE")).definition(), lines);
    EXPECT_EQ(narrow.first().left(26), S("Relatório de C/C - Cliente"));
    EXPECT_EQ(linesAfter(narrow, S("Vencimento Débito Crédito S Devedor")),
              (QStringList{S("10/03/26 UMA DIVIDA ANTIGA MUITO L"), S("100,00 0,00 100,00"),
                           S("14/03/26 Debito na CC / Titulo"), S("13/04/26 30,50 0,00 130,50"),
                           S("14/03/26 Pagamento do Titulo"), S("0,00 30,00 100,50")}));
    // A customer with only settled payments: no lines; no customer: none either.
    EXPECT_EQ(reports.statement(*reports.customer(S("1"))).size(), 0);
    EXPECT_FALSE(reports.customer(S("99")));
    EXPECT_FALSE(reports.customer(S("35'; --")));
}

TEST_F(CustomerReportsTest, CustomerSalesListEachSaleOnceWithTheAmountsReceivedPerMethod)
{
    // The tab of customer 35 was paid 40,00 by card and 30,50 on account: its products
    // show once. Two more sales numbered 99 and 100 (in text order "100" first), one
    // with a 13-digit product code; an account payment has no sale and is skipped.
    seeds::addProduct(l(), S("7891234567890"), S("AGUA MINERAL"), D("3"));
    for (const auto& [sale, code, quantity, price] : std::vector<std::tuple<int, const char*, const char*, const char*>>{
             {99, "7891234567890", "2", "3"}, {100, "000002", "1", "5"}})
        l().run(S("insert into estfic (id, codigo, data, historico, saida, valor, nfiscal, cliente, caixa) "
                  "values (GEN_ID(ESTFIC,1), ?, '2026-03-20', 'Cli: 35', ?, ?, ?, 35, 2)"),
                {S(code), D(quantity), D(price), sale});
    receipt(l(), 35, S("01-000099"), QDate(2026, 3, 20), QDate(2026, 3, 20), QDate(2026, 3, 20), "6", 99, "JOAO DA SILVA");
    receipt(l(), 35, S("01-000100"), QDate(2026, 3, 20), QDate(2026, 3, 20), QDate(2026, 3, 20), "5", 100, "JOAO DA SILVA");
    receipt(l(), 35, S("01-000100"), QDate(2026, 3, 20), QDate(2026, 3, 20), QDate(2026, 3, 20), "-1", 100, "troco");
    CustomerReports reports(l());
    EXPECT_EQ(reports.methodItems(), (QStringList{S("00 Todos "), S("01 Dinheiro"), S("02 Cartao"), S("05 Fiado")}));
    const CustomerSalesReport r = reports.sales(S("35"), S("01/03/26"), S("31/03/26"), S("00 Todos "));
    EXPECT_EQ(r.methodSummary, S("Dinheiro      10,00  Cartao        40,00  Fiado         30,50  "));
    const QStringList page =
        reportLines(TFormDebQui(CustomerReports::period(S("01/03/26"), S("31/03/26")), S("BAR DO ZE"),
                              S("Cliente: JOAO DA SILVA"), r.methodSummary)
                      .definition(),
                  r.rows);
    EXPECT_TRUE(page.contains(S("PERIODO 01/03/26 a 31/03/26"))) << page.join('\n').toStdString();
    EXPECT_EQ(linesAfter(page, S("DATA CODIGO PRODUTO VALOR QUANT TOTAL")),
              (QStringList{S("Cupom :100 Emissao:20/03/26 Cliente:JOAO DA SILVA"), S("20/03/26 000002 PASTEL 5,00 1,000 5,00"),
                           S("TOTAL NOTA 5,00"), S("Cupom :2 Emissao:14/03/26 Cliente:JOAO DA SILVA"),
                           S("14/03/26 K1 COMBO 20,00 1,000 20,00"), S("14/03/26 /000012/000034 30,00 1,000 30,00"),
                           S("14/03/26 000001 CERVEJA 10,00 2,000 20,00"), S("TOTAL NOTA 70,00"),
                           S("Cupom :99 Emissao:20/03/26 Cliente:JOAO DA SILVA"),
                           S("20/03/26 7891234567890 AGUA MINERAL 3,00 2,000 6,00"), S("TOTAL NOTA 6,00"),
                           S("Dinheiro 10,00 Cartao 40,00 Fiado 30,50"), S("TOTAL GERAL 81,00")}));
    // The payment methods' scratch column is left alone.
    EXPECT_EQ(st.count(S("select count(*) from formapaga where valor is not null")), 0);

    // One method: only the sales it paid, and only its amount.
    const CustomerSalesReport fiado = reports.sales(S("35"), S("01/03/26"), S("31/03/26"), S("05 Fiado"));
    EXPECT_EQ(fiado.methodSummary, S("Fiado         30,50  "));
    EXPECT_EQ(fiado.rows.size(), 3);
    // A period without rows; a code that is no number is customer 0; a bad date is refused.
    const CustomerSalesReport none = reports.sales(S("35"), S("01/01/26"), S("31/01/26"), S("00 Todos "));
    EXPECT_EQ(none.rows.size(), 0);
    EXPECT_TRUE(none.methodSummary.isEmpty());
    EXPECT_EQ(reportLines(TFormDebQui(QString(), QString(), QString(), QString()).definition(), none.rows).last(),
              S("TOTAL GERAL 0,00"));
    EXPECT_EQ(reports.sales(S("JOAO"), S("01/03/26"), S("31/03/26"), S("00")).rows.size(), 0);
    EXPECT_THROW(reports.sales(S("35"), S("01/03/26"), S("32/03/26"), S("00")), ShiftFieldRefused);
}

TEST(Anniversaries, TheDaysOfTheRangeIn29FebruaryAndWeddings)
{
    TestStation st;
    TLogon& db = st.logon();
    db.run(S("delete from CLIENTES"));
    auto customer = [&](int code, const QString& name, QVariant birth, QVariant wedding) {
        db.run(S("insert into CLIENTES (ID, CODIGO, NOME, FONE, NASC, CASAMENTO) values (?, ?, ?, '(11) 99999-0000', ?, ?)"),
               {code, code, name, birth, wedding});
    };
    customer(1, S("BISSEXTO"), QDate(1980, 2, 29), QVariant());
    customer(2, S("MARÇO"), QDate(1975, 3, 1), QDate(2000, 2, 28));
    customer(3, S("DEZEMBRO"), QDate(1990, 12, 20), QDate(2010, 1, 5));
    customer(4, S("SEM DATAS"), QVariant(), QVariant());

    auto codes = [](const RowSet& rows) {
        QStringList c;
        for (int r = 0; r < rows.size(); ++r)
            c << textOf(rows.value(r, u"Codigo")) + S(" ") + textOf(rows.value(r, u"Historico"));
        return c;
    };
    const auto birthdays = Anniversaries::Kind::Birthday, weddings = Anniversaries::Kind::Wedding;
    // 2025 has no 29 February: the birthday falls on the 28th.
    EXPECT_EQ(codes(Anniversaries::list(db, birthdays, QDate(2025, 2, 28), QDate(2025, 2, 28), 2025)),
              QStringList{S("1 Dia:29 Mes: 02")});
    EXPECT_EQ(codes(Anniversaries::list(db, birthdays, QDate(2024, 2, 29), QDate(2024, 3, 1), 2024)),
              (QStringList{S("1 Dia:29 Mes: 02"), S("2 Dia:01 Mes: 03")}));
    // Across the year's end only the days of this year count.
    EXPECT_EQ(codes(Anniversaries::list(db, birthdays, QDate(2024, 12, 20), QDate(2025, 1, 10), 2024)),
              QStringList{S("3 Dia:20 Mes: 12")});
    EXPECT_EQ(codes(Anniversaries::list(db, weddings, QDate(2024, 1, 1), QDate(2024, 12, 31), 2024)),
              (QStringList{S("3 Dia:05 Mes: 01"), S("2 Dia:28 Mes: 02")}));
    EXPECT_TRUE(Anniversaries::list(db, weddings, QDate(2024, 6, 1), QDate(2024, 5, 1), 2024).isEmpty());
}
