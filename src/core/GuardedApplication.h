#pragma once
// The program's application object. An exception that no handler caught and
// that reaches the event loop (a number too large for a computation, a failed
// statement a window forgot to catch) ends only the handler it came from: the
// standard error box says what happened and the program goes on, the windows as
// they were. Without it such an exception would end the program.
// It also carries the program's keyboard rules for Enter, on every window: on a
// focused button it presses it (core/ButtonEnter); in a field that does nothing
// with it, it moves to the next field (core/EnterMoves).
#include <QApplication>
#include <exception>

class GuardedApplication : public QApplication {
public:
    GuardedApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

// The error box's text for an exception that reached the event loop (nullptr:
// one that is no std::exception).
QString interruptedActionText(const std::exception* error);
