#pragma once
// The layout every roll report of a cash shift shares: a title line, a line of
// "=", the company's name, its address, its city with " Estado.:" and the state
// (and what the report adds to that line), then the report's own lines. Reports
// of a range of shifts go on with 38 "=", their column line, 38 "=", the rows,
// 38 "=" and the total line. Composed at the font size of fonte.INI line 0.
#include "platform/Printout.h"

#include <QString>
#include <QStringList>

namespace shiftroll {

// The title, a rule of `titleRule` "=" and the three company lines.
QStringList header(const QString& title, int titleRule, const QString& cityLineTail = QString());

// A range report whole: header (and the lines the report adds under it), then the
// framed column line, rows and total.
Printout compose(const QString& title, int titleRule, const QString& columns, const QStringList& rows,
                 const QString& totalLine, const QStringList& underHeader = {});

inline constexpr int kFrameRule = 38;

} // namespace shiftroll
