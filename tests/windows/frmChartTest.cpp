// The strategy chart window: every line of the game's chart under its section, the cost in
// words, and one lit line at most.
#include <gtest/gtest.h>

#include <QApplication>

#include "controls/Announcer.h"
#include "engine/analysis/GameChart.h"
#include "windows/frmChart.h"

namespace {

using namespace modcards::analysis;

// One flat list, each section's title row before its lines, so that no row reads "expanded".
TEST(ChartWindow, ListsEveryLineUnderItsSectionWithHowOftenItIsPlayed) {
    frmChart window(nullptr, GameChart(), GameChartAudit());
    const QTreeWidget* list = window.lstChart();
    const auto& lines = GameChart().Lines();
    ASSERT_EQ(list->topLevelItemCount(), int(lines.size()) + 5);
    EXPECT_FALSE(list->rootIsDecorated());
    std::size_t next = 0;
    int deuces = 5;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* row = list->topLevelItem(i);
        EXPECT_EQ(row->childCount(), 0);
        EXPECT_TRUE(row->flags() & Qt::ItemNeverHasChildren);
        if (row->text(1).isEmpty()) {  // a section's title
            EXPECT_EQ(row->text(0), QString::fromStdString(SectionTitle(--deuces)));
            continue;
        }
        ASSERT_LT(next, lines.size());
        EXPECT_EQ(lines[next].deuces, deuces);
        EXPECT_EQ(row->text(0), QString::number(next + 1));
        EXPECT_TRUE(row->text(1).endsWith('%'));
        EXPECT_EQ(row->text(2), QString::fromStdString(lines[next].Text()));
        EXPECT_EQ(row->data(0, Qt::AccessibleTextRole), "Line " + row->text(0));
        EXPECT_EQ(row->data(1, Qt::AccessibleTextRole), "Played " + row->text(1));
        EXPECT_EQ(row->data(2, Qt::AccessibleTextRole), "Hold: " + row->text(2));
        ++next;
    }
    EXPECT_EQ(deuces, 0);
    EXPECT_EQ(next, lines.size());
    const QTreeWidgetItem* noDeuces =
        list->findItems(QString::fromStdString(SectionTitle(0)), Qt::MatchExactly).value(0);
    ASSERT_NE(noDeuces, nullptr);
    EXPECT_EQ(list->itemBelow(noDeuces)->text(1), "0.0002%");  // the natural royal
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
    EXPECT_EQ(window.lstChart()->currentItem(), window.LineRow(21));
    EXPECT_NE(window.LineRow(21)->background(2), plain);
    EXPECT_EQ(window.LineRow(16)->background(2), plain);
    EXPECT_EQ(window.lblDeal()->accessibleName(),
              "The hand on the table plays Line 22: " +
                  QString::fromStdString(GameChart().Lines()[21].Text()));
    EXPECT_EQ(window.Voice().LastSentence(), "");  // read with the window when it opens
    window.show();
    window.LightLine(16);
    EXPECT_EQ(window.Voice().LastSentence(), window.lblDeal()->text());
    EXPECT_TRUE(window.Voice().LastSentence().contains("Line 17: "));
    window.LightLine(-1);
    EXPECT_EQ(window.LineRow(21)->background(2), plain);
}

}  // namespace
