// The stock-side sales reports on a shift sold through the real closings (tab,
// counter, delivery): the result report, the movement by customer and by supplier,
// the customer outflow by date, the best-selling products and the kits sold; their
// figures, and their pages read back from the PDF.
#include "CashOfficeSeeds.h"
#include "RegisterSeeds.h"
#include "ReportLines.h"
#include "SoldShiftTest.h"
#include "TestStation.h"
#include "salesreports/CustomerMovement.h"
#include "salesreports/CustomerOutflow.h"
#include "reports/ReportFields.h"
#include "salesreports/ResultReport.h"
#include "salesreports/SalesRanking.h"
#include "salesreports/SupplierMovement.h"
#include "salesreports/UnitApuQui.h"
#include "salesreports/UnitBalCliQui.h"
#include "salesreports/UnitBalFor.h"
#include "salesreports/UnitFicCliQui.h"
#include "salesreports/UnitKitVendQui.h"
#include "salesreports/UnitSaiQuiABC.h"

#include <gtest/gtest.h>

using seeds::D;

namespace {

QString S(const char* s) { return QString::fromUtf8(s); }

// A ledger row as a writer would leave it; columns left null are the ones it does not name.
const QDate kDay(2026, 3, 14);
struct Ledger {
    QVariant codigo = {};
    QDate data = kDay;
    QString historico = {};
    QVariant entrada = {}, saida = {}, valor = {}, nfiscal = {}, vendedor = {}, cliente = {}, caixa = {}, vend = {},
             custo = {};
};
void ledger(TLogon& l, const Ledger& r)
{
    l.run(S("insert into estfic (id, codigo, data, historico, entrada, saida, valor, nfiscal, vendedor, cliente, "
            "caixa, vend, custo) values (GEN_ID(ESTFIC,1), ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
          {r.codigo, r.data, r.historico, r.entrada, r.saida, r.valor, r.nfiscal, r.vendedor, r.cliente, r.caixa,
           r.vend, r.custo});
}
QVariant n(const char* d) { return QVariant::fromValue(D(d)); }


// The lines from the first that starts with `from` to the end.

class SalesReports : public SoldShiftTest {};

} // namespace

TEST_F(SalesReports, ResultReportGroupsByGroupAsTextWithResultsFromThePrintedFigures)
{
    // Group 10 sorts between 1 and 2; rows with VEND, without a sale number, with sale
    // number 0 or with a blank code never count; a code no product has is named by its
    // first row's history, at that row's cost.
    l().run(S("update produtos set classe = 10 where codigo = '000012'"));
    ledger(l(), {S("000001"), kDay, S("VEND"), {}, n("5"), n("10"), 1, 4, 1, 1, 7});
    ledger(l(), {S("000001"), kDay, S("ZERO"), {}, n("5"), n("10"), 0, 4, 1, 1});
    ledger(l(), {S("   "), kDay, S("BRANCO"), {}, n("5"), n("10"), 1, 4, 1, 1});
    ledger(l(), {S("999"), kDay, S("PRODUTO APAGADO DO CADASTRO"), {}, n("1,5"), n("3,333"), 9, 4, 1, 1, {}, n("1,11")});
    ResultReport report(l());
    EXPECT_EQ(report.waiterItems(), (QStringList{S("00000 TODOS"), S("00004 CARLOS")}));
    const auto lines = report.lines(S("1"), S("1"), 0);
    QStringList seen;
    for (const ResultLine& r : lines)
        seen << r.group + S("|") + r.code + S("|") + r.name + S("|") + r.quantity.toString() + S("|")
                    + r.unitCost.toString() + S("|") + r.sale.toString();
    EXPECT_EQ(seen, (QStringList{S("|/000012/000034|PIZZA CALABRESA/MUSSARELA|2|0|59"),
                                 S("|999|PRODUTO APAGADO DO CADAST|1.5|1.11|4.9995"), S("1|000001|CERVEJA|7|4|70"),
                                 S("10|000012|CALABRESA|1|12|30"), S("2|000002|PASTEL|3|2|15"), S("2|K1|COMBO|1|0|20")}));

    const QStringList page = reportLines(TFormApuQui(l(), S("00000 TODOS"), S("Caixas de numeros 1 a 1")).definition(),
                                       ResultReport::rows(lines));
    EXPECT_EQ(page.first(), S("Controle de Estoque - Apuração de Resultado ") + QDate::currentDate().toString(S("dd/MM/yyyy")));
    EXPECT_TRUE(page.contains(S("00000 TODOS Caixas de numeros 1 a 1"))) << page.join('\n').toStdString();
    // 1,5 x 3,333 = 4,9995 prints 5,00 and 1,5 x 1,11 = 1,665 prints 1,67: the result is 3,33.
    EXPECT_EQ(linesFrom(page, S("Data CODIGO")),
              (QStringList{S("Data CODIGO PRODUTO Quant Vendas Custo Venda Apurado"), S("CENTRO DE CUSTO :"),
                           S("/000012/000034 PIZZA CALABRESA/MUSSARELA 2,0 0,00 59,00 59,00"),
                           S("999 PRODUTO APAGADO DO CADAST 1,5 1,67 5,00 3,33"), S("3,5 1,67 64,00 62,33"),
                           S("CENTRO DE CUSTO : 1"), S("000001 CERVEJA 7,0 28,00 70,00 42,00"), S("7,0 28,00 70,00 42,00"),
                           S("CENTRO DE CUSTO : 10"), S("000012 CALABRESA 1,0 12,00 30,00 18,00"),
                           S("1,0 12,00 30,00 18,00"), S("CENTRO DE CUSTO : 2"), S("000002 PASTEL 3,0 6,00 15,00 9,00"),
                           S("K1 COMBO 1,0 0,00 20,00 20,00"), S("4,0 6,00 35,00 29,00"), S("15,5 47,67 199,00 151,33")}));

    // One waiter: the counter and delivery rows (waiter 0) leave.
    QStringList waiter;
    for (const ResultLine& r : report.lines(S("1"), S("1"), ResultReport::waiterOf(S("00004 CARLOS"))))
        waiter << r.code + S(" ") + r.quantity.toString() + S(" ") + r.sale.toString();
    EXPECT_EQ(waiter, (QStringList{S("/000012/000034 1 30"), S("999 1.5 4.9995"), S("000001 5 50"), S("000002 2 10"),
                                   S("K1 1 20")}));
    // A range without sales, or given backwards: the headers and totals of 0,00.
    for (const auto& [first, last] : {std::pair{"2", "9"}, std::pair{"9", "1"}}) {
        const auto none = report.lines(S(first), S(last), 0);
        EXPECT_TRUE(none.empty());
        EXPECT_EQ(reportLines(TFormApuQui(l(), S("00000 TODOS"), QString()).definition(), ResultReport::rows(none)).last(),
                  S("0,0 0,00 0,00 0,00"));
    }
    EXPECT_THROW(report.lines(S("Label"), S("1"), 0), ShiftFieldRefused);
}

TEST_F(SalesReports, CustomerMovementAnalyticOrSyntheticOnlyRowsWithASaleNumber)
{
    CustomerMovement movement(l());
    MovementFilter analytic;
    analytic.analytic = true;
    auto text = [](const std::vector<MovementLine>& lines) {
        QStringList out;
        for (const MovementLine& m : lines)
            out << QString::number(m.cash) + S("|") + m.key + S("|") + m.name + S("|") + m.quantity.toString() + S("|")
                       + m.unitValue.toString() + S("|") + m.amount.toString();
        return out;
    };
    // The kit's components and the pizza's flavours carry no sale number: only the sold items show.
    EXPECT_EQ(text(movement.lines(S("35"), 1, 1, analytic)),
              (QStringList{S("1|K1|COMBO|1|20|20"), S("1|/000012/000034||1|30|30"), S("1|000001|CERVEJA|2|10|20")}));
    // More of the customer's rows: CERVEJA again at another price in shift 2, rows on his
    // account ("*C"), and a row without a code, keyed by its history.
    ledger(l(), {S("000001"), QDate(2026, 3, 15), S("*C conta cliente"), {}, n("1"), n("12,5"), 40, 4, 35, 2});
    ledger(l(), {QVariant(), QDate(2026, 3, 15), S("*C PORÇÃO DA CASA"), {}, n("2"), n("7,25"), 41, 4, 35, 2});
    ledger(l(), {S("000002"), QDate(2026, 3, 16), S("Cli: 35   Valor: 5"), {}, n("1"), n("5"), 42, 4, 35, 3});
    ledger(l(), {S("000001"), QDate(2026, 3, 16), S("outro cliente"), {}, n("1"), n("10"), 43, 4, 36, 3});
    EXPECT_EQ(text(movement.lines(S("35"), 1, 3, {})),
              (QStringList{S("1|K1|COMBO|1|20|20"), S("1|/000012/000034||1|30|30"), S("2|000001|CERVEJA|3|10.833333|32.5"),
                           S("2|*C PORÇÃO DA CASA|*C PORÇÃO DA CASA|2|7.25|14.5"), S("3|000002|PASTEL|1|5|5")}));
    MovementFilter account;
    account.accountOnly = true;
    EXPECT_EQ(text(movement.lines(S("35"), 1, 3, account)),
              (QStringList{S("2|000001|CERVEJA|1|12.5|12.5"), S("2|*C PORÇÃO DA CASA|*C PORÇÃO DA CASA|2|7.25|14.5")}));
    MovementFilter product;
    product.product = S("000001");
    EXPECT_EQ(text(movement.lines(S("35"), 1, 3, product)), QStringList{S("2|000001|CERVEJA|3|10.833333|32.5")});
    // The defaults: shift 0 only; an unknown customer: nothing; a code that is no number: refused.
    EXPECT_TRUE(movement.lines(S("35"), 0, 0, {}).empty());
    EXPECT_TRUE(movement.lines(S("77"), 1, 3, {}).empty());
    EXPECT_THROW(movement.lines(S("35 or 1=1"), 1, 3, {}), ShiftFieldRefused);

    const QStringList page = reportLines(TFormFicCliQui(l(), S("35 - JOAO DA SILVA")).definition(),
                                       CustomerMovement::rows(movement.lines(S("35"), 1, 3, {})));
    EXPECT_TRUE(page.contains(S("PRODUTO 35 - JOAO DA SILVA"))) << page.join('\n').toStdString();
    EXPECT_EQ(linesFrom(page, S("Caixa Data")),
              (QStringList{S("Caixa Data Produto Valor Saida Saldo"), S("1 COMBO 20,00 1,0 20,00"), S("1 30,00 1,0 30,00"),
                           S("2 CERVEJA 10,83 3,0 32,50"), S("2 *C PORÇÃO DA CASA 7,25 2,0 14,50"),
                           S("3 PASTEL 5,00 1,0 5,00"), S("Total 102,00")}));
}

TEST_F(SalesReports, SupplierMovementValuesTheEntriesAtTheProductsCost)
{
    seeds::addSupplier(l(), 3, S("DISTRIBUIDORA"));
    seeds::addSupplier(l(), 4, S("OUTRO"));
    l().run(S("update produtos set fornecedor = 3 where codigo in ('000001', '000002', '000034')"));
    ledger(l(), {S("000001"), QDate(2026, 3, 10), S("NF:55 OBS:"), n("24"), {}, n("4"), 55});
    ledger(l(), {S("000001"), QDate(2026, 2, 28), S("NF:54 OBS:"), n("100"), {}, n("4"), 54});
    seeds::addProduct(l(), S("000077"), S("SO EM FEVEREIRO"), D("3"), D("1"));
    l().run(S("update produtos set fornecedor = 3 where codigo = '000077'"));
    ledger(l(), {S("000077"), QDate(2026, 2, 1), S("fora do periodo"), n("3")});
    SupplierMovement report(l());
    EXPECT_EQ(report.supplierItems(), (QStringList{S("00003 - DISTRIBUIDORA"), S("00004 - OUTRO")}));
    const RowSet rows = report.rows(S("00003 - DISTRIBUIDORA"), S("01/03/26"), S("31/03/26"));
    const QStringList page =
        reportLines(TFormBalFor(l(), S("00003 - DISTRIBUIDORA"), SupplierMovement::period(S("01/03/26"), S("31/03/26")))
                      .definition(),
                  rows);
    EXPECT_TRUE(page.contains(S("FORNECEDOR 00003 - DISTRIBUIDORA PERIODO 01/03/26 A 31/03/26")))
        << page.join('\n').toStdString();
    // 000077 moved only before the period; the entries of February do not count; exits are not valued.
    EXPECT_EQ(linesFrom(page, S("CODIGO FORN")),
              (QStringList{S("CODIGO FORN PRODUTO SAIDAS ENTRADAS CUSTO TOTAL"), S("FORNECEDOR"),
                           S("000001 00003 CERVEJA 8,0 24,0 4,00 96,00"), S("000002 00003 PASTEL 3,5 0,0 2,00 0,00"),
                           S("000034 00003 MUSSARELA 1,0 0,0 10,00 0,00"), S("TOTAL 96,00"), S("TOTAL GERAL 96,00")}));
    EXPECT_EQ(report.rows(S("00004 - OUTRO"), S("01/03/26"), S("31/03/26")).size(), 0);
    EXPECT_THROW(report.rows(QString(), S("01/03/26"), S("31/03/26")), ShiftFieldRefused);
    EXPECT_THROW(report.rows(S("00003"), S("99/99/99"), S("31/03/26")), ShiftFieldRefused);
}

TEST_F(SalesReports, CustomerOutflowDayByDayAtEachValuation)
{
    ledger(l(), {S("000002"), QDate(2026, 3, 20), S("UM HISTÓRICO QUE PASSA DE TRINTA LETRAS"), {}, n("4"), n("5"), 60,
                 4, 35, 2});
    ledger(l(), {S("000002"), QDate(2026, 2, 20), S("fora"), {}, n("4"), n("5"), 61, 4, 35, 2});
    l().run(S("update produtos set medio = 3.5, unidade = 'UN', locacao = 'A1' where codigo = '000002'"));
    CustomerOutflow report(l());
    const QStringList customers = report.customerItems();
    EXPECT_EQ(customers, (QStringList{S("000001  -  CLIENTE CONSUMIDOR"), S("000035  -  JOAO DA SILVA")}));
    using V = CustomerOutflow::Valuation;
    auto lines = [&](V v) {
        return linesFrom(reportLines(TFormBalCliQui(l(), customers[1], CustomerOutflow::period(S("01/03/26"), S("31/03/26")),
                                             CustomerOutflow::title(v))
                                  .definition(),
                              report.rows(customers[1], S("01/03/26"), S("31/03/26"), v)),
                    S("DATA CODIGO"));
    };
    const QStringList cost = lines(V::Cost);
    EXPECT_EQ(cost.mid(0, 6), (QStringList{S("DATA CODIGO UND PRODUTO"), S("LOCAÇÂO HISTORICO SAIDAS CUSTO TOTAL"),
                                           S("Data : 14/03/2026"), S("14/03/26 000001 UN CERVEJA"),
                                           S("Cli: 35 Valor: 20 1,0 4,00 4,00"), S("14/03/26 000002 UN PASTEL")}));
    EXPECT_EQ(cost.mid(cost.size() - 6),
              (QStringList{S("TOTAL 6,5 24,00"), S("Data : 20/03/2026"), S("20/03/26 000002 UN PASTEL"),
                           S("A1 UM HISTÓRICO QUE PASSA DE TRIN 4,0 2,00 8,00"), S("TOTAL 4,0 8,00"),
                           S("TOTAL GERAL 32,00")}));
    EXPECT_EQ(lines(V::Sale).mid(1, 1), QStringList{S("LOCAÇÂO HISTORICO SAIDAS VALOR TOTAL")});
    EXPECT_EQ(lines(V::Sale).last(), S("TOTAL GERAL 101,50"));
    EXPECT_EQ(lines(V::Average).last(), S("TOTAL GERAL 15,75"));
    EXPECT_THROW(report.rows(QString(), S("01/03/26"), S("31/03/26"), V::Cost), ShiftFieldRefused);
    EXPECT_THROW(report.rows(customers[1], S("01/03/26"), S("  /  /  "), V::Cost), ShiftFieldRefused);
}

TEST_F(SalesReports, BestSellingProductsLargestQuantityFirstForEveryWaiterOrOne)
{
    ledger(l(), {S("000034"), QDate(2026, 3, 14), S("entrada"), n("50"), n("0"), n("9")});
    ledger(l(), {S("000002"), QDate(2026, 3, 14), S("devolução"), {}, n("-1"), n("5"), 70, 4});
    ledger(l(), {S("000099"), QDate(2026, 3, 13), S("sem cadastro"), {}, n("2"), n("3"), 71, 4});
    SalesRanking ranking(l());
    EXPECT_EQ(ranking.waiterItems(), (QStringList{S("00000  Todos"), S("00004 CARLOS")}));
    const auto all = ranking.products(S("13/03/26"), S("14/03/26"), S("00000  Todos"));
    const QStringList page =
        reportLines(TFormSaiQuiABC(l(), SalesRanking::productPeriod(S("13/03/26"), S("14/03/26"), S("00000  Todos")))
                      .definition(),
                  SalesRanking::rows(all));
    EXPECT_TRUE(page.contains(S("PERIODO DE 13/03/26 a 14/03/26 Garcon :00000 Todos"))) << page.join('\n').toStdString();
    EXPECT_EQ(linesFrom(page, S("CODIGO DATA")),
              (QStringList{S("CODIGO DATA PRODUTO Saidas Valor/medio Total"), S("000001 14/03/26 CERVEJA 8,0 11,25 90,00"),
                           S("000002 14/03/26 PASTEL 2,5 8,00 20,00"), S("/000012/000034 14/03/26 2,0 29,50 59,00"),
                           S("000012 14/03/26 CALABRESA 2,0 29,75 59,50"), S("000099 13/03/26 2,0 3,00 6,00"),
                           S("000034 14/03/26 MUSSARELA 1,0 29,50 29,50"), S("K1 14/03/26 COMBO 1,0 20,00 20,00"),
                           S("284,00")}));
    QStringList waiter;
    for (const RankingLine& r : ranking.products(S("14/03/26"), S("14/03/26"), S("00004 CARLOS")))
        waiter << r.code + S(" ") + r.quantity.toString() + S(" ") + r.total.toString();
    EXPECT_EQ(waiter, (QStringList{S("000001 6 70"), S("000002 1.5 15"), S("/000012/000034 1 30"), S("K1 1 20"),
                                   S("000012 0.5 15"), S("000034 0.5 15")}));
    EXPECT_TRUE(ranking.products(S("01/01/26"), S("31/01/26"), S("00000")).empty());
    EXPECT_THROW(ranking.products(S("14/03/26"), S("14/03/26"), S("CARLOS")), ShiftFieldRefused);
    EXPECT_THROW(ranking.products(S("99/99/99"), S("14/03/26"), S("00000")), ShiftFieldRefused);
}

TEST_F(SalesReports, KitsSoldCountTheKitRowsOfTheClosingsAndTheRowsWithoutACode)
{
    ledger(l(), {QVariant(), QDate(2026, 3, 14), S("COMBO DELIVERY"), {}, n("2"), n("15"), 80, 0, 1, 1});
    ledger(l(), {S(""), QDate(2026, 3, 13), S("COMBO DELIVERY"), {}, n("1"), n("15"), 81, 0, 1, 1});
    ledger(l(), {S("  "), QDate(2026, 3, 14), S("MEIO COMBO"), {}, n("0,5"), n("9,99"), 82, 0, 1, 1});
    const auto kits = SalesRanking(l()).kits(S("01/03/26"), S("31/03/26"));
    const QStringList page =
        reportLines(TFormKitVendQui(l(), SalesRanking::kitPeriod(S("01/03/26"), S("31/03/26"))).definition(),
                  SalesRanking::rows(kits));
    EXPECT_EQ(page.first().left(34), S("Controle de Estoque - Kits Vendido"));
    EXPECT_TRUE(page.contains(S("PERIODO DE 01/03/26 a 31/03/26")));
    // The ordinary products and the kit's components never show.
    EXPECT_EQ(linesFrom(page, S("CODIGO DATA")),
              (QStringList{S("CODIGO DATA PRODUTO Saidas Valor/medio Total"), S("13/03/26 COMBO DELIVERY 3,0 15,00 45,00"),
                           S("K1 14/03/26 COMBO 1,0 20,00 20,00"), S("14/03/26 MEIO COMBO 0,5 9,99 5,00"),
                           S("70,00")}));
    EXPECT_TRUE(SalesRanking(l()).kits(S("01/04/26"), S("30/04/26")).empty());
}
