#pragma once
// Lookups of many codes in few round trips: "... IN (?, ?, ...)" with a fixed
// number of places (one statement text, prepared once), the last code repeated
// to fill a batch.
#include "db/UnitLogon.h"
#include <QStringList>
#include <algorithm>

namespace sqlbatch {

constexpr int kSize = 16;

inline QString inPlaces()
{
    QStringList q;
    for (int i = 0; i < kSize; ++i)
        q << QStringLiteral("?");
    return QStringLiteral("(") + q.join(QLatin1Char(',')) + QLatin1Char(')');
}

// Calls each(params) once per batch of codes; params hold kSize codes.
template <class F>
void forEachBatch(const QStringList& codes, F&& each)
{
    for (int at = 0; at < codes.size(); at += kSize) {
        Params p;
        for (int i = 0; i < kSize; ++i)
            p.append(codes.value(std::min(at + i, int(codes.size()) - 1)));
        each(p);
    }
}

} // namespace sqlbatch
