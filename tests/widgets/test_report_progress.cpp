// A report being prepared, as the user sees it: the bar moving over the rows, the
// waiting panel shown then gone, the window answering meanwhile (the clock still
// ticks, a second "Imprimir" is not taken, a close stops the run and leaves
// nothing behind), on the stock reports of a store with enough products.
#include "PreviewCapture.h"
#include "RegisterSeeds.h"
#include "ScriptedDialogs.h"
#include "SeedValues.h"
#include "StockReportSeeds.h"
#include "TestStation.h"
#include "reports/ReportProgress.h"
#include "stock/UnitEntrada.h"
#include "stock/UnitEstMin.h"
#include "stock/UnitImpRap.h"
#include "stock/UnitListGeral.h"
#include "stock/UnitVenda.h"
#include "stock/UnitdatValid.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QLabel>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <set>

#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>

using report::ReportProgress;
using seeds::D;

namespace {

QString S(const char* s) { return QString::fromUtf8(s); }

constexpr int kProducts = 160;

struct ReportProgressTest : ::testing::Test {
    TestStation st;
    ScriptedDialogs d;
    PreviewCapture shown{d};
    void SetUp() override
    {
        seeds::stockReportStore(st);
        // Enough beverages for the bar to take many values.
        st.logon().action([&] {
            for (int i = 0; i < kProducts; ++i)
                seeds::addProduct(st.logon(), QStringLiteral("5%1").arg(i, 5, 10, QLatin1Char('0')),
                                  QStringLiteral("REFRIGERANTE %1").arg(i), D("5"), D("2"));
            st.logon().run(S("update PRODUTOS set CLASSE = 1 where CODIGO starting with '5'"));
        });
        // A turn of the event loop at every row, so that each row's bar is seen.
        ReportProgress::setSliceMs(0);
    }
    void TearDown() override { ReportProgress::setSliceMs(15); }
};

// What the GUI thread saw while the window worked: its clock's ticks, the bar's
// values, and whether the waiting panel was up at each tick.
struct Watch {
    QTimer clock;
    int ticks = 0;
    int ticksWithPanel = 0;
    std::vector<int> bar;
    Watch(StockReportWindow& w, const std::function<void()>& onTick = {})
    {
        QObject::connect(w.findChild<QProgressBar*>(S("progressBar")), &QProgressBar::valueChanged,
                         [this](int v) { bar.push_back(v); });
        clock.setInterval(1);
        QObject::connect(&clock, &QTimer::timeout, [this, &w, onTick] {
            ++ticks;
            if (w.waitingShown())
                ++ticksWithPanel;
            if (onTick)
                onTick();
        });
        clock.start();
    }
};

} // namespace

TEST(ReportProgressShare, TheBarFollowsTheRecordNumberInWholeNumbers)
{
    struct Case { qint64 recNo, count; std::optional<int> bar; };
    const Case cases[] = {
        {1, 1, std::nullopt},   // one row: a division by zero, the bar stays where it is
        {1, 2, 100},  {2, 2, 200},  {1, 101, 1},  {50, 101, 50},  {101, 101, 101},
        {3, 5, 75},   {2, 7, 33},   {1, 3, 50},   {1, 200, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(report::recordShare(c.recNo, c.count), c.bar) << c.recNo << " of " << c.count;
}

TEST_F(ReportProgressTest, TheCurrentStockMovesItsBarWithThePanelUpAndTheWindowAnswering)
{
    TFormImpRap w(st.logon());
    w.setGroupText(S("0001 - BEBIDAS"));
    w.chooseStockOnly(false);
    w.show();
    int refused = 0;
    Watch watch(w, [&] {
        // "Imprimir" clicked again while the report is prepared: not taken.
        if (w.progress().running() && refused < 3) {
            ++refused;
            w.print();
        }
    });
    w.print();

    ASSERT_EQ(shown.reports.size(), 1u) << "one preview, the second \"Imprimir\" ignored";
    EXPECT_EQ(refused, 3);
    EXPECT_FALSE(w.isVisible());
    EXPECT_FALSE(w.waitingShown());
    EXPECT_FALSE(w.progress().running());
    // The clock kept ticking, with the panel up, while the rows were walked.
    EXPECT_GT(watch.ticks, 20);
    EXPECT_GT(watch.ticksWithPanel, 20);
    // The bar: from 0, by the record share over the rows, never back, up to 100.
    ASSERT_FALSE(watch.bar.empty());
    EXPECT_EQ(watch.bar.back(), 100);
    EXPECT_TRUE(std::is_sorted(watch.bar.begin(), watch.bar.end()));
    std::set<int> between;
    for (int v : watch.bar)
        if (v > 0 && v < 100)
            between.insert(v);
    EXPECT_GT(between.size(), 50u) << "the bar moved row by row";
}

// The other two rules: one step per row, back to 0 once past 100 (the stock
// balance); shown and never moved.
TEST(ReportProgressRules, ACounterWrapsPastOneHundredAndAStillBarStays)
{
    for (report::BarRule rule : {report::BarRule::Counter, report::BarRule::Still}) {
        QWidget window;
        QProgressBar bar(&window);
        ReportProgress run(&window, &bar, nullptr, rule);
        std::vector<int> seen;
        QObject::connect(&bar, &QProgressBar::valueChanged, [&](int v) { seen.push_back(v); });
        const auto outcome = run.run([&] { for (int i = 1; i <= 250; ++i) run.row(i, 250); },
                                     [](const std::function<void()>& work) { work(); return true; });
        EXPECT_EQ(outcome, ReportProgress::Outcome::Done);
        if (rule == report::BarRule::Still) {
            EXPECT_EQ(bar.value(), 0);
            continue;
        }
        std::vector<int> expected;
        for (int i = 1, counter = 0; i <= 250; ++i) {
            if (++counter > 100)
                counter = 0;
            expected.push_back(counter);
        }
        ASSERT_GE(seen.size(), 2u);
        EXPECT_EQ(std::vector<int>(seen.begin() + 1, seen.end()), expected);   // after the 0 of the start
    }
}

TEST_F(ReportProgressTest, AClosedWindowStopsItsReportAndShowsNothing)
{
    TFormImpRap w(st.logon());
    w.setGroupText(S("0001 - BEBIDAS"));
    w.chooseStockOnly(false);
    w.show();
    bool closed = false;
    Watch watch(w, [&] {
        if (!closed && !watch.bar.empty() && watch.bar.back() > 10) {
            closed = true;
            w.close();   // the close box while the rows are walked
        }
    });
    w.print();
    EXPECT_TRUE(closed);
    EXPECT_TRUE(shown.reports.empty()) << "no preview after the window closed";
    EXPECT_FALSE(w.isVisible());
    EXPECT_FALSE(w.waitingShown());
    EXPECT_FALSE(w.progress().running());
    EXPECT_LT(watch.bar.back(), 100);
}

// The run on its own, with work that writes a file row by row: a close during the
// work and an error both leave no file, and the panel goes away each time.
TEST_F(ReportProgressTest, AStoppedOrFailedRunLeavesNothingBehind)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(S("estoque.csv"));
    enum class End { Close, Error, Whole };
    for (End end : {End::Close, End::Error, End::Whole}) {
        QWidget window;
        QProgressBar bar(&window);
        QLabel panel(&window);
        window.show();
        ReportProgress run(&window, &bar, &panel);
        QString error;
        bool panelSeen = false;
        QFile out(path);
        const auto outcome = run.run(
            [&] {
                ASSERT_TRUE(out.open(QIODevice::WriteOnly));
                panelSeen = panel.text() == report::waitingText;
                EXPECT_EQ(run.run([] {}, [](const std::function<void()>&) { return true; }),
                          ReportProgress::Outcome::Busy);
                for (int i = 1; i <= 50; ++i) {
                    out.write(QByteArray::number(i) + ";\n");
                    if (i == 20 && end == End::Close)
                        QTimer::singleShot(0, &window, [&] { window.close(); });
                    if (i == 20 && end == End::Error)
                        throw std::runtime_error("disco cheio");
                    run.row(i, 50);
                }
                out.close();
            },
            [&](const std::function<void()>& work) {
                try {
                    work();
                    return true;
                } catch (const std::exception& e) {
                    error = QString::fromUtf8(e.what());
                    return false;
                }
            },
            [&] {
                out.close();
                QFile::remove(path);
            });
        EXPECT_TRUE(panelSeen);
        EXPECT_TRUE(panel.text().isEmpty());
        EXPECT_FALSE(run.running());
        switch (end) {
        case End::Close:
            EXPECT_EQ(outcome, ReportProgress::Outcome::Cancelled);
            EXPECT_FALSE(QFile::exists(path));
            EXPECT_EQ(bar.value(), 40);   // row 20 of 50 was the last one shown
            break;
        case End::Error:
            EXPECT_EQ(outcome, ReportProgress::Outcome::Failed);
            EXPECT_EQ(error, S("disco cheio"));
            EXPECT_FALSE(QFile::exists(path));
            break;
        case End::Whole:
            EXPECT_EQ(outcome, ReportProgress::Outcome::Done);
            EXPECT_TRUE(QFile::exists(path));
            EXPECT_TRUE(error.isEmpty());
            break;
        }
    }
}

// Every stock report window runs through the same run: the report comes out once,
// the clock ticks while it is prepared, the panel is up meanwhile where the window
// has one, and the bar, where the window shows one, ends at 100.
TEST_F(ReportProgressTest, EveryStockReportWindowRunsItsReportThroughTheProgress)
{
    struct Window {
        const char* name;
        std::function<std::unique_ptr<StockReportWindow>()> make;
        bool waiting, bar;
    };
    TLogon& l = st.logon();
    const Window windows[] = {
        {"TFormImpRap", [&] { auto w = std::make_unique<TFormImpRap>(l); w->setGroupText(S("0001 - BEBIDAS")); w->chooseStockOnly(false); return std::unique_ptr<StockReportWindow>(std::move(w)); }, true, true},
        {"TFormEstMin", [&] { return std::unique_ptr<StockReportWindow>(std::make_unique<TFormEstMin>(l)); }, false, true},
        {"TFormListGeral", [&] { return std::unique_ptr<StockReportWindow>(std::make_unique<TFormListGeral>(l)); }, false, false},
        {"TFormVenda", [&] { auto w = std::make_unique<TFormVenda>(l); w->setGroupText(S("0001 - BEBIDAS")); return std::unique_ptr<StockReportWindow>(std::move(w)); }, false, false},
        {"TFormEntrada", [&] { auto w = std::make_unique<TFormEntrada>(l); w->setPeriod(seeds::kMarchFirst, seeds::kMarchLast); return std::unique_ptr<StockReportWindow>(std::move(w)); }, false, true},
        {"TFormDatValid", [&] { auto w = std::make_unique<TFormDatValid>(l); w->field(S("day"))->setText(S("15/03/26")); w->chooseRoll(false); return std::unique_ptr<StockReportWindow>(std::move(w)); }, false, true},
    };
    for (const Window& each : windows) {
        SCOPED_TRACE(each.name);
        const size_t before = shown.reports.size();
        std::unique_ptr<StockReportWindow> w = each.make();
        w->show();
        Watch watch(*w);
        w->print();
        EXPECT_EQ(shown.reports.size(), before + 1);
        EXPECT_GT(watch.ticks, 0) << "the clock stood still while the report was prepared";
        EXPECT_EQ(watch.ticksWithPanel > 0, each.waiting);
        EXPECT_FALSE(w->waitingShown());
        const QProgressBar* bar = w->findChild<QProgressBar*>(S("progressBar"));
        EXPECT_EQ(!bar->isHidden(), each.bar);
        EXPECT_EQ(bar->maximum(), 100);
        if (each.bar) {
            EXPECT_EQ(bar->value(), 100);
        }
    }
}
