#pragma once
class QApplication;
// The program's start: one copy per station, the look, the data module, the main
// window and its message loop. Returns the exit code.
int runProgram(QApplication& app);
