// Mistakes grouped by the chart lines of both holds: planted habits come out on top with their
// exact counts and costs, read from the file or folded hand by hand alike.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

#include "engine/CardText.h"
#include "engine/analysis/GameChart.h"
#include "game/history/HandHistory.h"
#include "game/history/HoldValues.h"
#include "game/history/LeakGroups.h"
#include "game/history/ReviewReader.h"
#include "tests/game/history/HistoryTestFiles.h"
#include "tests/support/GameAdvisor.h"

namespace {

using history::HandRecord;
using history::LeakGroup;
using modcards::analysis::GameChart;

constexpr const char* kRanks = "23456789TJQKA";
constexpr const char* kSuits = "cdhs";

bool IsDeuce(const std::string& card) {
    return card[0] == '2';
}
bool IsHigh(const std::string& card) {
    return std::string("JQKA").find(card[0]) != std::string::npos;
}

// The habits planted, and the hands they were played on.
struct Planted {
    std::vector<HandRecord> rows;  // every hand, in the order played
    int fives = 0, highCards = 0;  // hands each habit was played on
    double fivesCost = 0, highCardsCost = 0;
};

// Hand i of `sessions` sessions: a player who draws five to every deal without a deuce whose best
// hold is a lone pair, keeps the only high card rather than the only deuce whenever perfect play
// keeps that deuce alone, and otherwise plays perfectly. Deals from a seeded shuffle.
Planted PlayWithHabits(int hands, int sessions) {
    std::vector<std::string> deck;
    for (const char* s = kSuits; *s; ++s)
        for (const char* r = kRanks; *r; ++r) deck.push_back(std::string{*r, *s});
    std::mt19937 shuffle(20);
    Planted planted;
    for (int i = 0; i < hands; ++i) {
        std::shuffle(deck.begin(), deck.end(), shuffle);
        const std::vector<std::string> cards(deck.begin(), deck.begin() + 5);
        std::string text;
        for (const auto& card : cards) text += card + " ";
        HandRecord hand;
        hand.id = i + 1;
        hand.session = 1 + i * sessions / hands;
        hand.player = "Alice";
        hand.playedAt = history_test::kNow;
        hand.dealt = modcards::ParseHand(text);
        hand.finalHand = hand.dealt;
        const auto best = history::ValueHold(GameAdvisor(), hand.dealt, 0);
        hand.bestHeld = best->bestHeld;
        hand.held = hand.bestHeld;
        const auto slotOf = [&](auto fits) {
            return int(std::find_if(cards.begin(), cards.end(), fits) - cards.begin());
        };
        const int deuces = int(std::count_if(cards.begin(), cards.end(), IsDeuce));
        const int highs = int(std::count_if(cards.begin(), cards.end(), IsHigh));
        const bool lonePair = deuces == 0 && std::popcount(unsigned(hand.bestHeld)) == 2 &&
                              cards[std::countr_zero(unsigned(hand.bestHeld))][0] ==
                                  cards[31 - std::countl_zero(unsigned(hand.bestHeld))][0];
        const bool loneDeuce = deuces == 1 && highs == 1 && hand.bestHeld == 1u << slotOf(IsDeuce);
        if (lonePair) hand.held = 0;
        if (loneDeuce) hand.held = modcards::HoldMask(1u << slotOf(IsHigh));
        const auto values = history::ValueHold(GameAdvisor(), hand.dealt, hand.held);
        hand.holdEv = values->holdEv;
        hand.bestEv = values->bestEv;
        if (lonePair) ++planted.fives, planted.fivesCost += hand.Cost();
        if (loneDeuce) ++planted.highCards, planted.highCardsCost += hand.Cost();
        planted.rows.push_back(hand);
    }
    return planted;
}

const Planted& Played() {
    static const Planted planted = PlayWithHabits(6000, 3);
    return planted;
}

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
