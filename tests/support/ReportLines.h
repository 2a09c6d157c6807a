#pragma once
// A page report's text as the tests read it: its PDF through pdftotext, line by
// line, and the lines a test looks at.
#include "ReportReading.h"
#include "reports/ReportRenderer.h"

// The lines of the report's PDF for these rows, page after page.
inline QStringList reportLines(const report::Definition& def, const RowSet& rows)
{
    return pdfLines(report::pdfDocument(report::Layout(def, rows)));
}

// The lines after the first one that is `line`.
inline QStringList linesAfter(const QStringList& lines, const QString& line)
{
    const qsizetype i = lines.indexOf(line);
    if (i < 0)
        ADD_FAILURE() << "no line " << line.toStdString() << "\n" << lines.join('\n').toStdString();
    return i < 0 ? QStringList() : lines.mid(i + 1);
}

// The lines from the first one that starts with `start`.
inline QStringList linesFrom(const QStringList& lines, const QString& start)
{
    for (qsizetype i = 0; i < lines.size(); ++i)
        if (lines[i].startsWith(start))
            return lines.mid(i);
    ADD_FAILURE() << "no line starts with " << start.toStdString() << "\n" << lines.join('\n').toStdString();
    return {};
}
