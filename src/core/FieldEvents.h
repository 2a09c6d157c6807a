#pragma once
// Enter, arriving in and leaving a field, as the entry windows react to them: Enter
// runs its handler (usually moving on) and is swallowed; arriving and leaving run
// theirs. Another window taking the focus for a moment (a message) is neither.
#include <QObject>
#include <functional>
#include <map>
#include <vector>

class QWidget;

class FieldEvents : public QObject {
public:
    explicit FieldEvents(QObject* parent) : QObject(parent) {}
    void onEnter(QWidget* field, std::function<void()> handler);
    void onLeave(QWidget* field, std::function<void()> handler);
    void onArrive(QWidget* field, std::function<void()> handler);
    // Enter moves the focus along the fields in order (the last one's Enter goes to `last`).
    void chain(std::initializer_list<QWidget*> fields);
    void chain(const std::vector<QWidget*>& fields);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::map<QObject*, std::function<void()>> m_enter, m_leave, m_arrive;
    bool m_running = false;
};
