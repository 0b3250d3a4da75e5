// The windows open wholly on the free area of their table's screen: here the second of two,
// 1024x600, less high than the chart and the review would like (TwoScreens.json).
#include <gtest/gtest.h>

#include <QApplication>
#include <QLayout>
#include <QScreen>
#include <QTest>

#include "engine/analysis/GameChart.h"
#include "windows/AnalyserWindow.h"
#include "windows/BankrollWindow.h"
#include "windows/ChartWindow.h"
#include "windows/frmRankings.h"
#include "windows/frmReview.h"
#include "windows/frmStats.h"

namespace {

ReviewPage NoHands(ReviewScope) {
    return {"Ann", history::ReviewHands({}, 5), QString(), nullptr, {}};
}

TEST(WindowsOnScreen, OpenInsideTheAreaOfTheirTablesScreenShrinkingOnlyWhatMayResize) {
    ASSERT_EQ(QGuiApplication::screens().size(), 2);
    const QRect area = QGuiApplication::screens()[1]->availableGeometry();
    ASSERT_EQ(area, QRect(1366, 0, 1024, 600));
    // A table near the bottom right corner: the windows centred on it would stand off the screen.
    QWidget table;
    table.setGeometry(area.right() - 200, area.bottom() - 150, 300, 200);
    table.show();
    table.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&table));
    ASSERT_EQ(table.screen(), QGuiApplication::screens()[1]);

    auto* chart = new ChartWindow(&table, modcards::analysis::GameChart(),
                                  modcards::analysis::GameChartAudit());
    auto* review = new frmReview(&table, 5, NoHands);
    auto* bankroll = new BankrollWindow(&table, {"Ann", nullptr, 0, 0, {}});
    auto* stats = new frmStats(&table);
    auto* rankings = new frmRankings();  // no parent: the active window is its table
    auto* analyse = new AnalyserWindow(
        &table,
        {modcards::analysis::GamePays(), 5, &modcards::analysis::GameChart(), nullptr, QString()});
    const QSize statsSize = stats->size(), rankingsSize = rankings->size();
    for (QWidget* window :
         std::initializer_list<QWidget*>{chart, review, bankroll, stats, rankings, analyse}) {
        table.activateWindow();
        ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &table; }));
        window->show();
        SCOPED_TRACE(window->windowTitle().toStdString());
        EXPECT_TRUE(area.contains(window->frameGeometry()));
        EXPECT_GE(window->width(), window->minimumWidth());
        EXPECT_GE(window->height(), window->minimumHeight());
    }
    EXPECT_EQ(chart->frameGeometry().height(), area.height());  // the list shorter
    // At their smallest the resizable ones still hold every control at its own minimum, and
    // they may be made smaller than they open.
    for (QWidget* window : std::initializer_list<QWidget*>{chart, review, bankroll, analyse}) {
        SCOPED_TRACE(window->windowTitle().toStdString());
        const QSize needed = window->layout()->totalMinimumSize();
        EXPECT_LE(needed.width(), window->minimumWidth());
        EXPECT_LE(needed.height(), window->minimumHeight());
        EXPECT_LT(window->minimumHeight(), 600);
    }
    EXPECT_EQ(stats->size(), statsSize);
    EXPECT_EQ(rankings->size(), rankingsSize);
    // Shown again after the player moved it away, it comes back.
    stats->hide();
    stats->move(area.right(), area.bottom());
    stats->show();
    EXPECT_TRUE(area.contains(stats->frameGeometry()));
    delete rankings;
}

}  // namespace
