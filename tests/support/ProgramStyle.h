#pragma once
// The program's look (applyProgramStyle) on the test application while the object
// lives; the style sheet it had comes back after it, whatever way the test ends.
#include "platform/Style.h"

#include <QApplication>
#include <QString>

class ProgramStyle {
public:
    ProgramStyle() : m_sheet(qApp->styleSheet()) { applyProgramStyle(*qApp); }
    ~ProgramStyle() { qApp->setStyleSheet(m_sheet); }
    ProgramStyle(const ProgramStyle&) = delete;
    ProgramStyle& operator=(const ProgramStyle&) = delete;

private:
    QString m_sheet;
};
