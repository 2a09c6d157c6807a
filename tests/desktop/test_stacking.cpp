// Under a real window manager (openbox on Xvfb, started by run_under_openbox.sh),
// every window the program opens stands above the window it was opened from and
// takes the focus, although the main window stays above the windows of other
// programs. The window manager's own view is read back: its stacking order and
// its active window (xprop on the root window), and what it drew of a title bar.
#include "TestStation.h"
#include "app/ProgramWindows.h"
#include "cash/UnitAbrFec.h"
#include "core/Globals.h"
#include "platform/Style.h"
#include "delivery/DeliveryText.h"
#include "sales/UnitBalcao.h"
#include "shell/RibbonBar.h"
#include "shell/UnitPrincipal.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QLabel>
#include <QPointer>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>
#include <gtest/gtest.h>
#include <map>

namespace {

// Window ids of a property of the root window, in the order it lists them.
QList<quint64> rootWindows(const char* property)
{
    QProcess xprop;
    xprop.start(QStringLiteral("xprop"), {QStringLiteral("-root"), QString::fromLatin1(property)});
    if (!xprop.waitForFinished(5000))
        return {};
    QList<quint64> ids;
    static const QRegularExpression hex(QStringLiteral("0x[0-9a-fA-F]+"));
    const QString out = QString::fromLatin1(xprop.readAllStandardOutput());
    for (auto it = hex.globalMatch(out.section(QLatin1Char('#'), 1)); it.hasNext();)
        ids << it.next().captured().toULongLong(nullptr, 16);
    return ids;
}

QList<quint64> stacking() { return rootWindows("_NET_CLIENT_LIST_STACKING"); }   // bottom first
quint64 activeWindow()
{
    const QList<quint64> ids = rootWindows("_NET_ACTIVE_WINDOW");
    return ids.isEmpty() ? 0 : ids.first();
}
QStringList windowState(quint64 id)
{
    QProcess xprop;
    xprop.start(QStringLiteral("xprop"), {QStringLiteral("-id"), QString::number(id), QStringLiteral("_NET_WM_STATE")});
    xprop.waitForFinished(5000);
    return QString::fromLatin1(xprop.readAllStandardOutput()).section(QLatin1Char('='), 1).split(
        QLatin1Char(','), Qt::SkipEmptyParts);
}

// What the window manager showed of one window when it opened.
struct Seen {
    QString window;
    QString text;   // a message window's text
    quint64 id = 0;
    QRect frame;
    QList<quint64> stacking;
    quint64 active = 0;
    bool focusInside = false;
};

// Watches the windows the program opens. When one is shown, it waits until the
// window manager has settled it (in its stacking list and active, or 3 s), notes
// what it shows, and then runs what the test does in that window.
class Watcher : public QObject {
public:
    using Action = std::function<void(QDialog&)>;
    std::map<QString, Action> actions;   // by class name; none: the window is closed
    std::vector<Seen> seen;

    Watcher() { qApp->installEventFilter(this); }
    ~Watcher() override { qApp->removeEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* dialog = qobject_cast<QDialog*>(watched);
        if (event->type() == QEvent::Show && dialog && dialog->isWindow())
            whenOnTop(dialog);
        return false;
    }

private:
    // A window is looked at once it is the program's top window: one that opens
    // another as it shows waits for that one to close.
    void whenOnTop(QPointer<QDialog> d)
    {
        QTimer::singleShot(50, this, [this, d] {
            if (!d || !d->isVisible())
                return;
            if (QApplication::activeModalWidget() != d.data()) {
                whenOnTop(d);
                return;
            }
            inspect(*d);
        });
    }

    void inspect(QDialog& d)
    {
        const QString name = QString::fromLatin1(d.metaObject()->className());
        const quint64 id = d.winId();
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 3000 && !(stacking().contains(id) && activeWindow() == id))
            QTest::qWait(50);
        QTest::qWait(100);
        Seen s;
        s.window = name;
        if (auto* text = d.findChild<QLabel*>(QStringLiteral("messageText")))
            s.text = text->text();
        s.id = id;
        s.frame = d.frameGeometry();
        s.stacking = stacking();
        s.active = activeWindow();
        s.focusInside = QApplication::activeWindow() == &d;
        seen.push_back(s);
        auto it = actions.find(name);
        if (it != actions.end())
            it->second(d);
        d.reject();   // whatever the action did, the window closes
    }
};

QToolButton* ribbonButton(RibbonBar* bar, const QString& caption)
{
    for (int t = 0; t < bar->count(); ++t)
        for (QToolButton* b : bar->buttons(t))
            if (b->accessibleName() == caption)
                return b;
    return nullptr;
}

// A window stands above another when it comes later in the stacking order.
void expectAbove(const Seen& s, quint64 below, const char* belowName)
{
    const qsizetype at = s.stacking.indexOf(s.id);
    const qsizetype under = s.stacking.indexOf(below);
    ASSERT_GE(at, 0) << s.window.toStdString() << " is not managed";
    ASSERT_GE(under, 0) << belowName << " is not managed";
    EXPECT_GT(at, under) << s.window.toStdString() << " under " << belowName;
}

class Desktop : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb") || rootWindows("_NET_SUPPORTING_WM_CHECK").isEmpty())
            GTEST_SKIP() << "no X display with a window manager (run_under_openbox.sh starts one)";
        registerProgramWindows();
        ctx::op().OperatorName = QStringLiteral("SUPERVISOR");
        ctx::op().OperatorIsMaster = QStringLiteral("S");
        ctx::op().LoginRights = 0xFFFF - 256 - 32768;
        ctx::op().CurrentRights = ctx::op().LoginRights;
        main = std::make_unique<TPrincipal>(st.logon());
        main->showMaximized();
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 5000 && !(stacking().contains(main->winId()) && activeWindow() == main->winId()))
            QTest::qWait(50);
        ASSERT_TRUE(stacking().contains(main->winId()));
    }
    void TearDown() override
    {
        if (main)
            main->hide();
    }

    void click(const char* caption)
    {
        auto* bar = main->findChild<RibbonBar*>(QStringLiteral("ribbonTabs"));
        QToolButton* b = ribbonButton(bar, QString::fromUtf8(caption));
        ASSERT_TRUE(b) << caption;
        b->click();
    }

    TestStation st;
    std::unique_ptr<TPrincipal> main;
};

} // namespace

// The main window stays above the windows of other programs.
TEST_F(Desktop, TheMainWindowStaysAboveOtherPrograms)
{
    EXPECT_TRUE(windowState(main->winId()).join(QString()).contains(QLatin1String("_NET_WM_STATE_ABOVE")));
    QDialog other;   // a window of another program would stand where this one does
    other.setWindowTitle(QStringLiteral("outro programa"));
    other.show();
    QTest::qWait(500);
    main->raise();
    main->activateWindow();
    QTest::qWait(500);
    const QList<quint64> order = stacking();
    EXPECT_GT(order.indexOf(main->winId()), order.indexOf(other.winId()));
}

// A registered window, the message window and the supervisor prompt opened from
// the main ribbon: each above the main window, each with the focus.
TEST_F(Desktop, WindowsOpenedFromTheRibbonStandAboveTheMainWindowWithTheFocus)
{
    Watcher w;
    click("Forma de Pagamento");          // a registered window
    click(" Backup Restore");             // the message window
    click("Manutenção de Senhas");        // the supervisor prompt, cancelled, then the refusal message

    QStringList names;
    for (const Seen& s : w.seen)
        names << s.window;
    ASSERT_EQ(names, (QStringList{"TFormFPaga", "TFormMensagem", "TFormAcessos", "TFormMensagem"}));
    for (const Seen& s : w.seen) {
        SCOPED_TRACE(s.window.toStdString());
        expectAbove(s, main->winId(), "the main window");
        EXPECT_EQ(s.active, s.id) << "the window manager gave the focus elsewhere";
        EXPECT_TRUE(s.focusInside);
    }
}

// The sales screen opened from the main window, what it says as it opens (the
// cash is closed), and the preview opened from it: each above the one it came from.
TEST_F(Desktop, ThePreviewStandsAboveTheSalesScreenAboveTheMainWindow)
{
    Watcher w;
    quint64 salesScreen = 0;
    w.actions[QStringLiteral("TFormBalcao")] = [&](QDialog& d) {
        salesScreen = d.winId();
        auto& screen = static_cast<TFormBalcao&>(d);
        QToolButton* report = ribbonButton(screen.ribbon(), QStringLiteral("Rel. Mesas Abertas"));
        ASSERT_TRUE(report);
        report->click();   // the open tables report, in the preview
    };
    click("Vendas Comandas");

    QStringList names;
    for (const Seen& s : w.seen)
        names << s.window;
    names.removeAll(QStringLiteral("TFormMensagem"));
    ASSERT_EQ(names, (QStringList{"TFormBalcao", "TFormVisao"}));
    for (const Seen& s : w.seen) {
        SCOPED_TRACE(s.window.toStdString());
        expectAbove(s, main->winId(), "the main window");
        if (s.window != QLatin1String("TFormBalcao"))
            expectAbove(s, salesScreen, "the sales screen");
        EXPECT_EQ(s.active, s.id) << "the window manager gave the focus elsewhere";
        EXPECT_TRUE(s.focusInside);
    }
}

// With the cash closed, the delivery desk opened from the sales screen comes on
// screen, and its message that the cash is closed stands above it, centred on it.
TEST_F(Desktop, TheDeliveryDeskShowsAndItsClosedCashMessageStandsAboveIt)
{
    Watcher w;
    w.actions[QStringLiteral("TFormBalcao")] = [&](QDialog& d) {
        QToolButton* desk = ribbonButton(static_cast<TFormBalcao&>(d).ribbon(), QStringLiteral("Pedido Delivery"));
        ASSERT_TRUE(desk);
        desk->click();
    };
    click("Vendas Comandas");

    // the last of its kind: the sales screen says the same as it opens
    const auto find = [&](const QString& window, const QString& text = QString()) -> const Seen* {
        for (auto s = w.seen.rbegin(); s != w.seen.rend(); ++s)
            if (s->window == window && (text.isEmpty() || s->text == text))
                return &*s;
        return nullptr;
    };
    const Seen* desk = find(QStringLiteral("TFormPedDelivery"));
    const Seen* message = find(QStringLiteral("TFormMensagem"), deliverytext::desk::cashClosed);
    ASSERT_TRUE(desk) << "the desk never showed";
    ASSERT_TRUE(message) << "the desk said nothing of the closed cash";
    EXPECT_EQ(desk->active, desk->id) << "the window manager gave the focus elsewhere";
    // The message came while the desk was on screen, above it and centred on it.
    const Seen& m = *message;
    const qsizetype at = m.stacking.indexOf(m.id), under = m.stacking.indexOf(desk->id);
    ASSERT_GE(under, 0) << "the desk was not on screen when its message showed";
    EXPECT_GT(at, under) << "the message under the desk";
    EXPECT_EQ(m.active, m.id);
    EXPECT_LE((m.frame.center() - desk->frame.center()).manhattanLength(), 2)
        << "message at " << m.frame.x() << "," << m.frame.y() << ", desk at " << desk->frame.x() << "," << desk->frame.y();
}

namespace {

// The light pixels (the title's letters, white on the bar) of a window's title bar,
// as the window manager drew it.
int titleInk(QWidget& w)
{
    const QRect f = w.frameGeometry();
    const QImage bar = QGuiApplication::primaryScreen()->grabWindow(0, f.x(), f.y(), f.width(), f.height() - w.height()).toImage();
    int ink = 0;
    for (int y = 0; y < bar.height(); ++y)
        for (int x = 0; x < bar.width(); ++x)
            ink += qRed(bar.pixel(x, y)) > 235 && qGreen(bar.pixel(x, y)) > 235 && qBlue(bar.pixel(x, y)) > 235;
    return ink;
}

} // namespace

// The cash-shift window's long title shows whole in openbox's title bar, with the
// program's name that follows it: drawn at the window's own width it has as much
// ink as drawn on a very wide window (openbox elides what does not fit).
TEST(DesktopTitles, TheCashShiftWindowsTitleShowsWhole)
{
    if (QGuiApplication::platformName() != QLatin1String("xcb") || rootWindows("_NET_SUPPORTING_WM_CHECK").isEmpty())
        GTEST_SKIP() << "no X display with a window manager (run_under_openbox.sh starts one)";
    const QString name = QApplication::applicationDisplayName();
    QApplication::setApplicationDisplayName(QStringLiteral("Sabrel 22 plus"));   // as the program names itself
    const QString sheet = qApp->styleSheet();
    applyProgramStyle(*qApp);
    TestStation st;
    TFormAbrFec w(st.logon());
    const auto drawn = [&] {
        w.show();
        QTest::qWait(700);
        const int ink = titleInk(w);
        w.hide();
        QTest::qWait(200);
        return ink;
    };
    const int shown = drawn();
    const int own = w.width();
    w.setFixedWidth(1200);
    const int whole = drawn();
    QApplication::setApplicationDisplayName(name);
    qApp->setStyleSheet(sheet);
    EXPECT_GE(shown, whole * 97 / 100) << "the title is cut at " << own << " pixels (" << shown << " of " << whole << ")";
}
