#pragma once
// A composed text printout: the lines of the hidden text box every printing
// window composes in, and its font.
#include <QStringList>

struct Printout {
    QStringList lines;
    int fontSize = 7;                                  // points
    QString fontFamily = QStringLiteral("Lucida Console");
};

// The paper fed at the end of a roll printout: `count` lines of a dot.
inline void feedPaper(QStringList& lines, int count)
{
    for (int i = 0; i < count; ++i)
        lines << QStringLiteral(".");
}
