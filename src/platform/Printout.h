#pragma once
// A composed text printout: the lines of the hidden text box every printing
// window composes in, and its font.
#include <QStringList>

struct Printout {
    QStringList lines;
    int fontSize = 7;                                  // points
    QString fontFamily = QStringLiteral("Lucida Console");
};
