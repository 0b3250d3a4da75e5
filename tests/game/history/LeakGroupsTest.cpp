// Mistakes grouped by the chart lines of both holds: planted habits come out on top with their
// exact counts and costs, read from the file or folded hand by hand alike.
#include <gtest/gtest.h>

#include "engine/analysis/GameChart.h"
#include "game/history/HandHistory.h"
#include "game/history/LeakGroups.h"
#include "game/history/ReviewReader.h"
#include "tests/game/history/HistoryTestFiles.h"
#include "tests/game/history/PlantedHabits.h"

namespace {

using history::HandRecord;
using history::LeakGroup;
using history_test::Planted;
using history_test::Played;
using modcards::analysis::GameChart;

TEST(LeakGroups, PlantedHabitsAreTheTopGroupsWithTheirExactCountsAndCosts) {
    const Planted& planted = Played();
    ASSERT_GT(planted.fives, 50);
    ASSERT_GT(planted.highCards, 20);
    const std::vector<LeakGroup> groups =
        history::GroupLeaks(planted.rows, GameChart()).WorstFirst();
    ASSERT_EQ(groups.size(), 2u);
    const LeakGroup& fives = groups[0].count == planted.fives ? groups[0] : groups[1];
    const LeakGroup& highCards = &fives == &groups[0] ? groups[1] : groups[0];
    EXPECT_EQ(fives.count, planted.fives);
    EXPECT_DOUBLE_EQ(fives.cost, planted.fivesCost);
    EXPECT_EQ(history::LeakLineText(GameChart(), fives.yourLine), "Discard everything");
    EXPECT_EQ(history::LeakLineText(GameChart(), fives.chartLine), "A pair");
    EXPECT_EQ(highCards.count, planted.highCards);
    EXPECT_DOUBLE_EQ(highCards.cost, planted.highCardsCost);
    EXPECT_GE(groups[0].cost, groups[1].cost);
    for (const LeakGroup& group : groups) {
        const HandRecord& row = planted.rows[std::size_t(group.example.id - 1)];
        EXPECT_EQ(GameChart().LineOfHold(row.dealt, row.held), group.yourLine);
        EXPECT_EQ(GameChart().LineOfHold(row.dealt, row.bestHeld), group.chartLine);
        for (const HandRecord& other : planted.rows) {
            if (other.Cost() <= group.example.cost) continue;
            EXPECT_NE(GameChart().LineOfHold(other.dealt, other.held), group.yourLine);
        }
    }
}

TEST(LeakGroups, TheTrendCountsEachSessionsHandsAndMistakes) {
    const Planted& planted = Played();
    const history::Leaks leaks = history::GroupLeaks(planted.rows, GameChart());
    ASSERT_EQ(leaks.sessions.size(), 3u);
    double total = 0;
    std::int64_t hands = 0;
    for (const auto& session : leaks.sessions) {
        hands += session.hands;
        total += session.mistakesCost;
        EXPECT_DOUBLE_EQ(session.PerHundredHands(), 100 * session.mistakesCost / session.hands);
    }
    EXPECT_EQ(hands, 6000);
    EXPECT_NEAR(total, planted.fivesCost + planted.highCardsCost, 1e-9);
}

// The review's worker groups the leaks in its one pass, and folds the hands since into them.
TEST(LeakGroups, TheReviewReadGroupsAsTheRowsDoAndFoldsNewHandsIn) {
    const Planted& planted = Played();
    ScratchFolder folder;
    auto history = history::HandHistory::Open(folder.path(), history_test::kNow).history;
    ASSERT_TRUE(history);
    for (int s = 0; s < 3; ++s) history->BeginSession("Alice", history_test::kNow);
    const std::size_t firstPart = 4000;
    for (std::size_t i = 0; i < firstPart; ++i) ASSERT_FALSE(history->Record(planted.rows[i]));
    history::ReviewReader reader(history_test::HistoryIn(folder), &GameChart());
    history::ReviewResult read = reader.Review({"Alice", 0}, 5);
    ASSERT_FALSE(read.error);
    const std::span<const HandRecord> rows(planted.rows);
    EXPECT_EQ(read.leaks, history::GroupLeaks(rows.first(firstPart), GameChart()));
    for (std::size_t i = firstPart; i < rows.size(); ++i) ASSERT_FALSE(history->Record(rows[i]));
    for (const HandRecord& hand : reader.HandsAfter({"Alice", 0}, read.review.lastHand).hands)
        read.leaks.Fold(hand, GameChart());
    EXPECT_EQ(read.leaks, history::GroupLeaks(rows, GameChart()));
    EXPECT_EQ(reader.Review({"Alice", 2}, 5).leaks.sessions.size(), 1u);
}

}  // namespace
