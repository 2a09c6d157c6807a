#pragma once
// What the report benchmarks measure with: the median time of some work
// with the data layer's round trips it took, a report laid out to its first page
// drawn in the preview window, and the run on a private copy of the generated year
// (embedded, then on the test server when there is one).
#include "BenchClock.h"
#include "BenchYear.h"
#include "db/UnitLogon.h"
#include "platform/FirebirdEnv.h"
#include "platform/StationPaths.h"
#include "reports/UnitVisaoRelatorio.h"

#include <QApplication>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>

struct Figure {
    double ms = 0;      // median of the measured runs
    double trips = 0;   // round trips of one run (mean)
};

// `runs` measured runs of `work` after `warm` unmeasured ones.
inline Figure measure(TLogon& logon, int runs, int warm, const std::function<void()>& work)
{
    std::vector<double> times;
    qint64 trips = 0;
    for (int i = 0; i < warm + runs; ++i) {
        const qint64 before = logon.roundTrips();
        const double t = monotonicMs();
        work();
        const double ms = monotonicMs() - t;
        if (i >= warm) {
            times.push_back(ms);
            trips += logon.roundTrips() - before;
        }
    }
    return {median(times), double(trips) / runs};
}

// The report laid out and its first page drawn in the preview window; its pages.
inline int firstPageInPreview(const report::Definition& def, const RowSet& rows)
{
    const report::Layout layout(def, rows);
    TFormVisaoRelatorio window(layout, QStringList{});
    window.resize(1366, 768);
    window.show();
    QApplication::processEvents();
    return window.pageCount();
}

// run(where, database, year) on a private copy of the year named `copy`, embedded,
// then on the test server named by SABREL22_TEST_SERVER (and _DIR) when set.
inline int onTheYear(int argc, char* argv[], const QString& copy,
                     const std::function<void(const char*, const QString&, const benchyear::Facts&)>& run)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    prepareFirebirdEnvironment();
    QApplication app(argc, argv);
    QTemporaryDir dir;
    station::setRoot(dir.path());
    const benchyear::Facts& y = benchyear::year();
    if (y.years > 1)
        std::printf("%d anos de movimento; os números são do último (%s a %s)\n", y.years,
                    qPrintable(y.firstDay.toString(QStringLiteral("dd/MM/yyyy"))),
                    qPrintable(y.lastDay.toString(QStringLiteral("dd/MM/yyyy"))));
    run("embutido", benchyear::copyOfYear(copy), y);
    const QString server = benchyear::copyOfYearOnServer(copy);
    if (server.isEmpty()) {
        std::printf("servidor: sem servidor (defina SABREL22_TEST_SERVER e SABREL22_TEST_SERVER_DIR)\n");
        return 0;
    }
    run("servidor local", server, y);
    benchyear::removeServerCopy(server);
    return 0;
}
