// Mistakes grouped by the chart lines of both holds: planted habits come out on top with their
// exact counts and costs, read from the file or folded hand by hand alike.
#include <gtest/gtest.h>

#include "engine/CardText.h"
#include "engine/analysis/GameChart.h"
#include "game/history/HandHistory.h"
#include "game/history/LeakGroups.h"
#include "game/history/ReviewReader.h"
#include "game/history/SessionReview.h"
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

// The groups are the game chart's lines, so only hands of the game's table join them: a practice
// table's mistakes are counted in their sessions and said to be left out; a practice hand at
// the game's own pays groups as the account's do.
TEST(LeakGroups, HandsOfAnotherTableAreLeftOutOfTheGroupsButNotOfTheTrend) {
    const Planted& planted = Played();
    const history::Leaks account = history::GroupLeaks(planted.rows, GameChart());
    std::vector<HandRecord> practice = planted.rows, atGamePays = planted.rows;
    for (HandRecord& row : practice) {
        row.mode = history::kPracticeMode;
        row.pays = "800,200,25,15,9,5,3,2,2,1";
    }
    for (HandRecord& row : atGamePays) row.mode = history::kPracticeMode;

    const history::Leaks leftOut = history::GroupLeaks(practice, GameChart());
    EXPECT_TRUE(leftOut.groups.empty());
    EXPECT_EQ(leftOut.otherTables, planted.fives + planted.highCards);
    EXPECT_EQ(leftOut.sessions, account.sessions);
    EXPECT_EQ(account.otherTables, 0);
    EXPECT_EQ(history::GroupLeaks(atGamePays, GameChart()).groups, account.groups);
    // Nor does the game's chart call a practice table's hold its own (2♥ 2♣ 4♠ 6♠ 9♦: the chart
    // keeps the four to a straight flush, perfect play the deuces).
    HandRecord chartHold;
    chartHold.dealt = modcards::ParseHand("2h 2c 4s 6s 9d");
    chartHold.held = 0b01111;
    chartHold.bestHeld = 0b00011;
    chartHold.holdEv = 15.0;
    chartHold.bestEv = 15.17;
    EXPECT_TRUE(history::IsChartHold(chartHold));
    chartHold.pays = "800,200,25,15,9,5,3,2,2,1";
    EXPECT_FALSE(history::IsChartHold(chartHold));
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
        read.leaks.Fold(hand, history::GameGrading());
    EXPECT_EQ(read.leaks, history::GroupLeaks(rows, GameChart()));
    EXPECT_EQ(reader.Review({"Alice", 2}, 5).leaks.sessions.size(), 1u);
}

}  // namespace
