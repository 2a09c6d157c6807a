#include "core/OnScreen.h"

#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace {

// Watches the window's platform window for its first exposure, then runs the
// action once, from the event loop (never inside the expose event), and goes.
class ExposeWatcher : public QObject {
public:
    ExposeWatcher(QWidget* window, std::function<void()> action)
        : QObject(window), m_window(window), m_action(std::move(action))
    {
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed())
            runSoon();
        return false;
    }

    void runSoon()
    {
        if (m_scheduled)
            return;
        m_scheduled = true;
        QTimer::singleShot(0, this, [this] {
            const std::function<void()> action = std::move(m_action);
            deleteLater();
            if (m_window)
                action();
        });
    }

private:
    QPointer<QWidget> m_window;
    std::function<void()> m_action;
    bool m_scheduled = false;
};

} // namespace

void whenOnScreen(QWidget* window, std::function<void()> action)
{
    QWidget* top = window->window();
    auto* watcher = new ExposeWatcher(top, std::move(action));
    QWindow* handle = top->windowHandle();
    if (!handle || handle->isExposed()) {
        watcher->runSoon();
        return;
    }
    handle->installEventFilter(watcher);
}
