// A drill session at the table with no window: the deals of a scripted player's planted habits,
// graded and recorded as the table does, their boxes moving up on right answers and back on
// wrong ones, and the account never touched.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <set>

#include "engine/analysis/GameChart.h"
#include "game/DrillDealer.h"
#include "game/HoldHints.h"
#include "game/TableHand.h"
#include "game/history/HandHistory.h"
#include "game/history/ReviewReader.h"
#include "tests/game/history/PlantedHabits.h"
#include "tests/support/FixedClock.h"
#include "tests/support/GameAdvisor.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TestFiles.h"

namespace {

using history::LeakKey;
using modcards::analysis::GameChart;

class SeededRandom final : public modcards::RandomSource {
public:
    void Reseed() override {}
    float Next() override { return float(engine_() >> 8) / 16777216.0f; }

private:
    std::mt19937 engine_{2024};
};

// The player's habit on `dealt`: a hold of the group's own line, a mistake's cost below the best.
modcards::HoldMask HabitHold(const modcards::Hand& dealt, LeakKey group) {
    const auto holds = TopHolds(GameAdvisor(), dealt, 32);
    for (const HoldHint& hold : holds) {
        if (holds.front().credits - hold.credits >= history::kCloseCallCredits &&
            GameChart().LineOfHold(dealt, hold.kept) == group.yourLine)
            return hold.kept;
    }
    ADD_FAILURE() << "no hold of the group's line on the deal";
    return 0;
}

TEST(DrillSession, DealsOnlyThePlantedHabitsAndMovesTheirBoxesUpAndBack) {
    const auto groups = history::GroupLeaks(history_test::Played().rows, GameChart()).WorstFirst();
    std::set<LeakKey> planted;
    for (const auto& group : groups) planted.insert(KeyOf(group));
    ASSERT_GE(planted.size(), 2u);
    history::DrillPlan plan(groups, {});
    SeededRandom random;
    DrillDealer dealer(plan, GameAdvisor(), GameChart(), random);

    ScratchFolder folder;
    FixedClock clock;
    ScriptedDialogs dialogs;
    GameContext ctx(folder.accounts(), clock, random, dialogs);
    ctx.CurrentPlayer = Account("Ann", 200);
    RandomDealer tableDeals(random);
    TableHand hand(ctx, tableDeals);
    hand.TakeSeat();
    int trainerAsked = 0;
    hand.SetDrawCheck([&] { return ++trainerAsked, false; });
    std::vector<history::SettledHand> settled;
    QObject::connect(&hand, &TableHand::Settled,
                     [&](const history::SettledHand& one) { settled.push_back(one); });
    auto opened = history::HandHistory::Open(folder.path(), history_test::kNow);
    ASSERT_TRUE(opened.history);
    const history::Session session =
        opened.history->BeginSession("Ann", history_test::kNow).session;

    ASSERT_TRUE(hand.StartDrill(dealer));
    std::map<LeakKey, int> boxes;  // what each group's box should be
    std::set<LeakKey> drilled;
    constexpr int kDrills = 18;
    for (int i = 0; i < kDrills; ++i) {
        const LeakKey due = KeyOf(plan.Next());
        ASSERT_TRUE(hand.Deal());
        const modcards::Hand dealt = hand.Shown();
        EXPECT_TRUE(planted.count(due));
        EXPECT_TRUE(DealFitsLeak(GameAdvisor(), GameChart(), dealt, due)) << i;
        const bool right = i % 3 != 2;
        const modcards::HoldMask hold =
            right ? GameAdvisor().BestHold(dealt) : HabitHold(dealt, due);
        for (int slot = 0; slot < 5; ++slot) hand.SetHeld(slot, (hold >> slot) & 1u);
        ASSERT_TRUE(hand.Draw());

        ASSERT_EQ(settled.size(), std::size_t(i + 1));
        EXPECT_EQ(settled.back().mode, history::kDrillMode);
        EXPECT_EQ(settled.back().drill, due);
        const auto row =
            history::RecordOfHand(session, history_test::kNow, settled.back(), GameAdvisor());
        ASSERT_EQ(row.error, "");
        EXPECT_EQ(history::DrillAnsweredRight(row.record), right);
        ASSERT_FALSE(opened.history->Record(row.record));
        plan.Answer(due, right);
        boxes[due] = right ? std::min(boxes[due] + (boxes[due] == 0 ? 2 : 1), 5) : 1;
        drilled.insert(due);
    }
    EXPECT_GE(drilled.size(), 2u);  // the plan moved on from the first group
    EXPECT_EQ(trainerAsked, 0);     // the trainer never gives a drill away

    history::ReviewReader reader(opened.history->file());
    const auto stored = reader.Drills("Ann");
    ASSERT_FALSE(stored.error);
    EXPECT_EQ(stored.state.asked, kDrills);
    std::map<LeakKey, int> storedBoxes;
    for (const auto& box : stored.state.boxes) {
        storedBoxes[box.group] = box.box;
        EXPECT_EQ(box, plan.BoxOf(box.group));
    }
    EXPECT_EQ(storedBoxes, boxes);

    // No stake, no pay, no statistics: the account's file is never even written.
    EXPECT_EQ(hand.ShownBalance(), 200);
    EXPECT_EQ(ctx.CurrentPlayer.Credits, 200);
    EXPECT_EQ(ctx.CurrentPlayer.HandsPlayed, 0);
    EXPECT_FALSE(std::filesystem::exists(folder.accounts()));
    ASSERT_TRUE(hand.LeaveDrill());
    EXPECT_FALSE(hand.Drilling());
}

TEST(DrillSession, AGroupTooRareToMeetGetsItsOwnDealDisguised) {
    // A line beyond the chart stands for a group too rare for any random deal tried to fit.
    auto groups = history::GroupLeaks(history_test::Played().rows, GameChart()).WorstFirst();
    history::LeakGroup rare = groups.front();
    rare.yourLine = 9999;
    history::DrillPlan plan({rare}, {});
    SeededRandom random;
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
