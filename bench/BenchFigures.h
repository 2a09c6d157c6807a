#pragma once
// What the report benchmarks measure with: the median time of a piece of work
// with the data layer's round trips it took, and a report laid out to its first
// page drawn in the preview window.
#include "BenchClock.h"
#include "db/UnitLogon.h"
#include "reports/UnitVisaoRelatorio.h"

#include <QApplication>
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
