// The strategy chart window: every line of the game's chart under its section, the cost in
// words, and one lit line at most.
#include <gtest/gtest.h>

#include <QApplication>

#include "engine/analysis/GameChart.h"
#include "windows/frmChart.h"

namespace {

using namespace modcards::analysis;

TEST(ChartWindow, ListsEveryLineUnderItsSectionWithHowOftenItIsPlayed) {
    frmChart window(nullptr, GameChart(), GameChartAudit());
    const QTreeWidget* list = window.lstChart();
    const auto& lines = GameChart().Lines();
    ASSERT_EQ(list->topLevelItemCount(), 5);
    std::size_t next = 0;
    for (int section = 0; section < 5; ++section) {
        const QTreeWidgetItem* title = list->topLevelItem(section);
        EXPECT_EQ(title->text(0), QString::fromStdString(SectionTitle(4 - section)));
        for (int child = 0; child < title->childCount(); ++child, ++next) {
            ASSERT_LT(next, lines.size());
            const QTreeWidgetItem* row = title->child(child);
            EXPECT_EQ(lines[next].deuces, 4 - section);
            EXPECT_EQ(row->text(0), QString::number(next + 1));
            EXPECT_TRUE(row->text(1).endsWith('%'));
            EXPECT_EQ(row->text(2), QString::fromStdString(lines[next].Text()));
        }
    }
    EXPECT_EQ(next, lines.size());
    EXPECT_EQ(list->topLevelItem(4)->child(0)->text(1), "0.0002%");  // the natural royal
}

TEST(ChartWindow, StatesTheChartsCostAndLightsOneLineAtMost) {
    frmChart window(nullptr, GameChart(), GameChartAudit());
    // 235553435833/237300363300 beside 12684772349/12777711870.
    EXPECT_EQ(window.lblCost()->text(),
              "Following this chart returns 99.2638%; perfect play returns 99.2726%: the chart "
              "costs 0.0088% of each bet.");
    EXPECT_EQ(window.lblCost()->accessibleName(), window.lblCost()->text());
    EXPECT_FALSE(window.lstChart()->accessibleName().isEmpty());

    const QBrush plain = window.LineRow(0)->background(2);
    window.LightLine(16);
    window.LightLine(21);
    EXPECT_EQ(window.LitLine(), 21);
    EXPECT_NE(window.LineRow(21)->background(2), plain);
    EXPECT_EQ(window.LineRow(16)->background(2), plain);
    EXPECT_EQ(window.lblDeal()->accessibleName(),
              "The hand on the table plays Line 22: " +
                  QString::fromStdString(GameChart().Lines()[21].Text()));
    window.LightLine(-1);
    EXPECT_EQ(window.LineRow(21)->background(2), plain);
}

}  // namespace
