// The drill's deal source: a group too rare for random deals to meet still gets a deal of its
// own. The whole drill at the table is in LeaksAtTableTest.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>

#include "engine/analysis/GameChart.h"
#include "game/DrillDealer.h"
#include "game/HoldHints.h"
#include "game/history/LeakGroups.h"
#include "tests/game/history/PlantedHabits.h"
#include "tests/support/GameAdvisor.h"
#include "tests/support/SeededRandom.h"

namespace {

using modcards::analysis::GameChart;

TEST(DrillSession, AGroupTooRareToMeetGetsItsOwnDealDisguised) {
    // A line beyond the chart stands for a group too rare for any random deal tried to fit.
    auto groups = history::GroupLeaks(history_test::Played().rows, GameChart()).WorstFirst();
    history::LeakGroup rare = groups.front();
    rare.yourLine = 9999;
    history::DrillPlan plan({rare}, {});
    SeededRandom random(2024);
    DrillDealer dealer(plan, GameAdvisor(), GameChart(), random);
    const DealtCards dealt = dealer.Deal();
    EXPECT_EQ(dealt.lesson, KeyOf(rare));
    // The same cards by value, the hold values the same: the best hold keeps as much.
    auto values = [](modcards::Hand hand) {
        std::vector<int> v;
        for (const auto& card : hand) v.push_back(card.Value);
        std::sort(v.begin(), v.end());
        return v;
    };
    EXPECT_EQ(values(dealt.hand), values(rare.example.dealt));
    EXPECT_DOUBLE_EQ(TopHolds(GameAdvisor(), dealt.hand, 1).front().credits,
                     TopHolds(GameAdvisor(), rare.example.dealt, 1).front().credits);
    std::set<std::pair<int, int>> ten;
    for (const auto& card : dealt.hand) ten.insert({card.Suit, card.Value});
    for (const auto& card : dealt.reserve) ten.insert({card.Suit, card.Value});
    EXPECT_EQ(ten.size(), 10u);
}

}  // namespace
