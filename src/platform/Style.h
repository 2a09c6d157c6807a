#pragma once
class QApplication;
// The program's one look: a light slate style, large touch targets.
void applyProgramStyle(QApplication& app);
