#include "reports/ReportProgress.h"

#include <QCoreApplication>
#include <QEvent>
#include <QElapsedTimer>
#include <QLabel>
#include <QProgressBar>
#include <QWidget>

namespace report {

namespace {

qint64 nowMs()
{
    static QElapsedTimer clock = [] { QElapsedTimer c; c.start(); return c; }();
    return clock.elapsed();
}

int slice = 15;

} // namespace

int ReportProgress::sliceMs() { return slice; }
void ReportProgress::setSliceMs(int ms) { slice = ms; }

std::optional<int> recordShare(qint64 recNo, qint64 recordCount)
{
    const qint64 divisor = (recordCount - 1) * 100;
    if (divisor == 0)
        return std::nullopt;
    return int(recNo * 10000 / divisor);
}

ReportProgress::ReportProgress(QWidget* window, QProgressBar* bar, QLabel* waiting, BarRule rule)
    : QObject(window)
    , m_window(window)
    , m_bar(bar)
    , m_waiting(waiting)
    , m_rule(rule)
{
    if (m_bar)
        m_bar->setRange(0, 100);
    if (m_window)
        m_window->installEventFilter(this);
}

bool ReportProgress::eventFilter(QObject* watched, QEvent* event)
{
    // Closed, or put away by the program ("Retorna"); a window the desktop
    // minimises is hidden too (spontaneously) and goes on with its report.
    if (watched == m_window
        && (event->type() == QEvent::Close || (event->type() == QEvent::Hide && !event->spontaneous())))
        cancel();
    return QObject::eventFilter(watched, event);
}

bool ReportProgress::waitingShown() const
{
    return m_waiting && !m_waiting->text().isEmpty();
}

void ReportProgress::showWaiting(bool shown)
{
    if (!m_waiting)
        return;
    if (shown) {
        m_waiting->setText(waitingText);
        m_waiting->repaint();
    } else {
        m_waiting->clear();
    }
}

void ReportProgress::setBar(int value)
{
    // A value outside 0..100 leaves the bar where it is, as the bar itself does.
    if (m_bar && m_rule != BarRule::Still && value >= 0 && value <= 100)
        m_bar->setValue(value);
}

ReportProgress::Outcome ReportProgress::run(const std::function<void()>& work,
                                            const std::function<bool(const std::function<void()>&)>& attempt,
                                            const std::function<void()>& cleanup)
{
    if (m_running)
        return Outcome::Busy;
    m_running = true;
    m_cancelled = false;
    m_counter = 0;
    if (m_bar)
        m_bar->setValue(0);
    showWaiting(true);
    m_sliceStarted = nowMs();

    bool cancelled = false;
    bool done = false;
    try {
        done = attempt([&] {
            // The panel painted before the first read: a window that is shown gets
            // one turn of the event loop.
            yield();
            work();
        });
    } catch (const RunCancelled&) {
        cancelled = true;
    }
    if ((cancelled || !done) && cleanup)
        cleanup();
    showWaiting(false);
    m_running = false;
    if (cancelled || m_cancelled)
        return Outcome::Cancelled;
    return done ? Outcome::Done : Outcome::Failed;
}

void ReportProgress::row(qint64 recNo, qint64 count)
{
    switch (m_rule) {
    case BarRule::RecordShare:
        if (const std::optional<int> v = recordShare(recNo, count))
            setBar(*v);
        break;
    case BarRule::Counter:
        if (++m_counter > 100)
            m_counter = 0;
        setBar(m_counter);
        break;
    case BarRule::Still:
        break;
    }
    if (m_cancelled || nowMs() - m_sliceStarted >= slice)
        yield();
}

void ReportProgress::step(int percent)
{
    setBar(percent);
    yield();
}

void ReportProgress::yield()
{
    if (m_cancelled)
        throw RunCancelled{};
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    m_sliceStarted = nowMs();
    if (m_cancelled || !m_window)
        throw RunCancelled{};
}

void ReportProgress::cancel()
{
    if (m_running)
        m_cancelled = true;
}

} // namespace report
