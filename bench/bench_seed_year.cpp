// The generated year of business (BenchYear.h): makes it when the kept one is
// missing or stale (or with --again), then prints what it holds, how long making
// it took, what a private copy costs, and checks its books sale by sale on the
// busiest shift and on the whole year: every sale's value against its items,
// charges and payments, to the cent.
//
//   bench_seed_year [--again] [--anos N]
//
// --anos N makes (or checks) N years of business through the same writers, kept
// apart from the one year (BenchYear.h); the report benchmarks run on them with
// SABREL22_BENCH_ANOS=N.
#include "BenchClock.h"
#include "BenchRawClient.h"
#include "BenchYear.h"
#include "core/FormatFloat.h"
#include "db/UnitLogon.h"
#include "platform/FirebirdEnv.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <map>
#include <tuple>

namespace {

QString S(const char* s) { return QString::fromUtf8(s); }
QByteArray money(const Decimal& d) { return FormatFloat(u"#,##0.00", d).toUtf8(); }
QByteArray quantity(const Decimal& d) { return FormatFloat(u"#,##0.###", d).toUtf8(); }

// What one sale's rows say about it.
struct SaleBooks {
    int type = 0;
    Decimal value, freight;           // FATURA.VALOR, FRETE
    Decimal items;                    // its ledger rows that carry the sale number: quantity x price
    Decimal payments, change;         // RECARQ: positive rows, negative rows
    Decimal service, cover, fee, discount;   // SERVICO 1, 2, 9, 6
    Decimal couponDiscount;           // DESPLOJA "Desconto Cupom" + number
};

// The sums of one kind of sale.
struct KindTotals {
    int sales = 0;
    Decimal value, payments, change, charges, discount, freight;
};

struct Totals {
    int sales = 0, wrong = 0;
    std::map<int, KindTotals> byType;
};

// Every sale of the shifts from `first` to `last`, checked against its own rows.
Totals checkBooks(TLogon& l, int first, int last)
{
    using Key = std::tuple<qint64, qint64, qint64>;   // cash shift, sale number, station
    std::map<Key, SaleBooks> sales;
    const Params range{first, last};
    RowSet f = l.run(S("select CAIXA, NOTA, TERMINAL, TIPO, VALOR, FRETE from FATURA where CAIXA between ? and ?"), range);
    while (f.next()) {
        SaleBooks& b = sales[{f.integer(u"CAIXA"), f.integer(u"NOTA"), f.integer(u"TERMINAL")}];
        b.type = int(f.integer(u"TIPO"));
        b.value = f.decimal(u"VALOR");
        b.freight = f.decimal(u"FRETE");
    }
    RowSet r = l.run(S("select CAIXA, NFISCAL, TERMINAL, VALOR from RECARQ "
                       "where CAIXA between ? and ? and NFISCAL is not null"), range);
    while (r.next()) {
        SaleBooks& b = sales[{r.integer(u"CAIXA"), r.integer(u"NFISCAL"), r.integer(u"TERMINAL")}];
        (r.decimal(u"VALOR").isNegative() ? b.change : b.payments) += r.decimal(u"VALOR").abs();
    }
    RowSet sv = l.run(S("select CAIXA, CONTROLE, TERMINAL, TIPO, sum(VALOR) as V from SERVICO "
                        "where CAIXA between ? and ? group by CAIXA, CONTROLE, TERMINAL, TIPO"), range);
    while (sv.next()) {
        SaleBooks& b = sales[{sv.integer(u"CAIXA"), sv.integer(u"CONTROLE"), sv.integer(u"TERMINAL")}];
        const Decimal v = sv.decimal(u"V");
        switch (sv.integer(u"TIPO")) {
        case 1: b.service += v; break;
        case 2: b.cover += v; break;
        case 9: b.fee += v; break;
        case 6: b.discount += v; break;
        default: break;
        }
    }
    // The top-up of a minimum consumption is a row of quantity 0 valued at the top-up.
    RowSet e = l.run(S("select CAIXA, NFISCAL, TERMINAL, "
                       "sum(case when SAIDA = 0 then VALOR else SAIDA * VALOR end) as V from ESTFIC "
                       "where CAIXA between ? and ? and NFISCAL is not null group by CAIXA, NFISCAL, TERMINAL"),
                     range);
    while (e.next())
        sales[{e.integer(u"CAIXA"), e.integer(u"NFISCAL"), e.integer(u"TERMINAL")}].items = e.decimal(u"V");
    RowSet dc = l.run(S("select CAIXA, HISTORICO, TERMINAL, VALOR from DESPLOJA where CAIXA between ? and ? "
                        "and HISTORICO starting with 'Desconto Cupom'"), range);
    while (dc.next())
        sales[{dc.integer(u"CAIXA"), dc.text(u"HISTORICO").mid(14).toLongLong(), dc.integer(u"TERMINAL")}]
            .couponDiscount += dc.decimal(u"VALOR");

    Totals t;
    for (const auto& [key, b] : sales) {
        bool ok = false;
        const Decimal paid = b.payments - b.change;
        KindTotals& k = t.byType[b.type];
        switch (b.type) {
        case 1:   // a tab: items to the cent, charges, less the discount; paid in full
            ok = b.value == b.items.roundTo(2) + b.service + b.cover + b.fee - b.discount && paid == b.value;
            k.charges += b.service + b.cover + b.fee;
            k.discount += b.discount;
            break;
        case 2:   // a counter sale: the items; paid less the discount
            ok = b.value == b.items && paid == b.value - b.discount;
            k.discount += b.discount;
            break;
        case 3:   // a delivery invoice: the items; paid with the fee, less the coupon's discount
            ok = b.value == b.items && paid == b.value + b.freight - b.couponDiscount;
            k.freight += b.freight;
            k.discount += b.couponDiscount;
            break;
        default:  // rows that name no sale
            break;
        }
        ++t.sales;
        ++k.sales;
        k.value += b.value;
        k.payments += b.payments;
        k.change += b.change;
        if (!ok && ++t.wrong <= 5)
            std::printf("    NÃO CONFERE: caixa %lld venda %lld estação %lld tipo %d: valor %s, itens %s, pago %s\n",
                        std::get<0>(key), std::get<1>(key), std::get<2>(key), b.type, money(b.value).constData(),
                        b.items.toString().toUtf8().constData(), money(paid).constData());
    }
    return t;
}

bool report(const QString& title, const Totals& t)
{
    std::printf("  %s: %d vendas conferidas uma a uma (valor, itens, encargos, pagamentos), %d divergentes\n",
                qPrintable(title), t.sales, t.wrong);
    auto kind = [&](int type) { return t.byType.count(type) ? t.byType.at(type) : KindTotals{}; };
    const KindTotals tabs = kind(1), counter = kind(2), delivery = kind(3);
    const bool tabsOk = tabs.value == tabs.payments - tabs.change;
    std::printf("    comandas (%d): Σ FATURA.VALOR %s = Σ RECARQ %s − troco %s  [serviço, couvert e taxa %s, "
                "descontos %s]\n", tabs.sales, money(tabs.value).constData(), money(tabs.payments).constData(),
                money(tabs.change).constData(), money(tabs.charges).constData(), money(tabs.discount).constData());
    const bool counterOk = counter.value - counter.discount == counter.payments - counter.change;
    std::printf("    balcão (%d): Σ FATURA.VALOR %s − descontos %s = Σ RECARQ %s − troco %s\n", counter.sales,
                money(counter.value).constData(), money(counter.discount).constData(),
                money(counter.payments).constData(), money(counter.change).constData());
    const bool deliveryOk = delivery.value + delivery.freight - delivery.discount == delivery.payments - delivery.change;
    std::printf("    delivery (%d): Σ FATURA.VALOR %s + fretes %s − descontos %s = Σ RECARQ %s\n", delivery.sales,
                money(delivery.value).constData(), money(delivery.freight).constData(),
                money(delivery.discount).constData(), money(delivery.payments - delivery.change).constData());
    const bool ok = t.wrong == 0 && tabsOk && counterOk && deliveryOk;
    std::printf("    %s\n", ok ? "confere, ao centavo" : "NÃO CONFERE");
    return ok;
}

} // namespace

int run(QCoreApplication& app);

int main(int argc, char* argv[])
{
    prepareFirebirdEnvironment();
    QCoreApplication app(argc, argv);
    try {
        return run(app);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "erro: %s\n", e.what());
        return 1;
    }
}

int run(QCoreApplication& app)
{
    const QStringList args = app.arguments();
    const qsizetype anos = args.indexOf(S("--anos"));
    if (anos >= 0) {
        bool ok = false;
        const int n = anos + 1 < args.size() ? args.at(anos + 1).toInt(&ok) : 0;
        if (!ok || n < 1 || n > 10) {
            std::fprintf(stderr, "--anos N: de 1 a 10 anos\n");
            return 2;
        }
        benchyear::chooseYearsOfBusiness(n);
        qputenv("SABREL22_BENCH_ANOS", QByteArray::number(n));
    }
    if (args.contains(S("--again")))
        benchyear::forgetKeptYear();

    const double t0 = monotonicMs();
    const benchyear::Facts& y = benchyear::year();
    const double took = (monotonicMs() - t0) / 1000;
    if (benchyear::madeNow())
        std::printf("Ano de movimento gerado agora em %.1f s (%lld idas e voltas da camada de dados)\n", took,
                    y.makeRoundTrips);
    else
        std::printf("Ano de movimento guardado, aberto em %.3f s (gerado antes em %.1f s, %lld idas e voltas)\n", took,
                    y.makeSeconds, y.makeRoundTrips);
    std::printf("  %s (%.0f MB)\n", qPrintable(y.database), double(QFileInfo(y.database).size()) / 1e6);

    const benchyear::Counts& c = y.counts;
    std::printf("\nO que o ano tem:\n");
    std::printf("  dias %s a %s, caixas %d a %d (o último aberto), estação %d (e %d em parte do balcão)\n",
                qPrintable(y.firstDay.toString(S("dd/MM/yyyy"))), qPrintable(y.lastDay.toString(S("dd/MM/yyyy"))),
                y.firstShift, y.lastShift, y.terminal, y.otherTerminal);
    std::printf("  caixa mais movimentado: %d (%s), %d vendas\n", y.busiestShift,
                qPrintable(y.busiestDay.toString(S("dd/MM/yyyy"))), y.busiestSales);
    std::printf("  um mês: caixas %d a %d (%s a %s)\n", y.monthFirstShift, y.monthLastShift,
                qPrintable(y.monthFirstDay.toString(S("dd/MM/yyyy"))), qPrintable(y.monthLastDay.toString(S("dd/MM/yyyy"))));
    std::printf("  produto com mais linhas no estoque: %s (%lld linhas); um produto comum: %s (%lld linhas)\n",
                qPrintable(y.productWithManyRows), y.productRows, qPrintable(y.ordinaryProduct), y.ordinaryProductRows);
    std::printf("  um kit: %s; grupo %d; fornecedor %d\n", qPrintable(y.kit), y.group, y.supplier);
    std::printf("  cliente com conta: %d (%lld lançamentos); conta bancária %d (%lld lançamentos); garçom %d\n",
                y.accountCustomer, y.accountLines, y.bookAccount, y.bookAccountEntries, y.waiter);
    std::printf("  TIPOS %lld  PRODUTOS %lld (kits %lld, KITPROD %lld)  FORNECEDOR %lld  CLIENTES %lld  VENDEDOR %lld\n",
                c.groups, c.products, c.kits, c.kitRows, c.suppliers, c.customers, c.waiters);
    std::printf("  FORMAPAGA %lld  CENTROCUSTO %lld  DELICAD %lld  ENTREGA %lld  CONTDATA %lld  SANGRIA %lld\n",
                c.methods, c.costCentres, c.deliveryMen, c.areas, c.shifts, c.withdrawals);
    std::printf("  FATURA %lld (comandas %lld, balcão %lld, delivery %lld)  RECARQ %lld  SERVICO %lld\n", c.sales,
                c.tabSales, c.counterSales, c.deliverySales, c.payments, c.services);
    std::printf("  ESTFIC %lld  DESPLOJA %lld  PAGARQ %lld  CONTA %lld  DESPESA %lld  CAIXA %lld  VALES %lld  HISTORICO %lld\n",
                c.ledger, c.expenses, c.payables, c.accounts, c.bookCodes, c.bookEntries, c.vouchers, c.logins);

    const double c0 = monotonicMs();
    const QString copy = benchyear::copyOfYear(S("seed-year"));
    std::printf("\nCópia particular (copyOfYear): %.0f ms\n", monotonicMs() - c0);
    QFile::remove(copy);

    const QString onServer = benchyear::copyOfYearOnServer(S("seed-year"));
    if (!onServer.isEmpty()) {
        TLogon server;
        const bool open = server.connectTo(onServer);
        std::printf("Cópia no servidor (copyOfYearOnServer): %s, %s\n", qPrintable(onServer),
                    open ? qPrintable(QStringLiteral("%1 vendas").arg(server.scalar(S("select count(*) from FATURA")).toLongLong()))
                         : qPrintable(server.lastError()));
        server.close();
        benchyear::removeServerCopy(onServer);
    }

    TLogon logon;
    if (!logon.connectTo(y.database)) {
        std::fprintf(stderr, "%s\n", qPrintable(logon.lastError()));
        return 1;
    }
    std::printf("Uma ida e volta do cliente do Firebird, no mesmo processo: %.1f µs\n\n",
                rawRoundTripUs(y.database.toUtf8()));

    std::printf("Conferência dos livros:\n");
    double k0 = monotonicMs();
    bool ok = report(QStringLiteral("caixa %1").arg(y.busiestShift), checkBooks(logon, y.busiestShift, y.busiestShift));
    std::printf("    (%.0f ms)\n", monotonicMs() - k0);
    k0 = monotonicMs();
    ok = report(S("o ano inteiro"), checkBooks(logon, y.firstShift, y.lastShift)) && ok;
    std::printf("    (%.0f ms)\n", monotonicMs() - k0);

    RowSet stock = logon.run(S("select sum(ENTRADA) as E, sum(SAIDA) as S, count(*) as N from ESTFIC where CODIGO = ?"),
                             {y.productWithManyRows});
    stock.next();
    std::printf("  estoque de %s: entradas %s − saídas %s = %s (%lld linhas)\n", qPrintable(y.productWithManyRows),
                quantity(stock.decimal(u"E")).constData(), quantity(stock.decimal(u"S")).constData(),
                quantity(stock.decimal(u"E") - stock.decimal(u"S")).constData(), stock.integer(u"N"));
    RowSet account = logon.run(S("select sum(case when BAIXA is null then VALOR else 0 end) as D, "
                                 "sum(case when BAIXA is not null then VALOR else 0 end) as C, count(*) as N "
                                 "from RECARQ where CODIGO = ? and (BAIXA is null or DUPLICATA is null)"),
                               {y.accountCustomer});
    account.next();
    std::printf("  conta do cliente %d: débitos %s − créditos %s = saldo %s (%lld lançamentos)\n", y.accountCustomer,
                money(account.decimal(u"D")).constData(), money(account.decimal(u"C")).constData(),
                money(account.decimal(u"D") - account.decimal(u"C")).constData(), account.integer(u"N"));
    RowSet book = logon.run(S("select sum(CREDITO) as C, sum(DEBITO) as D, count(*) as N from CAIXA where CONTA = ?"),
                            {y.bookAccount});
    book.next();
    std::printf("  conta bancária %d: créditos %s − débitos %s = saldo %s (%lld lançamentos)\n", y.bookAccount,
                money(book.decimal(u"C")).constData(), money(book.decimal(u"D")).constData(),
                money(book.decimal(u"C") - book.decimal(u"D")).constData(), book.integer(u"N"));
    // The totals kept beside the ledger against its rows, product by product.
    const qint64 offTotals = integerOf(logon.scalar(S(
        "select count(*) from (select codigo, sum(e) as e, sum(s) as s, sum(n) as n from ("
        "select codigo, coalesce(entrada, 0) as e, coalesce(saida, 0) as s, 1 as n from estfic where codigo is not null "
        "union all select codigo, -entrada, -saida, -linhas from estagora "
        "union all select codigo, -entrada, -saida, -linhas from estmesnovo) "
        "group by codigo having sum(e) <> 0 or sum(s) <> 0 or sum(n) <> 0)")));
    std::printf("  totais do estoque: %s\n", offTotals == 0 ? "conferem com o movimento, produto a produto"
                                                            : qPrintable(S("%1 PRODUTOS NÃO CONFEREM").arg(offTotals)));
    const int years = y.years;
    const bool counts = c.products == 20000 && c.customers == 5000 && c.sales >= 200000 * years &&
                        c.shifts == y.firstDay.addYears(-(years - 1)).daysTo(y.lastDay) + 1 &&
                        y.accountLines == 5000 * years && y.bookAccountEntries == 100000 * years && offTotals == 0;
    std::printf("  %s\n", counts ? "as contagens pedidas conferem" : "AS CONTAGENS PEDIDAS NÃO CONFEREM");
    return ok && counts ? 0 : 1;
}
