#pragma once
class QApplication;
// The program's one look: a light slate style, large touch targets, the icon
// theme of the ribbons' pictures.
void applyProgramStyle(QApplication& app);
