#pragma once
// The system asking the program to end: SIGTERM (a shutdown, a logout, kill),
// SIGINT (Ctrl+C in a terminal) and SIGHUP (the terminal gone). The signal handler
// does nothing but wake the event loop (a byte through a pipe read by a
// QSocketNotifier); the program then ends on its GUI thread as its own exit does.
//
// The embedded database engine puts handlers of its own on SIGINT and SIGTERM when
// it first attaches (they start the engine's shutdown and leave the program
// running); install() again after the first attachment puts these back.
#include <QObject>
#include <functional>

class QSocketNotifier;

class QuitSignals : public QObject {
public:
    // The handlers installed; `requested` runs on the GUI thread, once per signal,
    // with the signal's number.
    explicit QuitSignals(std::function<void(int)> requested, QObject* parent = nullptr);
    ~QuitSignals() override;

    // Puts this program's handlers on the three signals (again).
    void install();

    // True once a signal arrived (also before the event loop read it).
    static bool arrived();

private:
    void read();

    std::function<void(int)> m_requested;
    QSocketNotifier* m_notifier = nullptr;
};
