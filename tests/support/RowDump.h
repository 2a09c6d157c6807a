#pragma once
// The rows a writer left, as text, for tests that hold a writer to exactly the rows
// it wrote before a change: each row one line "COLUMN=value|COLUMN=value" (NULL as
// "null", numbers exact, dates ISO), in the order the query gives. The column ID is
// left out: what a generator drew is no part of what the writer wrote, its order is
// (order the query by it).
#include "db/UnitLogon.h"

#include <QStringList>
#include <gtest/gtest.h>

inline QStringList rowLines(TLogon& l, const QString& select, const Params& params = {})
{
    RowSet rs = l.run(select, params);
    QStringList lines;
    while (rs.next()) {
        QStringList cells;
        for (int c = 0; c < rs.columns().size(); ++c) {
            if (rs.columns().at(c).compare(QLatin1String("ID"), Qt::CaseInsensitive) == 0)
                continue;
            const QVariant& v = rs.value(c);
            QString text = v.isNull() ? QStringLiteral("null")
                           : v.typeId() == QMetaType::QDate ? v.toDate().toString(Qt::ISODate)
                                                            : textOf(v);
            cells << rs.columns().at(c) + QLatin1Char('=') + text;
        }
        lines << cells.join(QLatin1Char('|'));
    }
    return lines;
}

// Compares the lines with the expected ones; on a difference prints the lines as
// they are, ready to be read against the expectation line by line.
inline void expectLines(const QStringList& got, const QStringList& want, const char* what)
{
    EXPECT_EQ(got.size(), want.size()) << what;
    for (int i = 0; i < std::max(got.size(), want.size()); ++i)
        EXPECT_EQ(got.value(i).toStdString(), want.value(i).toStdString()) << what << ", row " << i + 1;
    if (got != want) {
        std::string all;
        for (const QString& g : got)
            all += "    \"" + g.toStdString() + "\",\n";
        ADD_FAILURE() << what << " as written:\n" << all;
    }
}
