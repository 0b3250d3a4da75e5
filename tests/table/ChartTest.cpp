// Strategy -> Strategy Chart at the table: one window, and the line of the hand being held lit
// from the deal to the draw only.
#include <QMenuBar>

#include "engine/analysis/GameChart.h"
#include "table/StrategyMenu.h"
#include "tests/support/TenCardDeals.h"
#include "tests/table/TableFixture.h"

namespace {

using modcards::analysis::GameChart;

class ChartAtTable : public TableFixture {
protected:
    void OpenChart() {
        Open();
        strategy = AddStrategy();
        strategy->ChartEntry()->trigger();
        ASSERT_NE(Chart(), nullptr);
    }
    ChartWindow* Chart() const { return strategy->Chart().Chart(); }
    int PlayedLine() const { return GameChart().PlayHand(hand.Cards()).line; }

    std::unique_ptr<StrategyMenu> strategy;  // goes before the window
};

TEST_F(ChartAtTable, OpensOnceFromTheStrategyMenu) {
    OpenChart();
    QStringList entries;
    for (QAction* action : qobject_cast<QMenu*>(strategy->ChartEntry()->parent())->actions())
        entries << action->text();
    EXPECT_TRUE(entries.contains("Strategy &Chart"));
    ChartWindow* first = Chart();
    strategy->ChartEntry()->trigger();
    EXPECT_EQ(Chart(), first);
    EXPECT_TRUE(first->isVisible());
}

TEST_F(ChartAtTable, LightsTheLineOfTheHandHeldAndNoneAfterTheDraw) {
    OpenChart();
    EXPECT_EQ(Chart()->LitLine(), -1);
    for (std::string_view deal : {kDeuce, kTrips}) {
        deck.Queue(deal);
        ClickDeal();
        ASSERT_TRUE(hand.InPlay());
        const int line = PlayedLine();
        EXPECT_EQ(Chart()->LitLine(), line) << deal;
        EXPECT_TRUE(Chart()->dealLabel()->text().contains(
            QString::fromStdString(GameChart().Lines()[std::size_t(line)].Text()) + "; "));
        ClickDeal();
        EXPECT_EQ(Chart()->LitLine(), -1) << deal;
    }
}

// The dealt hand's line stays lit while the hold changes; the words say whether the hold
// follows it.
TEST_F(ChartAtTable, SaysWhetherTheHoldFollowsTheLine) {
    OpenChart();
    deck.Queue(kDeuce);
    ClickDeal();
    const int line = PlayedLine();
    const modcards::HoldMask chartHold = GameChart().PlayHand(hand.Cards()).keptSlots;
    EXPECT_TRUE(Chart()->dealLabel()->text().endsWith("; your hold keeps no card."));
    for (int slot = 0; slot < 5; ++slot)
        if ((chartHold >> slot) & 1u) ClickHold(slot);
    EXPECT_EQ(Chart()->LitLine(), line);
    EXPECT_TRUE(Chart()->dealLabel()->text().endsWith("; your hold follows it."));
    ClickHold(3);  // the 7♠ too: a hold the chart does not play
    EXPECT_EQ(Chart()->LitLine(), line);
    EXPECT_TRUE(Chart()->dealLabel()->text().contains("; your hold keeps "));
    EXPECT_TRUE(Chart()->dealLabel()->text().endsWith(" instead."));
    EXPECT_EQ(Chart()->dealLabel()->accessibleName(), Chart()->dealLabel()->text());
}

TEST_F(ChartAtTable, OpenedMidHandLightsTheHandsLine) {
    Open();
    strategy = AddStrategy();
    deck.Queue(kDeuce);
    ClickDeal();
    strategy->ChartEntry()->trigger();
    ASSERT_NE(Chart(), nullptr);
    EXPECT_EQ(Chart()->LitLine(), PlayedLine());
}

}  // namespace
