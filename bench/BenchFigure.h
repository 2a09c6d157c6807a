#pragma once
// A benchmark's figure: the median time of a few runs and the SQL round trips of one.
#include "BenchClock.h"
#include "db/UnitLogon.h"

#include <vector>

struct Figure {
    double ms = 0;
    double trips = 0;
};

template <class F>
Figure measure(TLogon& logon, int runs, F&& work)
{
    std::vector<double> times;
    const qint64 trips0 = logon.roundTrips();
    for (int i = 0; i < runs; ++i) {
        const double t = monotonicMs();
        work();
        times.push_back(monotonicMs() - t);
    }
    return Figure{median(times), double(logon.roundTrips() - trips0) / runs};
}
