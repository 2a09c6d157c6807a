#pragma once
// The progress of a report or export while it is prepared, for every report window:
// the progress bar moved as the rows are walked, the waiting panel
// "A G U A R D E . . ." shown while the report is prepared and hidden when it is
// shown or fails, "Imprimir" taken once until the run ends, and a close of the
// window that stops the run.
//
// The run stays on the GUI thread, in slices: while the rows are walked the event
// loop runs every few milliseconds, so the window keeps painting and answering
// (a close, the clock, another window), and a second "Imprimir" finds the run busy.
// A window whose run fills anything outside memory (staging rows, a file) gives the
// run its cleanup, called when the run is cancelled or fails.
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <optional>

class QLabel;
class QProgressBar;
class QWidget;

namespace report {

inline const QString waitingText = QStringLiteral("A G U A R D E . . .");

// How a window's bar follows its rows.
enum class BarRule {
    RecordShare,   // RecNo x 10000 div ((RecordCount - 1) x 100), RecNo from 1
    Counter,       // one step per row, back to 0 once it passes 100
    Still,         // shown, never moved
};

// The bar's value for a row under RecordShare, in whole numbers: nullopt when the
// computation fails (one row only divides by zero), and the bar keeps its value.
std::optional<int> recordShare(qint64 recNo, qint64 recordCount);

// Thrown out of a run's work when the window was closed meanwhile; it is no error
// and is never shown (it does not derive from std::exception on purpose, so the
// windows' error boxes let it through).
struct RunCancelled {};

class ReportProgress : public QObject {
    Q_OBJECT
public:
    enum class Outcome { Done, Failed, Cancelled, Busy };

    // bar and waiting may be null (a window without them). The waiting panel keeps
    // its place: it is shown by its text, hidden by clearing it.
    ReportProgress(QWidget* window, QProgressBar* bar, QLabel* waiting, BarRule rule = BarRule::RecordShare);

    // Runs one report: the panel shown (and painted), the bar at 0, the work run
    // through attempt (which shows the window's errors and says whether it went
    // through), then the panel hidden. Returns Busy at once, without running
    // anything, while another run of this window is under way. On a cancel or a
    // failure the cleanup runs before the panel is hidden.
    Outcome run(const std::function<void()>& work,
                const std::function<bool(const std::function<void()>&)>& attempt,
                const std::function<void()>& cleanup = {});

    // Inside the work: the row recNo (from 1) of count walked; moves the bar by the
    // window's rule and, every few milliseconds, lets the event loop run. Throws
    // RunCancelled once the window was closed.
    void row(qint64 recNo, qint64 count);
    // Inside the work, between two long steps: the bar set to percent (Still
    // windows keep it), the event loop let run, RunCancelled after a close.
    void step(int percent);
    // Lets the event loop run; throws RunCancelled after a close.
    void yield();

    // Stops the run under way: its next row or step throws. The window being closed
    // or put away while it runs does the same.
    void cancel();
    bool running() const { return m_running; }
    bool cancelled() const { return m_cancelled; }
    bool waitingShown() const;

    // Milliseconds of work between two turns of the event loop (15; a test may ask
    // for a turn at every row with 0).
    static int sliceMs();
    static void setSliceMs(int ms);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setBar(int value);
    void showWaiting(bool shown);

    QPointer<QWidget> m_window;
    QPointer<QProgressBar> m_bar;
    QPointer<QLabel> m_waiting;
    BarRule m_rule;
    bool m_running = false;
    bool m_cancelled = false;
    int m_counter = 0;
    qint64 m_sliceStarted = 0;
};

} // namespace report
