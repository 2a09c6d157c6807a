#pragma once
// The payables register's keys: while it is open, F2 starts the station's
// calculator and F6, F7, F8 and F9 press its buttons wherever the user is in the
// program, also in a window opened from it (a search, the supervisor prompt, a
// message). A key that acts goes no further; held down, it acts once.

#include <QObject>
#include <functional>
#include <map>

class PayablesHotKeys : public QObject {
public:
    // Takes the keys of the whole program until it is destroyed.
    PayablesHotKeys(QObject* parent, std::map<int, std::function<void()>> actions);
    ~PayablesHotKeys() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::map<int, std::function<void()>> m_actions;
};

// Starts the calculator named in the station's settings (estacao.ini line 4).
// False, and nothing started, when none is set or it cannot be started.
bool startCalculator();
