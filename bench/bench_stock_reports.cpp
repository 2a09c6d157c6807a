// Stock reports benchmark on the generated year of business (BenchYear.h: 20,000
// products, about 1,000,000 ledger rows): the current stock print (its stored
// columns cleared, every product with its stock from one grouped statement) and the
// stock balance of the whole year (the stock before it and the year's movement, two
// grouped statements), for every group and for one group; each to its first page in
// the preview (rows read, laid out, the first page drawn) and to the whole PDF; on a
// private copy of the year, embedded and (with SABREL22_TEST_SERVER) on the server,
// beside one raw round trip of Firebird's object interface measured in the same
// run. Medians, with the data layer's round trips: the same for one group as for
// all of them.
//
//   bench_stock_reports
#include "BenchFigures.h"
#include "BenchRawClient.h"
#include "BenchYear.h"
#include "db/UnitLogon.h"
#include "reports/PageHeader.h"
#include "reports/ReportExport.h"
#include "stock/StockBalance.h"
#include "stock/StockPosition.h"
#include "stock/StockReports.h"

#include <cstdio>
#include <functional>

namespace {

QString S(const char* s) { return QString::fromUtf8(s); }

struct Report {
    const char* name;
    std::function<RowSet(int group)> rows;         // what the window reads (and writes) before the preview
    std::function<report::Definition()> definition;
};

void measureReport(TLogon& l, const Report& r, int group, const char* which)
{
    int rows = 0, pages = 0;
    const Figure read = measure(l, 3, 1, [&] { rows = r.rows(group).size(); });
    const Figure first = measure(l, 5, 1, [&] {
        const RowSet read = r.rows(group);
        rows = read.size();
        pages = firstPageInPreview(r.definition(), read);
    });
    QByteArray pdf;
    const Figure whole = measure(l, 3, 0, [&] {
        const RowSet read = r.rows(group);
        pdf = report::document(report::Layout(r.definition(), read), report::Format::Pdf);
    });
    std::printf("  %-24s %-15s %5d linhas %3d páginas: leitura %6.1f ms; 1ª página %7.1f ms, %2.0f idas e voltas; "
                "PDF inteiro %7.1f ms, %2.0f idas e voltas (%lld KB)\n",
                r.name, which, rows, pages, read.ms, first.ms, first.trips, whole.ms, whole.trips,
                qlonglong(pdf.size() / 1024));
}

void run(const char* where, const QString& db, const benchyear::Facts& y)
{
    TLogon l;
    if (!l.connectTo(db)) {
        std::fprintf(stderr, "%s\n", qPrintable(l.lastError()));
        return;
    }
    const double raw = rawRoundTripUs(db.toUtf8());
    std::printf("%s (%lld produtos, %lld linhas de estoque, grupo %d com %lld produtos)\n", where,
                qlonglong(y.counts.products), qlonglong(y.counts.ledger), y.group,
                qlonglong(integerOf(l.scalar(S("select count(*) from produtos where classe = ?"), {y.group}))));
    const RowSet empresa = report::companyRow(l);
    const QString printed = stockreports::printedAt();

    stockposition::CurrentStock current(l);
    const Figure clearFirst = measure(l, 1, 0, [&] { current.clearStoredColumns(); });
    const Figure clearAgain = measure(l, 5, 0, [&] { current.clearStoredColumns(); });
    std::printf("  colunas de estoque zeradas: a primeira vez %7.1f ms, as seguintes %6.1f ms, %.0f ida e volta\n",
                clearFirst.ms, clearAgain.ms, clearAgain.trips);

    const Report stock{"estoque atual (venda)",
                       [&](int group) {
                           current.clearStoredColumns();
                           return current.rows(group, stockposition::Value::Price, true);
                       },
                       [&] { return stockposition::CurrentStock::report(stockposition::Value::Price, empresa, printed); }};
    stockbalance::StockBalance balance(l);
    const Report year{"balancete do ano",
                      [&](int group) { return balance.rows(group, y.firstDay, y.lastDay); },
                      [&] { return stockbalance::StockBalance::report(empresa, printed); }};
    for (const Report* r : {&stock, &year}) {
        measureReport(l, *r, 0, "todos os grupos");
        measureReport(l, *r, y.group, "um grupo");
    }
    std::printf("  uma ida e volta crua (SELECT preparado): %6.1f µs\n", raw);
}

} // namespace

int main(int argc, char* argv[])
{
    return onTheYear(argc, argv, S("stock-reports"), run);
}
