// Spaced repetition of leak groups: the boxes and the order groups come up in, and a drill's
// answers as History.db keeps them with their hands.
#include <gtest/gtest.h>

#include "engine/analysis/GameChart.h"
#include "game/history/DrillBoxes.h"
#include "game/history/HandHistory.h"
#include "game/history/ReviewReader.h"
#include "tests/game/history/HistoryTestFiles.h"

namespace {

using history::DrillBox;
using history::DrillPlan;
using history::LeakGroup;
using history::LeakKey;
using history_test::Hand;
using history_test::kNow;

LeakGroup Group(int yours, int chart, double cost) {
    LeakGroup group;
    group.yourLine = yours;
    group.chartLine = chart;
    group.count = 1;
    group.cost = cost;
    return group;
}

TEST(DrillBoxes, ARightAnswerMovesUpAndSpacesOutAndAWrongOneGoesBackToBoxOne) {
    DrillBox box{{3, 7}};
    box = history::AfterAnswer(box, true, 1);
    EXPECT_EQ(box, (DrillBox{{3, 7}, 2, 3}));  // due after two more drills
    box = history::AfterAnswer(box, true, 3);
    EXPECT_EQ(box, (DrillBox{{3, 7}, 3, 7}));
    box = history::AfterAnswer(box, true, 7);
    box = history::AfterAnswer(box, true, 15);
    EXPECT_EQ(box, (DrillBox{{3, 7}, 5, 31}));
    box = history::AfterAnswer(box, true, 31);  // the top box is the last
    EXPECT_EQ(box, (DrillBox{{3, 7}, 5, 47}));
    box = history::AfterAnswer(box, false, 47);
    EXPECT_EQ(box, (DrillBox{{3, 7}, 1, 47}));  // due again at once
}

TEST(DrillBoxes, TheDueGroupsComeLowestBoxFirstThenTheCostliest) {
    // Listed worst first, as the review lists them.
    const std::vector<LeakGroup> groups{Group(1, 2, 9.0), Group(3, 4, 5.0), Group(5, 6, 1.0)};
    history::DrillState stored;
    stored.asked = 10;
    stored.boxes = {{{1, 2}, 3, 10}, {{3, 4}, 2, 12}};  // due now in box 3; waiting in box 2
    DrillPlan plan(groups, stored);
    // Never drilled: box 1, due, so before the costlier group in box 3.
    EXPECT_EQ(KeyOf(plan.Next()), (LeakKey{5, 6}));
    plan.Answer({5, 6}, true);  // box 2, due at 13
    EXPECT_EQ(KeyOf(plan.Next()), (LeakKey{1, 2}));
    plan.Answer({1, 2}, false);  // back to box 1
    EXPECT_EQ(plan.BoxOf({1, 2}), (DrillBox{{1, 2}, 1, 12}));
    EXPECT_EQ(KeyOf(plan.Next()), (LeakKey{1, 2}));
    plan.Answer({1, 2}, true);  // box 2, due at 15; {3, 4} (due at 12) before {5, 6} (13)
    EXPECT_EQ(KeyOf(plan.Next()), (LeakKey{3, 4}));
    plan.Answer({3, 4}, true);                       // box 3, due at 18
    EXPECT_EQ(KeyOf(plan.Next()), (LeakKey{5, 6}));  // due at 13
    plan.Answer({5, 6}, true);                       // box 3, due at 19
    EXPECT_EQ(KeyOf(plan.Next()), (LeakKey{1, 2}));  // due at 15
    plan.Answer({1, 2}, true);                       // box 3, due at 20
    // Nothing due at 16: the one due soonest comes.
    EXPECT_EQ(plan.Asked(), 16);
    EXPECT_EQ(KeyOf(plan.Next()), (LeakKey{3, 4}));
}

// Two deuces held is right; the king alone, far worse, is wrong (and is not the chart's hold).
history::HandRecord DrillHand(std::int64_t session, LeakKey group, bool right) {
    auto hand = Hand(session, "2c 2d 5h 9s Kh", right ? "11000" : "00001", "2c 2d 6h 7s 8h",
                     right ? 3.0 : 1.0, 3.0);
    hand.bestHeld = 0b00011;
    hand.mode = history::kDrillMode;
    hand.drill = group;
    return hand;
}

TEST(DrillHistory, EachAnswerIsKeptWithItsHandAndMovesItsGroupsBox) {
    ScratchFolder folder;
    auto opened = history::HandHistory::Open(folder.path(), kNow);
    ASSERT_TRUE(opened.history) << opened.error->Describe();
    history::HandHistory& file = *opened.history;
    const auto first = file.BeginSession("Alice", kNow).session.id;
    const LeakKey pair{40, 30}, deuce{12, 5};
    ASSERT_FALSE(file.Record(DrillHand(first, pair, true)));
    ASSERT_FALSE(file.Record(DrillHand(first, deuce, false)));
    ASSERT_FALSE(file.Record(DrillHand(first, pair, true)));
    // An ordinary mistake of the same deal: a leak, while the drills are not.
    ASSERT_FALSE(file.Record(Hand(first, "2c 2d 5h 9s Kh", "00001", "2c 2d 6h 7s 8h", 1.0, 3.0)));
    const auto second = file.BeginSession("Alice", kNow).session.id;
    ASSERT_FALSE(file.Record(DrillHand(second, pair, false)));
    ASSERT_FALSE(file.Record(DrillHand(second, deuce, true)));
    // Another player's drills are theirs.
    auto bob = DrillHand(file.BeginSession("Bob", kNow).session.id, pair, true);
    bob.player = "Bob";
    ASSERT_FALSE(file.Record(bob));
    // A drill's group on a hand of another mode is refused.
    auto stray = DrillHand(second, pair, true);
    stray.mode = history::kAccountMode;
    EXPECT_TRUE(file.Record(stray));

    history::ReviewReader reader(file.file(), &modcards::analysis::GameChart());
    const auto drills = reader.Drills("Alice");
    ASSERT_FALSE(drills.error);
    EXPECT_EQ(drills.state.asked, 5);
    // pair: right (2, due 3), right (3, due 7), wrong (1, due 4); deuce: wrong (1, due 2),
    // right (2, due 7).
    std::vector<DrillBox> boxes = drills.state.boxes;
    std::sort(boxes.begin(), boxes.end(),
              [](const DrillBox& a, const DrillBox& b) { return a.group < b.group; });
    EXPECT_EQ(boxes, (std::vector<DrillBox>{{deuce, 2, 7}, {pair, 1, 4}}));
    EXPECT_EQ(reader.Drills("Bob").state.asked, 1);

    const auto read = reader.Review({"Alice", 0}, 5);
    ASSERT_FALSE(read.error);
    EXPECT_EQ(read.review.handsPlayed, 1);  // the drills count in no figure
    ASSERT_EQ(read.leaks.groups.size(), 1u);
    EXPECT_EQ(read.leaks.groups.begin()->second.count, 1);
    ASSERT_EQ(read.leaks.sessions.size(), 1u);  // the drills count in no session's trend
    EXPECT_EQ(read.leaks.sessions[0].hands, 1);
    using Tallies = std::vector<history::DrillTally>;
    EXPECT_EQ(read.leaks.drills.at(pair), (Tallies{{first, 2, 2}, {second, 1, 0}}));
    EXPECT_EQ(read.leaks.drills.at(deuce), (Tallies{{first, 1, 0}, {second, 1, 1}}));
    // One session's review has that session's drills only.
    const auto one = reader.Review({"Alice", second}, 5);
    EXPECT_EQ(one.leaks.drills.at(pair), (Tallies{{second, 1, 0}}));
}

}  // namespace
