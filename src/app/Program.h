#pragma once
class QApplication;
// The program's start: one copy per station, the look, the data module, the main
// window and its message loop. Returns the exit code.
int runProgram(QApplication& app);

// Qt's own texts (standard buttons and dialogs) in Portuguese (Brazil), from the
// translations Debian ships with Qt. False when they are not installed: those
// texts then stay in English.
bool loadQtTranslations(QApplication& app);
