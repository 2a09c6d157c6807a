// Sales and account reports on the generated year of business (BenchYear.h): the
// best-selling products over the whole year, the result report over a month of
// shifts and the statement of the customer with 5,000 account lines. Each is read
// with grouped statements and laid out, and its first page drawn in the preview,
// embedded and (with SABREL22_TEST_SERVER) on the server, beside one raw round trip
// of Firebird's object interface measured in the same run. The same reports over a
// week, a single shift and a customer with few lines show that the round trips do
// not grow with the number of rows. Median of the runs after two that prepare.
//
//   QT_QPA_PLATFORM=offscreen bench_sales_reports
#include "BenchMain.h"
#include "BenchClock.h"
#include "BenchRawClient.h"
#include "BenchYear.h"
#include "core/Globals.h"
#include "db/UnitLogon.h"
#include "salesreports/CustomerReports.h"
#include "salesreports/ResultReport.h"
#include "salesreports/SalesRanking.h"
#include "salesreports/UnitApuQui.h"
#include "salesreports/UnitRelREmiQui.h"
#include "salesreports/UnitSaiQuiABC.h"
#include "platform/FirebirdEnv.h"
#include "platform/StationPaths.h"
#include "reports/UnitVisaoRelatorio.h"

#include <QApplication>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

QString S(const char* s) { return QString::fromUtf8(s); }
QString day(const QDate& d) { return d.toString(S("dd/MM/yy")); }

struct Figure {
    double readMs = 0, firstPageMs = 0;
    double trips = 0;
    int rows = 0, pages = 0;
};

// A report as the window makes it: its rows read (the round trips counted) and
// its definition, then its first page in the preview.
struct Made {
    RowSet rows;
    report::Definition def;
};

Figure measure(TLogon& logon, int runs, const std::function<Made()>& make)
{
    make();
    make();
    std::vector<double> reads, pages;
    qint64 trips = 0;
    Figure f;
    for (int i = 0; i < runs; ++i) {
        const qint64 rt = logon.roundTrips();
        const double t0 = nowUs();
        const Made m = make();
        const double t1 = nowUs();
        trips += logon.roundTrips() - rt;
        const report::Layout layout(m.def, m.rows);
        TFormVisaoRelatorio window(layout, QStringList{});
        window.resize(1366, 768);
        window.show();
        QApplication::processEvents();
        const double t2 = nowUs();
        reads.push_back((t1 - t0) / 1000);
        pages.push_back((t2 - t0) / 1000);
        f.rows = m.rows.size();
        f.pages = window.pageCount();
    }
    f.readMs = median(reads);
    f.firstPageMs = median(pages);
    f.trips = double(trips) / runs;
    return f;
}

void print(const char* what, const Figure& f)
{
    std::printf("  %-62s %7.1f ms lidos, %7.1f ms até a 1ª página, %3.0f idas e voltas, %6d linhas, %4d páginas\n", what,
                f.readMs, f.firstPageMs, f.trips, f.rows, f.pages);
}

void run(const char* where, const QString& db, const benchyear::Facts& y)
{
    TLogon logon;
    if (!logon.connectTo(db)) {
        std::fprintf(stderr, "%s\n", qPrintable(logon.lastError()));
        return;
    }
    auto ranking = [&](const QDate& first, const QDate& last) {
        return [&logon, first, last] {
            const auto lines = SalesRanking(logon).products(day(first), day(last), S("00000  Todos"));
            return Made{SalesRanking::rows(lines),
                        TFormSaiQuiABC(logon, SalesRanking::productPeriod(day(first), day(last), S("00000  Todos")))
                            .definition()};
        };
    };
    auto result = [&](int first, int last) {
        return [&logon, first, last] {
            const auto lines = ResultReport(logon).lines(QString::number(first), QString::number(last), 0);
            return Made{ResultReport::rows(lines), TFormApuQui(logon, S("00000 TODOS"), QString()).definition()};
        };
    };
    auto statement = [&](int customer) {
        return [&logon, customer] {
            CustomerReports reports(logon);
            const auto c = reports.customer(QString::number(customer));
            return Made{c ? reports.statement(*c) : RowSet(),
                        TFormRelREmiQui(QString::number(customer), S("EMPRESA DO ANO")).definition()};
        };
    };
    const Figure year = measure(logon, 5, ranking(y.firstDay, y.lastDay));
    const Figure week = measure(logon, 9, ranking(y.monthFirstDay, y.monthFirstDay.addDays(6)));
    const Figure month = measure(logon, 5, result(y.monthFirstShift, y.monthLastShift));
    const Figure oneShift = measure(logon, 9, result(y.busiestShift, y.busiestShift));
    const Figure account = measure(logon, 9, statement(y.accountCustomer));
    // A customer with a handful of lines: the first one with any that is not the big one.
    const qint64 small = integerOf(logon.scalar(
        S("select first 1 codigo from recarq where vencimento is null and codigo <> ? and codigo <> 1 order by codigo"),
        {y.accountCustomer}));
    const Figure fewLines = measure(logon, 9, statement(int(small)));
    const qint64 yearRows = integerOf(logon.scalar(S("select count(*) from estfic where data between ? and ?"),
                                                   {y.firstDay, y.lastDay}));
    const qint64 monthRows = integerOf(logon.scalar(S("select count(*) from estfic where caixa between ? and ?"),
                                                    {y.monthFirstShift, y.monthLastShift}));
    const double raw = rawRoundTripUs(db.toUtf8());

    std::printf("%s\n", where);
    print(qPrintable(S("produtos mais vendidos, o ano (%1 linhas do estoque)").arg(yearRows)), year);
    print("produtos mais vendidos, uma semana", week);
    print(qPrintable(S("apuração de resultado, caixas %1 a %2 (%3 linhas)").arg(y.monthFirstShift).arg(y.monthLastShift)
                         .arg(monthRows)),
          month);
    print(qPrintable(S("apuração de resultado, caixa %1").arg(y.busiestShift)), oneShift);
    print(qPrintable(S("conta corrente do cliente %1 (%2 lançamentos)").arg(y.accountCustomer).arg(y.accountLines)),
          account);
    print(qPrintable(S("conta corrente do cliente %1").arg(small)), fewLines);
    std::printf("  uma ida e volta crua (SELECT preparado): %6.1f µs\n", raw);
}

} // namespace

int main(int argc, char* argv[])
{
    return benchMain(argc, argv, BenchApp::Windows, [](const QString&) {
        const benchyear::Facts& y = benchyear::year();
        std::printf("Ano de movimento: %s, %lld vendas, %lld linhas de estoque, %lld recebimentos\n",
                    qPrintable(y.database), y.counts.sales, y.counts.ledger, y.counts.payments);
        onYearDatabases(y.database, S("relatorios"), [&](const char* where, const QString& db) { run(where, db, y); });
        return 0;
    });
}
