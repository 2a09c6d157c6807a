// Every window the program registers, in every state its buttons and pages reach,
// fits a 1366 x 768 screen (the main window and the sales screen's pages also
// 1024 x 768): no control outside the screen or outside the panel that holds it,
// no caption cut, grids that show their titles and the names they list, and at
// least three rows. The walk takes whatever is registered, so each new window is
// held to it as it is registered.
#include "WidgetSteps.h"
#include "RegisterSeeds.h"
#include "SalesSeeds.h"
#include "ScriptedDialogs.h"
#include "TestStation.h"
#include "app/ProgramWindows.h"
#include "core/Globals.h"
#include "platform/Style.h"
#include "shell/UnitPrincipal.h"
#include "shell/WindowRegistry.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPointer>
#include <QRadioButton>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>
#include <gtest/gtest.h>
#include <set>

namespace {

// The room a window manager's frame takes around a window that has one: openbox
// on Debian draws a title bar of 20 pixels, a bottom border of 5 and side
// borders of 1 (its _NET_FRAME_EXTENTS).
constexpr QSize kFrame(2, 25);


bool framed(const QWidget& w)
{
    return !(w.windowFlags() & Qt::FramelessWindowHint);
}

// The widget lies in the scrolled content of a scroll area below `top`: it is
// reached by scrolling, not by the window's size.
bool scrolled(const QWidget* w, const QWidget* top)
{
    for (const QWidget* p = w->parentWidget(); p && p != top; p = p->parentWidget())
        if (auto* area = qobject_cast<const QAbstractScrollArea*>(p->parentWidget()))
            if (area->viewport() == p)
                return true;
    return false;
}

QRect inWindow(const QWidget* w, const QWidget* window)
{
    return QRect(w->mapTo(window, QPoint(0, 0)), w->size());
}

QString nameOf(const QWidget* w)
{
    QString name = w->objectName();
    if (name.isEmpty())
        name = QString::fromLatin1(w->metaObject()->className());
    if (auto* b = qobject_cast<const QAbstractButton*>(w))
        name += QStringLiteral(" \"%1\"").arg(b->text().simplified());
    else if (auto* l = qobject_cast<const QLabel*>(w))
        name += QStringLiteral(" \"%1\"").arg(l->text().simplified().left(40));
    return name;
}

// What is wrong with a window as it shows now on a screen of `screen`.
class Inspector {
public:
    QStringList problems;

    void check(QWidget& window, const QSize& screen, const QString& where)
    {
        settle();
        const QString at = QStringLiteral("%1 (%2x%3)").arg(where).arg(screen.width()).arg(screen.height());
        const QSize frame = framed(window) ? kFrame : QSize(0, 0);
        if (window.width() + frame.width() > screen.width() || window.height() + frame.height() > screen.height())
            add(at, QStringLiteral("window %1x%2 (and a frame of %3x%4) does not fit")
                        .arg(window.width()).arg(window.height()).arg(frame.width()).arg(frame.height()));
        for (QWidget* child : window.findChildren<QWidget*>()) {
            if (!child->isVisible() || child->isWindow() || scrolled(child, &window))
                continue;
            const QRect r = inWindow(child, &window);
            if (!window.rect().contains(r)) {
                add(at, QStringLiteral("%1 at %2,%3 %4x%5 outside the window").arg(nameOf(child)).arg(r.x()).arg(r.y())
                            .arg(r.width()).arg(r.height()));
                continue;
            }
            QWidget* parent = child->parentWidget();
            if (parent && parent != &window && !inWindow(parent, &window).contains(r)) {
                add(at, QStringLiteral("controls outside their panel %1, %2 the first").arg(nameOf(parent), nameOf(child)));
                continue;
            }
            checkCaption(child, at);
            if (auto* grid = qobject_cast<QTableView*>(child))
                checkGrid(grid, at);
            if (auto* tabs = qobject_cast<QTabBar*>(child))
                checkTabs(tabs, at);
        }
    }

private:
    // Each fault once, with the first state it showed in.
    void add(const QString& at, const QString& what)
    {
        const QString key = at.section(QLatin1Char(','), 0, 0).section(QLatin1Char(' '), 0, 0) + at.section(QLatin1Char('('), -1)
            + what.section(QStringLiteral(", "), 0, 0);
        if (m_seen.insert(key).second)
            problems << at + QStringLiteral(": ") + what;
    }
    std::set<QString> m_seen;

    // A caption shows whole: a label, a check box or a push button is as large as
    // its text asks (a push button draws its text inside its padding, and cuts
    // what does not fit); a tool button's lines fit inside its border.
    void checkCaption(QWidget* w, const QString& at)
    {
        auto* button = qobject_cast<QAbstractButton*>(w);
        if (button && button->text().isEmpty())
            return;
        if (qobject_cast<QToolButton*>(w)) {
            const QFontMetrics fm(button->font());
            const QStringList lines = button->text().remove(QLatin1Char('&')).split(QLatin1Char('\n'));
            int widest = 0;
            for (const QString& line : lines)
                widest = std::max(widest, fm.horizontalAdvance(line));
            const int tall = int(lines.size()) * fm.lineSpacing();
            const int iconRoom = button->icon().isNull() ? 0 : button->iconSize().height();
            if (widest + 6 > button->width() || tall + iconRoom + 4 > button->height())
                add(at, QStringLiteral("%1 is %2x%3, its caption needs %4x%5")
                            .arg(nameOf(w)).arg(w->width()).arg(w->height()).arg(widest + 6).arg(tall + iconRoom + 4));
            return;
        }
        const bool captioned = qobject_cast<QLabel*>(w) || button || qobject_cast<QGroupBox*>(w);
        if (!captioned)
            return;
        auto* label = qobject_cast<QLabel*>(w);
        if (label && (label->text().isEmpty() || !label->pixmap().isNull()))
            return;
        QSize need = w->minimumSizeHint();
        if (label && label->wordWrap())   // as many lines as its width makes
            need.setHeight(label->heightForWidth(label->width()));
        if (w->width() < need.width() || w->height() < need.height())
            add(at, QStringLiteral("%1 is %2x%3, its caption needs %4x%5")
                        .arg(nameOf(w)).arg(w->width()).arg(w->height()).arg(need.width()).arg(need.height()));
    }

    // Every tab of a tab bar shows, whole, without scrolling the bar (its scroll
    // arrows show when the tabs do not fit).
    void checkTabs(QTabBar* tabs, const QString& at)
    {
        bool scrolls = false;
        for (QToolButton* arrow : tabs->findChildren<QToolButton*>())
            scrolls = scrolls || arrow->isVisible();
        for (int i = 0; i < tabs->count(); ++i) {
            if (scrolls || !tabs->rect().contains(tabs->tabRect(i))) {
                add(at, QStringLiteral("tab \"%1\" of %2 does not show whole").arg(tabs->tabText(i), nameOf(tabs->parentWidget())));
                return;
            }
        }
    }

    void checkGrid(QTableView* grid, const QString& at)
    {
        const QAbstractItemModel* model = grid->model();
        if (!model)
            return;
        QHeaderView* header = grid->horizontalHeader();
        const QFontMetrics headerFont(header->font());
        const QFontMetrics cellFont(grid->font());
        for (int c = 0; c < model->columnCount(); ++c) {
            if (grid->isColumnHidden(c) || header->sectionSize(c) == 0)
                continue;
            const int width = grid->columnWidth(c);
            if (header->isVisible()) {
                const QString title = model->headerData(c, Qt::Horizontal).toString();
                // The header's own measure of the title with its margins, where that
                // is less than the usual 8 pixels of margins.
                const int titleNeeds = std::min(headerFont.horizontalAdvance(title) + 8, header->sectionSizeHint(c));
                if (titleNeeds > width)
                    add(at, QStringLiteral("%1: column \"%2\" is %3 px, its title is cut").arg(nameOf(grid), title).arg(width));
            }
            // The view elides a text wider than its cell less the style's text margins.
            const int margins = 2 * (grid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, grid) + 1);
            for (int r = 0; r < std::min(model->rowCount(), 20); ++r) {
                const QString text = model->data(model->index(r, c)).toString();
                if (!text.isEmpty() && cellFont.horizontalAdvance(text) + margins > width) {
                    add(at, QStringLiteral("%1: column \"%2\" is %3 px, \"%4\" is cut")
                                .arg(nameOf(grid), model->headerData(c, Qt::Horizontal).toString()).arg(width).arg(text));
                    break;
                }
            }
        }
        const int rowHeight = grid->verticalHeader()->defaultSectionSize();
        if (grid->viewport()->height() < 3 * rowHeight)
            add(at, QStringLiteral("%1 (%2 px high) shows %3 rows").arg(nameOf(grid)).arg(grid->height())
                        .arg(double(grid->viewport()->height()) / rowHeight, 0, 'f', 1));
    }
};

// Shows a window as the screen would: a maximized one takes the screen less its
// frame, any other its own size.
void showOn(QWidget& window, const QSize& screen)
{
    if (window.windowState() & Qt::WindowMaximized) {
        window.setWindowState(window.windowState() & ~Qt::WindowMaximized);
        window.resize(screen - kFrame);
        window.setProperty("maximizedOnScreen", true);
    } else if (window.property("maximizedOnScreen").toBool()) {
        window.resize(screen - kFrame);
    }
    window.show();
    settle();
}

// A window's widgets, with where they are and what they ask for (set
// SABREL22_DUMP to a class name to see them when a window needs a new layout).
void dump(QWidget* w, int depth = 0)
{
    if (!w->isVisible())
        return;
    fprintf(stderr, "%*s%s %s %d,%d %dx%d min %dx%d\n", depth * 2, "", w->metaObject()->className(), qPrintable(w->objectName()),
            w->x(), w->y(), w->width(), w->height(), w->minimumSizeHint().width(), w->minimumSizeHint().height());
    for (QObject* o : w->children())
        if (auto* c = qobject_cast<QWidget*>(o); c && !c->isWindow() && depth < 9)
            dump(c, depth + 1);
}

// Clicks every button that shows, each once (the windows they open are answered
// by the script), and checks the window after each; what a click brings into
// view is clicked in the next round.
void clickAll(QDialog& window, const QSize& screen, const QString& name, Inspector& inspector, std::set<QObject*>& done)
{
    for (int round = 0; round < 3; ++round) {
        // Buttons a click deletes (rebuilt lists) are passed over.
        std::vector<QPointer<QAbstractButton>> buttons;
        for (QAbstractButton* b : window.findChildren<QAbstractButton*>())
            if (!done.count(b))
                buttons.emplace_back(b);
        bool clicked = false;
        for (const QPointer<QAbstractButton>& b : buttons) {
            if (!b || !b->isVisible() || !b->isEnabled())
                continue;
            done.insert(b);
            clicked = true;
            const QString caption = b->text().simplified().isEmpty() ? b->objectName() : b->text().simplified();
            b->click();
            settle();
            if (!window.isVisible())
                showOn(window, screen);
            if (qEnvironmentVariable("SABREL22_DUMP_AFTER") == caption)
                dump(&window);
            inspector.check(window, screen, QStringLiteral("%1, after \"%2\"").arg(name, caption));
        }
        if (!clicked)
            break;
    }
}

// The window on every page of its tab boxes, every button of each page clicked.
void walk(QDialog& window, const QSize& screen, const QString& name, Inspector& inspector)
{
    showOn(window, screen);
    if (qEnvironmentVariable("SABREL22_DUMP") == name)
        dump(&window);
    inspector.check(window, screen, name);
    std::set<QObject*> done;
    clickAll(window, screen, name, inspector, done);
    for (int round = 0; round < 2; ++round) {
        for (QPointer<QTabWidget> pages : window.findChildren<QTabWidget*>()) {
            if (!pages || done.count(pages) || !pages->isVisible())
                continue;
            done.insert(pages);
            for (int i = 0; pages && i < pages->count(); ++i) {
                pages->setCurrentIndex(i);
                if (!window.isVisible())
                    showOn(window, screen);
                const QString page = QStringLiteral("%1, page \"%2\"").arg(name, pages->tabText(i));
                inspector.check(window, screen, page);
                clickAll(window, screen, page, inspector, done);
            }
            if (pages)
                pages->setCurrentIndex(0);
        }
    }
}

// A station with something in every list: long names, an open cash shift, an
// open tab with items.
void seedDay(TestStation& st)
{
    TLogon& l = st.logon();
    st.openCashShift(1);
    seeds::addGroup(l, 1, QStringLiteral("LANCHES E PORCOES"));
    seeds::addProduct(l, QStringLiteral("000001"), QStringLiteral("BATATA FRITA COM CHEDDAR E BACON"), Decimal::fromCents(3490));
    seeds::addProduct(l, QStringLiteral("000002"), QStringLiteral("REFRIGERANTE LATA 350ML"), Decimal::fromCents(650));
    seeds::addProduct(l, QStringLiteral("000003"), QStringLiteral("FILE A PARMEGIANA C/ ARROZ E FRITAS"), Decimal::fromCents(8900));
    seeds::addCustomer(l, 2, QStringLiteral("MARIA APARECIDA DOS SANTOS OLIVEIRA"), QStringLiteral("RUA DAS FLORES 1234"));
    seeds::addSupplier(l, 1, QStringLiteral("DISTRIBUIDORA DE BEBIDAS LITORAL LTDA"));
    seeds::addStaff(l, 1, QStringLiteral("JOAO CARLOS"));
    seeds::addPaymentMethod(l, 2, QStringLiteral("CARTAO DEBITO MASTER"));
    seeds::addPaymentMethod(l, 3, QStringLiteral("Forma Pagamento"));
    seeds::addCostCentre(l, 1, QStringLiteral("MANUTENCAO PREDIAL"));
    seeds::complement(l, 1, QStringLiteral("SEM CEBOLA E SEM TOMATE"), Decimal(0));
    l.run(QStringLiteral("insert into cabmesa (mesa, status, vendedor, cliente, hora, data) values ('000012', 0, 1, 1, '20:15:00', current_date)"));
    // a pre-billed tab: its times line names the closing too
    l.run(QStringLiteral("insert into cabmesa (mesa, status, vendedor, cliente, hora, fechado, data) "
                         "values ('000013', 1, 1, 1, '19:02:10', '21:03:46', current_date)"));
    l.run(QStringLiteral("insert into mesa (mesa, codigo, nomep, quant, valor, vend, cozinha) "
                         "values ('000013', '000002', 'REFRIGERANTE LATA 350ML', 3, 6.5, 1, '0')"));
    l.run(QStringLiteral("insert into mesa (mesa, codigo, nomep, quant, valor, vend, cozinha) "
                         "values ('000012', '000001', 'BATATA FRITA COM CHEDDAR E BACON', 2, 34.90, 1, '0')"));
    l.run(QStringLiteral("insert into mesa (mesa, codigo, nomep, quant, valor, vend, cozinha) "
                         "values ('000012', '000003', 'FILE A PARMEGIANA C/ FRITAS', 1, 89, 1, '0')"));
    ctx::op().OperatorName = QStringLiteral("SUPERVISOR");
    ctx::op().OperatorIsMaster = QStringLiteral("S");
    ctx::op().LoginRights = 0xFFFF - 256 - 32768;
    ctx::op().CurrentRights = ctx::op().LoginRights;
}

class WindowSizes : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_sheet = qApp->styleSheet();
        applyProgramStyle(*qApp);
        registerProgramWindows();
    }
    void TearDown() override { qApp->setStyleSheet(m_sheet); }

private:
    QString m_sheet;
};

} // namespace

TEST_F(WindowSizes, EveryRegisteredWindowFitsA1366x768Screen)
{
    Inspector inspector;
    const QStringList names = windows::registeredNames();
    ASSERT_GT(names.size(), 40);
    for (const QString& name : names) {
        TestStation st;
        ScriptedDialogs d;
        seedDay(st);
        d.answerMessages(QStringList(50, QStringLiteral("N")));
        std::unique_ptr<QDialog> window = windows::create(name);
        walk(*window, QSize(1366, 768), name, inspector);
        window->hide();
    }
    EXPECT_TRUE(inspector.problems.isEmpty()) << inspector.problems.join(QLatin1Char('\n')).toStdString();
}

TEST_F(WindowSizes, TheMainWindowAndTheSalesScreenFitA1024x768Screen)
{
    Inspector inspector;
    for (const QSize screen : {QSize(1024, 768), QSize(1366, 768)}) {
        TestStation st;
        ScriptedDialogs d;
        seedDay(st);
        TPrincipal main(st.logon());
        main.setWindowState(Qt::WindowMaximized);
        showOn(main, screen);
        inspector.check(main, screen, QStringLiteral("TPrincipal"));
        if (screen.width() == 1024) {   // the walk of every window takes the sales screen at 1366
            std::unique_ptr<QDialog> sales = windows::create(QStringLiteral("TFormBalcao"));
            walk(*sales, screen, QStringLiteral("TFormBalcao"), inspector);
        }
    }
    EXPECT_TRUE(inspector.problems.isEmpty()) << inspector.problems.join(QLatin1Char('\n')).toStdString();
}
