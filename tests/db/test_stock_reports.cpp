// The stock and product reports on a real database, read back from their PDF:
// the ledger's grouped sums agree with the stock of each product, and each report
// lists, orders and totals what the small store of StockReportSeeds holds.
#include "RegisterSeeds.h"
#include "ReportReading.h"
#include "SeedValues.h"
#include "StockReportSeeds.h"
#include "StockSeeds.h"
#include "TestStation.h"
#include "reports/PageHeader.h"
#include "reports/ReportRenderer.h"
#include "stock/ExpiryReport.h"
#include "stock/MovementCard.h"
#include "stock/ProductLists.h"
#include "stock/StockBalance.h"
#include "stock/StockLedger.h"
#include "stock/StockListings.h"
#include "stock/StockPosition.h"
#include "stock/StockReports.h"

#include <gtest/gtest.h>

using seeds::D;

namespace {

QString S(const char* s) { return QString::fromUtf8(s); }

struct StockReportsTest : ::testing::Test {
    TestStation st;
    RowSet empresa;
    void SetUp() override
    {
        seeds::stockReportStore(st);
        empresa = report::companyRow(st.logon());
    }
    TLogon& l() { return st.logon(); }
    // The report's lines as pdftotext reads them, pages one after the other.
    static QStringList lines(const report::Definition& def, const RowSet& rows)
    {
        return pdfLines(report::pdfDocument(report::Layout(def, rows)));
    }
    // The lines after the page header (title, company block and what follows it up
    // to the column titles).
    static QStringList body(const QStringList& all)
    {
        const int titles = int(std::find_if(all.begin(), all.end(),
                                             [](const QString& l) { return l.startsWith(QLatin1String("CODIGO"))
                                                                           || l.startsWith(QLatin1String("Data ")); })
                               - all.begin());
        return all.mid(titles);
    }
    static QStringList companyLines()
    {
        return {S("EMPRESA BAR DO ZE"), S("ENDEREÇO RUA A, 10"), S("CIDADE RECIFE"), S("ESTADO PE"),
                S("CNPJ 12.345.678/0001-90")};
    }
    static QString column(const RowSet& rows, const char* name)
    {
        QStringList values;
        for (int i = 0; i < rows.size(); ++i)
            values << textOf(rows.value(i, QString::fromLatin1(name)));
        return values.join(QLatin1Char(' '));
    }
};

const QString kPrinted = QStringLiteral("10/03/26 12:00:00");

} // namespace

TEST_F(StockReportsTest, TheLedgersGroupedSumsAreTheStockOfEachCode)
{
    stock::StockLedger ledger(l());
    const QHash<QString, stock::Movement> now = ledger.movementByCode();
    EXPECT_EQ(now.size(), 10);   // eight products with rows, an unknown code and the empty code
    for (auto it = now.begin(); it != now.end(); ++it) {
        SCOPED_TRACE(it.key().toStdString());
        EXPECT_EQ(it->stock(), ledger.stockOf(it.key()));
    }
    EXPECT_EQ(now.value(S("000001")).stock(), D("4,5"));
    EXPECT_EQ(now.value(S("000001")).rows, 6);
    EXPECT_EQ(now.value(S("000006")).stock(), D("0,04"));
    EXPECT_EQ(now.value(S("000008")).stock(), Decimal());
    EXPECT_FALSE(now.contains(S("000009")));

    // Up to a day: rows after it do not count, undated ones do.
    const QHash<QString, stock::Movement> upTo = ledger.movementUpTo(QDate(2026, 3, 15));
    EXPECT_EQ(upTo.value(S("000001")).stock(), D("16"));
    EXPECT_EQ(upTo.value(S("000004")).stock(), D("2"));
    EXPECT_EQ(upTo.value(S("000005")).stock(), D("1"));

    // A period: the stock before it (every row before the first day, undated ones
    // too, however old), and the rows within it.
    const QHash<QString, stock::PeriodMovement> march = ledger.movementOver(seeds::kMarchFirst, seeds::kMarchLast);
    const stock::PeriodMovement beer = march.value(S("000001"));
    EXPECT_EQ(beer.before, D("24"));
    EXPECT_EQ(beer.within.in, D("12"));
    EXPECT_EQ(beer.within.out, D("30,5"));
    EXPECT_EQ(beer.within.rows, 4);
    EXPECT_EQ(beer.after(), D("5,5"));
    EXPECT_EQ(march.value(S("000004")).before, D("3"));
    EXPECT_EQ(march.value(S("000003")).before, D("10"));
    EXPECT_EQ(march.value(S("000003")).within.rows, 0);
    EXPECT_EQ(march.value(S("000002")).after(), D("-6"));
    EXPECT_EQ(ledger.stockBefore(S("000004"), seeds::kMarchFirst), D("3"));
    EXPECT_EQ(ledger.stockBefore(S("000001"), QDate(2026, 3, 11)), D("16"));
    EXPECT_EQ(ledger.stockBefore(S("123456789012345"), seeds::kMarchFirst), Decimal());
    // A long period (read through the table) that starts before the oldest row:
    // before it, the undated rows alone.
    const QHash<QString, stock::PeriodMovement> all = ledger.movementOver(QDate(2025, 1, 1), QDate(2026, 12, 31));
    EXPECT_EQ(all.value(S("000001")).before, Decimal());
    EXPECT_EQ(all.value(S("000001")).within.rows, 6);
    EXPECT_EQ(all.value(S("000001")).after(), D("4,5"));
    EXPECT_EQ(all.value(S("000004")).before, D("3"));
    EXPECT_EQ(all.value(S("000004")).after(), D("7"));
    EXPECT_EQ(all.value(S("000004")).within.rows, 2);   // the undated row is before it
    EXPECT_EQ(all.value(S("000004")).within.in, D("5"));
    // One group's codes only, with the same sums.
    const QHash<QString, stock::Movement> beers = ledger.movementByCode(1);
    QStringList codes = beers.keys();
    codes.sort();
    EXPECT_EQ(codes, (QStringList{S("000001"), S("000002"), S("000008")}));
    EXPECT_EQ(beers.value(S("000001")).stock(), D("4,5"));
    const QHash<QString, stock::PeriodMovement> beersInMarch = ledger.movementOver(seeds::kMarchFirst, seeds::kMarchLast, 1);
    EXPECT_EQ(beersInMarch.size(), 3);
    EXPECT_EQ(beersInMarch.value(S("000002")).before, D("-5"));
    EXPECT_EQ(beersInMarch.value(S("000001")).within.out, D("30,5"));
    EXPECT_EQ(ledger.movementUpTo(QDate(2026, 3, 15), 12).value(S("000004")).stock(), D("2"));
    // A period backwards holds no row.
    EXPECT_EQ(ledger.movementOver(seeds::kMarchLast, seeds::kMarchFirst).value(S("000001")).within.rows, 0);
}

TEST_F(StockReportsTest, ThePriceListAndTheProductListGroupEveryProduct)
{
    using namespace productlists;
    ProductLists lists(l());
    const QStringList prices = lines(ProductLists::report(Kind::Prices, empresa, kPrinted), lists.rows(Kind::Prices, 0));
    EXPECT_EQ(prices, (QStringList{S("Controle de Estoque - Tabela de Venda Página 1 de 1")} + companyLines() + QStringList{
        S("CODIGO PRODUTO Und VENDA"),
        S("CENTRO DE CUSTO : Nao Declarado"),
        S("000005 SEM GRUPO UN 2,00"),
        S("CENTRO DE CUSTO : 1 BEBIDAS"),
        S("000001 CERVEJA LATA UN 8,00"),
        S("000002 AGUA MINERAL UN 3,50"),
        S("000008 COPO DESCARTAVEL UN 1,00"),
        S("CENTRO DE CUSTO : 7 LANCHES"),
        S("000003 HAMBURGUER 180G UN 12,00"),
        S("000009 GUARDANAPO UN 0,50"),
        S("000010 X-BURGUER UN 29,90"),
        S("CENTRO DE CUSTO : 12 PORÇÕES"),
        S("000004 BATATA FRITA UN 18,90"),
        S("CENTRO DE CUSTO : 99"),
        S("000006 GRUPO FANTASMA UN 10,00"),
    })) << prices.join('\n').toStdString();

    // The product list: by name within a group, the group's code only, the date printed.
    const QStringList products = lines(ProductLists::report(Kind::Products, empresa, kPrinted), lists.rows(Kind::Products, 7));
    EXPECT_EQ(products, (QStringList{S("Controle de Estoque - Listagem Geral dos Produtos Página 1 de 1")} + companyLines()
                         + QStringList{S("DATA 10/03/26 12:00:00"), S("CODIGO PRODUTO Unidade"), S("CENTRO DE CUSTO : 7"),
                                       S("000009 GUARDANAPO UN"), S("000003 HAMBURGUER 180G UN"), S("000010 X-BURGUER UN")}))
        << products.join('\n').toStdString();

    // The group as the list offers it, typed, and a group without products.
    EXPECT_EQ(column(lists.rows(Kind::Prices, *stockreports::groupOf(S("0012 - PORÇÕES"))), "CODIGO"), S("000004"));
    EXPECT_EQ(column(lists.rows(Kind::Prices, *stockreports::groupOf(S("0001…"))), "CODIGO"), S("000001 000002 000008"));
    const RowSet none = lists.rows(Kind::Prices, 55);
    EXPECT_TRUE(none.isEmpty());
    EXPECT_EQ(body(lines(ProductLists::report(Kind::Prices, empresa, kPrinted), none)), QStringList{S("CODIGO PRODUTO Und VENDA")});
}

TEST_F(StockReportsTest, TheMinimumStockListsWhatIsBelowItsMinimumByTheLedger)
{
    using namespace stockposition;
    const QStringList all = lines(MinimumStock::report(empresa, kPrinted), MinimumStock(l()).rows(0));
    // SEM GRUPO's stored stock is null and counts as 0; AGUA's negative stock makes
    // the suggestion larger than the minimum; HAMBURGUER is at its minimum exactly;
    // GRUPO FANTASMA's stored stock is above its minimum.
    EXPECT_EQ(body(all), (QStringList{
        S("CODIGO PRODUTO Und FORNECEDOR ATUAL MINIMO CUSTO SUGESTÃO"),
        S("CENTRO DE CUSTO :"),
        S("000005 SEM GRUPO UN 1,0 5,0 0,50 4,0"),
        S("CENTRO DE CUSTO : 1 BEBIDAS"),
        S("000002 AGUA MINERAL UN -6,0 24,0 1,25 30,0"),
        S("000001 CERVEJA LATA UN 3 4,5 10,0 4,00 5,5"),
        S("000008 COPO DESCARTAVEL UN 0,0 1,0 0,10 1,0"),
    })) << all.join('\n').toStdString();
    EXPECT_EQ(all.first(), S("Controle de Estoque - Estoque Minimo Página 1 de 1"));
    EXPECT_EQ(column(MinimumStock(l()).rows(1), "SUGESTAO"), S("30 5.5 1"));
    EXPECT_TRUE(MinimumStock(l()).rows(7).isEmpty());
    // One thousandth below the minimum is below it.
    l().run(S("update PRODUTOS set MINIMO = 10.001 where CODIGO = '000003'"));
    EXPECT_EQ(column(MinimumStock(l()).rows(7), "SUGESTAO"), S("0.001"));
}

TEST_F(StockReportsTest, TheCurrentStockPrintClearsTheStoredColumnsAndTotalsTheValues)
{
    using namespace stockposition;
    CurrentStock current(l());
    l().run(S("update PRODUTOS set ESTOQUE = 7, ENTRADA = 1, SAIDA = 2 where CODIGO = '000001'"));
    current.clearStoredColumns();
    EXPECT_EQ(st.count(S("select count(*) from PRODUTOS where ESTGERAL = 0 and ESTOQUE = 0 and ENTRADA = 0 and SAIDA = 0")), 9);

    const QStringList price = lines(CurrentStock::report(Value::Price, empresa, kPrinted), current.rows(0, Value::Price, false));
    EXPECT_EQ(price.first(), S("Controle de Estoque - Estoque Página 1 de 1"));
    EXPECT_EQ(body(price), (QStringList{
        S("CODIGO PRODUTO FORNECEDOR ATUAL VENDA TOTAL"),
        S("GRUPO/FAMILIA:"),
        S("000005 SEM GRUPO 1 2,00 2,00"),
        S("TOTAL 2,00"),
        S("GRUPO/FAMILIA: 1 BEBIDAS"),
        S("000002 AGUA MINERAL -6 3,50 -21,00"),
        S("000001 CERVEJA LATA 3 4,5 8,00 36,00"),
        S("000008 COPO DESCARTAVEL 0 1,00 0,00"),
        S("TOTAL 15,00"),
        S("GRUPO/FAMILIA: 7 LANCHES"),
        S("000009 GUARDANAPO 0 0,50 0,00"),
        S("000003 HAMBURGUER 180G 10 12,00 120,00"),
        S("000010 X-BURGUER -2 29,90 -59,80"),
        S("TOTAL 60,20"),
        S("GRUPO/FAMILIA: 12 PORÇÕES"),
        S("000004 BATATA FRITA 7 18,90 132,30"),
        S("TOTAL 132,30"),
        S("GRUPO/FAMILIA: 99"),
        S("000006 GRUPO FANTASMA 0,04 10,00 0,40"),
        S("TOTAL 0,40"),
        S("TOTAL GERAL 209,90"),
    })) << price.join('\n').toStdString();

    // At cost, only what has stock: the stock exactly 0 leaves, 0,04 stays; the unit
    // value is printed to the cent (5,555 is 5,56) and the line is the stock at the
    // cost as kept, as the stock balance values it (7 × 5,555 = 38,885: 38,89; it was
    // 7 × 5,56 = 38,92, a stock valued above what it cost).
    const QStringList cost = lines(CurrentStock::report(Value::Cost, empresa, kPrinted), current.rows(0, Value::Cost, true));
    const QStringList expected{
        S("CODIGO PRODUTO FORNECEDOR ATUAL CUSTO TOTAL"),
        S("GRUPO/FAMILIA:"),
        S("000005 SEM GRUPO 1 0,50 0,50"),
        S("TOTAL 0,50"),
        S("GRUPO/FAMILIA: 1 BEBIDAS"),
        S("000002 AGUA MINERAL -6 1,25 -7,50"),
        S("000001 CERVEJA LATA 3 4,5 4,00 18,00"),
        S("TOTAL 10,50"),
        S("GRUPO/FAMILIA: 7 LANCHES"),
        S("000003 HAMBURGUER 180G 10 6,30 63,00"),
        S("000010 X-BURGUER -2 0,00 0,00"),
        S("TOTAL 63,00"),
        S("GRUPO/FAMILIA: 12 PORÇÕES"),
        S("000004 BATATA FRITA 7 5,56 38,89"),
        S("TOTAL 38,89"),
        S("GRUPO/FAMILIA: 99"),
        S("000006 GRUPO FANTASMA 0,04 5,00 0,20"),
        S("TOTAL 0,20"),
        S("TOTAL GERAL 113,09"),
    };
    EXPECT_EQ(body(cost), expected) << cost.join('\n').toStdString();
    EXPECT_EQ(column(current.rows(7, Value::Cost, true), "CODIGO"), S("000003 000010"));
}

TEST_F(StockReportsTest, TheTotalsAddTheLinesAsComputedAndThePagesAreNumbered)
{
    using namespace stockposition;
    // Three lines of 1/3 of a cent each: printed 0,00, together 0,01.
    for (int i = 1; i <= 3; ++i) {
        const QString code = QStringLiteral("00010%1").arg(i);
        seeds::addProduct(l(), code, QStringLiteral("BALA %1").arg(i), D("0,01"), Decimal());
        l().run(S("update PRODUTOS set CLASSE = 12 where CODIGO = ?"), {code});
        l().run(S("insert into ESTFIC (ID, CODIGO, DATA, ENTRADA) values (GEN_ID(ESTFIC,1), ?, ?, 0.333)"),
                {code, seeds::kMarchFirst});
    }
    // Enough products of one group for four pages.
    for (int i = 0; i < 100; ++i) {
        const QString code = QStringLiteral("2%1").arg(i, 5, 10, QLatin1Char('0'));
        seeds::addProduct(l(), code, QStringLiteral("ITEM %1").arg(i, 3, 10, QLatin1Char('0')), D("1"), D("1"));
        l().run(S("update PRODUTOS set CLASSE = 1 where CODIGO = ?"), {code});
        l().run(S("insert into ESTFIC (ID, CODIGO, DATA, ENTRADA) values (GEN_ID(ESTFIC,1), ?, ?, 1)"),
                {code, seeds::kMarchFirst});
    }
    const report::Definition def = CurrentStock::report(Value::Price, empresa, kPrinted);
    const RowSet rows = CurrentStock(l()).rows(0, Value::Price, true);
    const QByteArray pdf = report::pdfDocument(report::Layout(def, rows));
    const QStringList all = pdfLines(pdf);
    EXPECT_TRUE(all.contains(S("000101 BALA 1 0,333 0,01 0,00"))) << all.join('\n').toStdString();
    EXPECT_TRUE(all.contains(S("TOTAL 132,31")));
    EXPECT_TRUE(all.contains(S("TOTAL 115,00")));   // the beers' group: 15,00 and a hundred items at 1,00
    EXPECT_EQ(all.last(), S("TOTAL GERAL 309,91"));
    const report::Layout layout(def, rows);
    ASSERT_EQ(layout.pageCount(), 4);
    EXPECT_EQ(all.count(S("Controle de Estoque - Estoque Página 1 de 4")), 1);
    EXPECT_EQ(all.count(S("Controle de Estoque - Estoque Página 4 de 4")), 1);
}

TEST_F(StockReportsTest, TheExpiryReportListsWhatReachedItsDateWithStockOnThatDay)
{
    using namespace expiry;
    ExpiryReport expiry(l());
    const RowSet rows = expiry.rows(QDate(2026, 3, 15));
    // CERVEJA expires on the day; AGUA the next day; HAMBURGUER's 30/12/1999 and
    // GUARDANAPO's 30/12/2099 stand for no date; COPO's balance is 0 and the 0,04 of
    // GRUPO FANTASMA shows as "0,0": neither is listed; X-BURGUER's is negative.
    // April's rows do not count.
    EXPECT_EQ(column(rows, "DUPLICATA"), S("000001 000004 000005 000010"));
    EXPECT_EQ(column(rows, "ANTERIOR"), S("16 2 1 -2"));
    const QStringList page = lines(ExpiryReport::report(empresa, kPrinted), rows);
    EXPECT_EQ(page.first(), S("Controle de Estoque - Relatório produtos com validade vencida Página 1 de 1"));
    EXPECT_EQ(body(page), (QStringList{
        S("CODIGO PRODUTO FORNECEDOR Validade Estoque"),
        S("CENTRO DE CUSTO : 1-BEBIDAS"),
        S("000001 CERVEJA LATA DISTRIBUIDORA SUL 15/03/26 16,0"),
        S("CENTRO DE CUSTO : 12-PORÇÕES"),
        S("000004 BATATA FRITA 10/01/26 2,0"),
        S("CENTRO DE CUSTO :"),
        S("000005 SEM GRUPO 01/02/26 1,0"),
        S("CENTRO DE CUSTO : 7-LANCHES"),
        S("000010 X-BURGUER 01/03/26 -2,0"),
    })) << page.join('\n').toStdString();

    const Printout roll = ExpiryReport::roll(rows);
    EXPECT_EQ(roll.lines, (QStringList{
        S("Produtos com validade vencida"),
        S("============================="),
        S("BAR DO ZE"),
        S("RUA A, 10"),
        S("RECIFE Estado.:PE"),
        S("======================================"),
        S("Codigo/Produto        Validade Estoque"),
        S("======================================"),
        S("000001/CERVEJA LATA   15/03/26      16"),
        S("000004/BATATA FRITA   10/01/26       2"),
        S("000005/SEM GRUPO      01/02/26       1"),
        S("000010/X-BURGUER      01/03/26      -2"),
        S("======================================"),
    }));
    EXPECT_EQ(column(expiry.rows(QDate(2026, 3, 16)), "DUPLICATA"), S("000001 000002 000004 000005 000010"));
    // a balance is left out exactly when it shows as "0,0" with one place
    struct Step { const char* in; const char* out; bool listed; };
    const Step steps[] = {
        {"0,01", nullptr, true},    // 0,05: "0,1"
        {nullptr, "0,09", false},   // -0,04: "0,0", no minus sign
        {nullptr, "0,01", true},    // -0,05: "-0,1"
    };
    for (const Step& step : steps) {
        seeds::addLedgerRow(l(), S("000006"), QDate(2026, 3, 1), step.in ? std::optional<Decimal>(D(step.in)) : std::nullopt,
                            step.out ? std::optional<Decimal>(D(step.out)) : std::nullopt);
        const RowSet now = expiry.rows(QDate(2026, 3, 15));
        EXPECT_EQ(column(now, "DUPLICATA").contains(S("000006")), step.listed) << column(now, "ANTERIOR").toStdString();
    }
    EXPECT_TRUE(expiry.rows(QDate(2025, 1, 1)).isEmpty());
    EXPECT_TRUE(ExpiryReport::noDate(QDate()));
    EXPECT_TRUE(ExpiryReport::noDate(QDate(1899, 12, 30)));
    EXPECT_FALSE(ExpiryReport::noDate(QDate(1999, 12, 31)));
}

TEST_F(StockReportsTest, TheStockBalanceListsWhatMovedInThePeriod)
{
    using namespace stockbalance;
    StockBalance balance(l());
    const QStringList march = lines(StockBalance::report(empresa, kPrinted), balance.rows(0, seeds::kMarchFirst, seeds::kMarchLast));
    // AGUA is listed though its stock before, entries and exits add up to 0;
    // HAMBURGUER has stock and no movement; BATATA's stock before is its undated
    // row; the kit has no cost or value and adds nothing to its group; 999999 is no product.
    EXPECT_EQ(body(march), (QStringList{
        S("CODIGO PRODUTO FORNECEDOR ANTERIOR ENTRADAS SAIDAS ATUAL CUSTO TOTAL"),
        S("CENTRO DE CUSTO :"),
        S("000005 SEM GRUPO 0,000 1,000 0,000 1,000 0,50 0,50"),
        S("TOTAL 1,000 0,000 0,50"),
        S("CENTRO DE CUSTO : 1 BEBIDAS"),
        S("000002 AGUA MINERAL -5,000 2,000 3,000 -6,000 1,25 -7,50"),
        S("000001 CERVEJA LATA 3 24,000 12,000 30,500 5,500 4,00 22,00"),
        S("TOTAL 14,000 33,500 14,50"),
        S("CENTRO DE CUSTO : 7 LANCHES"),
        S("000010 X-BURGUER 0,000 0,000 2,000 -2,000"),
        S("TOTAL 0,000 0,000 0,00"),
        S("CENTRO DE CUSTO : 12 PORÇÕES"),
        S("000004 BATATA FRITA 3,000 0,000 1,000 2,000 5,56 11,11"),
        S("TOTAL 0,000 1,000 11,11"),
        S("TOTAL GERAL 26,11"),
    })) << march.join('\n').toStdString();
    EXPECT_TRUE(march.contains(S("Controle de Estoque - Balanço")));
    EXPECT_TRUE(march.contains(S("Página 1 de 1")));

    // One group; a period of April; a period without rows.
    EXPECT_EQ(column(balance.rows(1, seeds::kMarchFirst, seeds::kMarchLast), "CODIGO"), S("000002 000001"));
    const RowSet april = balance.rows(0, QDate(2026, 4, 1), QDate(2026, 4, 30));
    EXPECT_EQ(column(april, "CODIGO"), S("000001 000004"));
    EXPECT_EQ(column(april, "ANTERIOR"), S("5.5 2"));
    const QStringList empty = lines(StockBalance::report(empresa, kPrinted), balance.rows(0, QDate(2020, 1, 1), QDate(2020, 1, 31)));
    EXPECT_EQ(body(empty), (QStringList{S("CODIGO PRODUTO FORNECEDOR ANTERIOR ENTRADAS SAIDAS ATUAL CUSTO TOTAL"),
                                        S("TOTAL GERAL 0,00")}));
}

TEST_F(StockReportsTest, TheEntriesAndExitsListingsOfAPeriod)
{
    using namespace stocklistings;
    StockListings listings(l());
    const QStringList entries = lines(StockListings::entriesReport(empresa, seeds::kMarchFirst, seeds::kMarchLast, 0),
                                      listings.entries({seeds::kMarchFirst, seeds::kMarchLast, S("")}));
    EXPECT_EQ(entries.mid(0, 7), (QStringList{S("Controle de Estoque - Relatorio de Entradas Página 1 de 1")}
                                  + companyLines() + QStringList{S("PERIODO DE 01/03/26 a 31/03/26")}));
    // The manual exit (ENTRADA 0) is not an entry; a row without a unit value has no
    // value; an unknown code has no name.
    EXPECT_EQ(body(entries), (QStringList{
        S("CODIGO DATA PRODUTO NF Entrada Valor Valor"),
        S("Produto 000001"),
        S("000001 10/03/26 CERVEJA LATA 77 12,0 3,90 46,80"),
        S("46,80"),
        S("Produto 000002"),
        S("000002 03/03/26 AGUA MINERAL 2,0 3,50 7,00"),
        S("7,00"),
        S("Produto 000005"),
        S("000005 08/03/26 SEM GRUPO 1,0"),
        S("0,00"),
        S("Produto 999999"),
        S("999999 14/03/26 77 4,0 2,00 8,00"),
        S("8,00"),
        S("Total 61,80"),
    })) << entries.join('\n').toStdString();

    // One invoice, named in the header; a number that is no number: every invoice.
    const QStringList nf77 = lines(StockListings::entriesReport(empresa, seeds::kMarchFirst, seeds::kMarchLast,
                                                                StockListings::numberOf(S(" 77 "))),
                                   listings.entries({seeds::kMarchFirst, seeds::kMarchLast, S(" 77 ")}));
    EXPECT_TRUE(nf77.contains(S("PERIODO DE 01/03/26 a 31/03/26 Nota fiscal n.77"))) << nf77.join('\n').toStdString();
    EXPECT_EQ(nf77.last(), S("Total 54,80"));
    for (const char* typed : {"", "0", "abc", "7,5", "99999999999999999999"}) {
        SCOPED_TRACE(typed);
        EXPECT_EQ(StockListings::numberOf(S(typed)), 0);
        EXPECT_EQ(listings.entries({seeds::kMarchFirst, seeds::kMarchLast, S(typed)}).size(), 4);
    }

    const QStringList exits = lines(StockListings::exitsReport(empresa, seeds::kMarchFirst, seeds::kMarchLast),
                                    listings.exits({seeds::kMarchFirst, seeds::kMarchLast, S(""), S("")}));
    // The row with an empty code comes first, under an empty product; the manual
    // entry (SAIDA 0) is not an exit.
    EXPECT_EQ(body(exits), (QStringList{
        S("CODIGO DATA PRODUTO Historico Saidas"),
        S("Produto"),
        S("21/03/26 SEM CODIGO 1,0"),
        S("1,0"),
        S("Produto 000001"),
        S("000001 02/03/26 CERVEJA LATA Cli: 0 Valor: 8.00 20,0"),
        S("000001 20/03/26 CERVEJA LATA Cli: 0 Valor: 8.00 6,0"),
        S("000001 20/03/26 CERVEJA LATA Cli: 0 Valor: 8.00 4,5"),
        S("30,5"),
        S("Produto 000002"),
        S("000002 03/03/26 AGUA MINERAL QUEBRA 3,0"),
        S("3,0"),
        S("Produto 000004"),
        S("000004 05/03/26 BATATA FRITA Venda Balcao Valor: 18.90 1,0"),
        S("1,0"),
        S("Produto 000010"),
        S("000010 12/03/26 X-BURGUER X-BURGUER 2,0"),
        S("2,0"),
        S("Total 37,5"),
    })) << exits.join('\n').toStdString();
    EXPECT_EQ(column(listings.exits({seeds::kMarchFirst, seeds::kMarchLast, S("501"), S("")}), "SAIDA"),
              S("20 2"));
    EXPECT_EQ(column(listings.exits({seeds::kMarchFirst, seeds::kMarchLast, S(""), S(" 000001 ")}), "SAIDA"),
              S("20 6 4.5"));
    EXPECT_TRUE(listings.exits({seeds::kMarchFirst, seeds::kMarchLast, S(""), S("000001'; delete from estfic; --")}).isEmpty());
    EXPECT_EQ(st.count(S("select count(*) from ESTFIC")), 20);

    // A period without rows: the headers and a total of 0.
    const QStringList none = lines(StockListings::exitsReport(empresa, QDate(2020, 1, 1), QDate(2020, 1, 31)),
                                   listings.exits({QDate(2020, 1, 1), QDate(2020, 1, 31), S(""), S("")}));
    EXPECT_EQ(body(none), (QStringList{S("CODIGO DATA PRODUTO Historico Saidas"), S("Total 0,0")}));
}

TEST_F(StockReportsTest, TheMovementCardRunsFromTheStockBeforeThePeriod)
{
    using namespace movementcard;
    MovementCard cards(l());
    EXPECT_EQ(MovementCard::codeOf(S(" 1 ")), S("000001"));
    EXPECT_EQ(MovementCard::codeOf(S(" abc1 ")), S("abc1"));
    const Card card = cards.card(S("000001"), seeds::kMarchFirst, seeds::kMarchLast);
    EXPECT_EQ(card.opening, D("24"));
    const QStringList page = lines(MovementCard::report(empresa, kPrinted, S("CERVEJA LATA"), seeds::kMarchFirst,
                                                        seeds::kMarchLast, card.opening),
                                   card.rows);
    // The two rows of sale 502 on the 20th are one line; April's row is left out.
    EXPECT_EQ(page, (QStringList{S("Controle de Estoque - Ficha de Movimento Página 1 de 1")} + companyLines() + QStringList{
        S("DATA 10/03/26 12:00:00"),
        S("PRODUTO : CERVEJA LATA Periodo de 01/03/26 - 31/03/26"),
        S("Estoque anterior: 24,0"),
        S("Data Historico Entrada Saida Estoque"),
        S("02/03/26 NF:501 Cli: 0 Valor: 8.00 0,0 20,0 4,0"),
        S("10/03/26 NF: NF:77 OBS: 12,0 0,0 16,0"),
        S("20/03/26 NF:502 Cli: 0 Valor: 8.00 0,0 10,5 5,5"),
        S("12,0 30,5"),
    })) << page.join('\n').toStdString();

    // The undated row counts before any period; a period without movements.
    const Card potatoes = cards.card(S("000004"), QDate(2026, 4, 11), QDate(2026, 4, 30));
    EXPECT_EQ(potatoes.opening, D("7"));
    EXPECT_TRUE(potatoes.rows.isEmpty());
    EXPECT_TRUE(cards.card(S("123456789012345"), seeds::kMarchFirst, seeds::kMarchLast).rows.isEmpty());
}
