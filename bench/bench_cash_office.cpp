// Cash-office benchmark on the generated year of business (BenchYear.h): the cash
// movement report of the busiest shift (about 2,000 sales; every section, every
// product line, the cancellation log), the analytic daily closing of that shift,
// and billing by period over a month of shifts, each read and composed (not
// printed), embedded and (with SABREL22_TEST_SERVER) on the server, beside one raw
// round trip of Firebird's object interface measured in the same run; and the
// sale cancellation's list of the latest sales of the year. Median of
// the runs after the statements were prepared, with the data layer's round trips
// per run; the same report of a quiet shift shows that the round trips do not
// grow with the number of sales.
//
//   bench_cash_office
#include "BenchMain.h"
#include "BenchClock.h"
#include "BenchRawClient.h"
#include "BenchYear.h"
#include "core/Globals.h"
#include "db/UnitLogon.h"
#include "cashoffice/AnalyticClosing.h"
#include "cashoffice/BillingByPeriod.h"
#include "cashoffice/CashMovementReport.h"
#include "cashoffice/SaleCancellation.h"
#include "platform/FirebirdEnv.h"
#include "platform/StationPaths.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

QString S(const char* s) { return QString::fromUtf8(s); }

struct Figure {
    double ms = 0;
    double trips = 0;
    int lines = 0;
};

// The median time and the round trips of one run of `work`, after two runs that prepare.
Figure measure(TLogon& logon, int runs, const std::function<int()>& work)
{
    work();
    work();
    std::vector<double> times;
    qint64 trips = 0;
    int lines = 0;
    for (int i = 0; i < runs; ++i) {
        const qint64 rt = logon.roundTrips();
        const double t = nowUs();
        lines = work();
        times.push_back(nowUs() - t);
        trips += logon.roundTrips() - rt;
    }
    return {median(times) / 1000.0, double(trips) / runs, lines};
}

void run(const char* where, const QString& db, const benchyear::Facts& y)
{
    TLogon logon;
    if (!connected(logon, db))
        return;
    const QString terminal = QString::number(y.terminal);
    CashMovementOptions full;
    full.complete = true;
    full.twoLines = true;
    full.cancellations = true;
    auto cashReport = [&](int shift, const CashMovementOptions& o) {
        return [&logon, shift, o, terminal] {
            CashMovementReport r(logon);
            return int(CashMovementReport::compose(r.gather(QString::number(shift), terminal, o), o).lines.size());
        };
    };
    const Figure busy = measure(logon, 15, cashReport(y.busiestShift, full));
    const Figure summary = measure(logon, 15, cashReport(y.busiestShift, {}));
    const Figure quiet = measure(logon, 15, cashReport(y.firstShift, full));
    const Figure analytic = measure(logon, 9, [&] {
        return int(AnalyticClosing(logon).compose(QString::number(y.busiestShift), terminal).lines.size());
    });
    const Figure month = measure(logon, 9, [&] {
        return int(BillingByPeriod(logon)
                       .compose(QString::number(y.monthFirstShift), QString::number(y.monthLastShift),
                                BillingByPeriod::allMethods())
                       .lines.size());
    });
    const Figure latest = measure(logon, 9, [&] { return int(SaleCancellation(logon).latest(false).size()); });
    const Figure latestByDate = measure(logon, 9, [&] { return int(SaleCancellation(logon).latest(true).size()); });
    const qint64 monthSales = integerOf(logon.scalar(S("select count(*) from fatura where caixa between ? and ?"),
                                                     {y.monthFirstShift, y.monthLastShift}));
    const qint64 monthReceipts = integerOf(logon.scalar(S("select count(*) from recarq where caixa between ? and ?"),
                                                        {y.monthFirstShift, y.monthLastShift}));
    const qint64 quietSales = integerOf(logon.scalar(S("select count(*) from fatura where caixa = ?"), {y.firstShift}));
    const double raw = rawRoundTripUs(db.toUtf8());

    std::printf("%s\n", where);
    std::printf("  movimento do caixa %d (%d vendas), completo, 2 linhas, cancelamentos: %7.1f ms (mediana de 15), "
                "%.0f idas e voltas, %d linhas\n",
                y.busiestShift, y.busiestSales, busy.ms, busy.trips, busy.lines);
    std::printf("  movimento do caixa %d, resumido:                                       %7.1f ms, %.0f idas e voltas\n",
                y.busiestShift, summary.ms, summary.trips);
    std::printf("  movimento do caixa %d (%lld vendas), completo:                          %7.1f ms, %.0f idas e voltas\n",
                y.firstShift, quietSales, quiet.ms, quiet.trips);
    std::printf("  fechamento analítico do caixa %d:                                     %7.1f ms (mediana de 9), "
                "%.0f idas e voltas, %d linhas\n",
                y.busiestShift, analytic.ms, analytic.trips, analytic.lines);
    std::printf("  faturamento por período, caixas %d a %d (%lld vendas, %lld recebimentos): %7.1f ms (mediana de 9), "
                "%.0f idas e voltas, %d linhas\n",
                y.monthFirstShift, y.monthLastShift, monthSales, monthReceipts, month.ms, month.trips, month.lines);
    std::printf("  cancelamento de vendas, as 100 últimas por número / por data:        %7.1f / %.1f ms, %.0f ida e volta\n",
                latest.ms, latestByDate.ms, latest.trips);
    std::printf("  uma ida e volta crua (SELECT preparado): %6.1f µs; idas e voltas do movimento x ida crua = %.2f ms\n",
                raw, busy.trips * raw / 1000.0);
}

} // namespace

int main(int argc, char* argv[])
{
    return benchMain(argc, argv, BenchApp::Console, [](const QString&) {
        const benchyear::Facts& y = benchyear::year();
        std::printf("Ano de movimento: %s, %lld vendas, %lld linhas de estoque\n", qPrintable(y.database),
                    y.counts.sales, y.counts.ledger);
        onYearDatabases(y.database, S("caixa"), [&](const char* where, const QString& db) { run(where, db, y); });
        return 0;
    });
}
