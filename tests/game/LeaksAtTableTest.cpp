// A player with two planted habits at the table, from the scripted deals to the review's leaks
// and a drill of them: each hand played through the table, recorded into History.db as the game
// records it, and the figures expected worked out hand by hand from the exact hold values.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <algorithm>
#include <array>
#include <map>
#include <memory>
#include <numeric>
#include <random>
#include <set>

#include "engine/CardText.h"
#include "engine/analysis/Combinatorics.h"
#include "engine/analysis/GameChart.h"
#include "game/DrillDealer.h"
#include "game/HistoryRecorder.h"
#include "game/TableHand.h"
#include "game/history/HoldGrade.h"
#include "game/history/ReviewReader.h"
#include "tests/support/FixedClock.h"
#include "tests/support/GameAdvisor.h"
#include "tests/support/RunUntil.h"
#include "tests/support/ScriptedDeck.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/SeededRandom.h"
#include "tests/support/TenCardDeals.h"
#include "tests/support/TestFiles.h"

namespace {

using history::LeakKey;
using modcards::analysis::GameChart;
using modcards::analysis::RankedHold;

constexpr int kHands = 600;
// The chart keeps 2h 2c 4s 6s here, perfect play the deuces alone; the player follows the chart.
constexpr int kChartDeal = 7;
constexpr modcards::HoldMask kChartKeeps = 0b01111;

// Ten cards of a deck shuffled by `shuffle`, as the scripted deck reads them.
std::string ShuffledDeal(std::mt19937& shuffle) {
    std::array<int, 52> deck{};
    std::iota(deck.begin(), deck.end(), 0);
    std::shuffle(deck.begin(), deck.end(), shuffle);
    std::string cards;
    for (int i = 0; i < 10; ++i)
        cards += modcards::FormatCard(modcards::analysis::CardOfIndex(deck[std::size_t(i)])) + ' ';
    return cards;
}

// The exact mean pay of a hold, in credits for the 5-credit stake.
double Credits(const RankedHold& hold) {
    return double(hold.totalPay) / double(hold.drawCount);
}

const RankedHold& HoldOf(const std::array<RankedHold, 32>& ranked, modcards::HoldMask kept) {
    return *std::find_if(ranked.begin(), ranked.end(),
                         [&](const RankedHold& hold) { return hold.keptSlots == kept; });
}

bool IsDeuce(const modcards::Card& card) {
    return card.Value == 2;
}
bool IsHigh(const modcards::Card& card) {
    return card.Value >= 11 || card.Value == 1;
}

enum class Habit { None, DrawsFive, HighCardOverDeuce };

// The planted player: with no deuce, a pair that perfect play keeps is thrown away and five
// cards drawn; with one deuce and one high card, where perfect play keeps the deuce alone, the
// high card is kept instead. Every other deal is played perfectly.
std::pair<Habit, modcards::HoldMask> PlayerHold(const modcards::Hand& dealt) {
    const modcards::HoldMask best = GameAdvisor().BestHold(dealt);
    const auto deuces = std::count_if(dealt.begin(), dealt.end(), IsDeuce);
    const auto highs = std::count_if(dealt.begin(), dealt.end(), IsHigh);
    std::vector<int> kept;
    for (int slot = 0; slot < 5; ++slot)
        if ((best >> slot) & 1u) kept.push_back(dealt[std::size_t(slot)].Value);
    if (deuces == 0 && kept.size() == 2 && kept[0] == kept[1]) return {Habit::DrawsFive, 0};
    if (deuces == 1 && highs == 1 && kept == std::vector<int>{2}) {
        const auto high = std::find_if(dealt.begin(), dealt.end(), IsHigh) - dealt.begin();
        return {Habit::HighCardOverDeuce, modcards::HoldMask(1u << high)};
    }
    return {Habit::None, best};
}

// What a habit should leave in the review: its hands' group, count and cost.
struct Planted {
    std::set<LeakKey> groups;
    std::int64_t count = 0;
    double cost = 0;
};

class LeaksAtTable : public testing::Test {
protected:
    LeaksAtTable()
        : app(argc, nullptr),
          ctx(folder.accounts(), clock, deck, dialogs),
          tableDeals(deck),
          hand(ctx, tableDeals),
          recorder(ctx) {
        ctx.CurrentPlayer = Account("Ann", 5000);
        ctx.PlayerFilePos = 0;
        hand.TakeSeat();
        recorder.SetAdvisor(std::shared_ptr<const modcards::analysis::HoldAdvisor>(
            &GameAdvisor(), [](const auto*) {}));
        QObject::connect(&hand, &TableHand::Settled, &recorder, &HistoryRecorder::Record);
        hand.SetDrawCheck([this] { return ++trainerAsked, true; });
    }

    // Holds `kept` and draws, then waits until the hand is in History.db or the recorder tells
    // why not.
    void Play(modcards::HoldMask kept) {
        const std::int64_t written = recorder.HandsWritten();
        for (int slot = 0; slot < 5; ++slot) hand.SetHeld(slot, (kept >> slot) & 1u);
        ASSERT_TRUE(hand.Draw());
        RunUntil([&] { return recorder.HandsWritten() > written || !dialogs.messages.empty(); });
        ASSERT_TRUE(dialogs.messages.empty()) << dialogs.messages[0].text.toStdString();
    }

    history::ReviewResult Review() {
        return history::ReviewReader(recorder.History()->file(), &GameChart())
            .Review({"Ann", 0}, 5);
    }

    int argc = 0;
    QCoreApplication app;
    ScratchFolder folder;
    FixedClock clock;
    ScriptedDeck deck;
    ScriptedDialogs dialogs;
    GameContext ctx;
    RandomDealer tableDeals;
    TableHand hand;
    HistoryRecorder recorder;
    int trainerAsked = 0;
};

TEST_F(LeaksAtTable, TwoHabitsAreTheTopLeaksAndTheirDrillMovesTheirBoxes) {
    std::mt19937 shuffle(20);
    for (int i = 0; i < kHands; ++i)
        deck.Queue(i == kChartDeal ? std::string(kChartErrs) : ShuffledDeal(shuffle));
    std::map<Habit, Planted> planted;
    for (int i = 0; i < kHands; ++i) {
        ASSERT_TRUE(hand.Deal());
        const modcards::Hand dealt = hand.Shown();
        auto [habit, kept] = PlayerHold(dealt);
        if (i == kChartDeal) {
            ASSERT_EQ(GameChart().PlayHand(dealt).keptSlots, kChartKeeps);
            habit = Habit::None, kept = kChartKeeps;
        }
        if (habit != Habit::None) {
            const auto ranked = GameAdvisor().RankHolds(dealt);
            const double cost = Credits(ranked.front()) - Credits(HoldOf(ranked, kept));
            ASSERT_GE(cost, history::kCloseCallCredits) << i;
            Planted& into = planted[habit];
            into.groups.insert({GameChart().LineOfHold(dealt, kept),
                                GameChart().LineOfHold(dealt, ranked.front().keptSlots)});
            ++into.count;
            into.cost += cost;
        }
        ASSERT_NO_FATAL_FAILURE(Play(kept));
    }
    // Each habit is one lesson, met often enough to count.
    for (const auto& [habit, expected] : planted) {
        ASSERT_EQ(expected.groups.size(), 1u) << int(habit);
        EXPECT_GE(expected.count, 10) << int(habit);
    }
    ASSERT_EQ(planted.size(), 2u);
    const Planted& fives = planted[Habit::DrawsFive];
    const Planted& highs = planted[Habit::HighCardOverDeuce];

    const history::ReviewResult read = Review();
    ASSERT_FALSE(read.error) << read.error->Describe();
    EXPECT_EQ(read.review.handsPlayed, kHands);
    EXPECT_EQ(read.review.mistakeCount, fives.count + highs.count);
    // Following the chart where it errs is the chart's exception, in no leak.
    EXPECT_EQ(read.review.chartExceptionCount, 1);
    ASSERT_EQ(read.review.chartExceptions.size(), 1u);
    EXPECT_EQ(read.review.chartExceptions[0].dealt, modcards::ParseHand("2h 2c 4s 6s 9d"));
    const std::vector<history::LeakGroup> leaks = read.leaks.WorstFirst();
    ASSERT_EQ(leaks.size(), 2u);
    const bool fivesCostlier = fives.cost > highs.cost;
    for (const auto& [group, expected] : {std::pair{leaks[fivesCostlier ? 0 : 1], &fives},
                                          std::pair{leaks[fivesCostlier ? 1 : 0], &highs}}) {
        EXPECT_EQ(KeyOf(group), *expected->groups.begin());
        EXPECT_EQ(group.count, expected->count);
        EXPECT_NEAR(group.cost, expected->cost, 1e-9);
    }
    ASSERT_EQ(read.leaks.sessions.size(), 1u);
    EXPECT_EQ(read.leaks.sessions[0].hands, kHands);
    EXPECT_NEAR(read.leaks.sessions[0].mistakesCost, fives.cost + highs.cost, 1e-9);

    // The drill: deals of those two groups alone, each box moving up on a right answer and back
    // to box 1 on a wrong one; the account neither charged, paid nor saved.
    const std::string accountBytes = ReadAll(folder.accounts());
    const std::int16_t credits = ctx.CurrentPlayer.Credits;
    const int askedAtTable = trainerAsked;
    const std::set<LeakKey> habits = {*fives.groups.begin(), *highs.groups.begin()};
    history::DrillPlan plan(leaks,
                            history::ReviewReader(recorder.History()->file()).Drills("Ann").state);
    SeededRandom random(2026);
    DrillDealer dealer(plan, GameAdvisor(), GameChart(), random);
    ASSERT_TRUE(hand.StartDrill(dealer));
    std::map<LeakKey, int> boxes;  // each group's box, by the rules: up one, or back to 1
    constexpr int kDrills = 15;
    for (int i = 0; i < kDrills; ++i) {
        const LeakKey due = KeyOf(plan.Next());
        ASSERT_TRUE(habits.contains(due));
        ASSERT_TRUE(hand.Deal());
        const modcards::Hand dealt = hand.Shown();
        // The deal teaches the group: its best hold fits the chart line, and a hold of the
        // player's line is there at a mistake's cost.
        const auto ranked = GameAdvisor().RankHolds(dealt);
        EXPECT_EQ(GameChart().LineOfHold(dealt, ranked.front().keptSlots), due.chartLine) << i;
        const auto habitual = std::find_if(ranked.begin(), ranked.end(), [&](const auto& hold) {
            return Credits(ranked.front()) - Credits(hold) >= history::kCloseCallCredits &&
                   GameChart().LineOfHold(dealt, hold.keptSlots) == due.yourLine;
        });
        ASSERT_NE(habitual, ranked.end()) << i;
        const bool right = i % 3 != 2;
        ASSERT_NO_FATAL_FAILURE(Play(right ? ranked.front().keptSlots : habitual->keptSlots));
        plan.Answer(due, right);
        int& box = boxes[due];
        box = right ? std::min(std::max(box, 1) + 1, history::kTopBox) : 1;
    }
    EXPECT_EQ(boxes.size(), 2u);  // both habits drilled
    const auto stored = history::ReviewReader(recorder.History()->file()).Drills("Ann");
    ASSERT_FALSE(stored.error);
    EXPECT_EQ(stored.state.asked, kDrills);
    std::map<LeakKey, int> storedBoxes;
    for (const auto& box : stored.state.boxes) storedBoxes[box.group] = box.box;
    EXPECT_EQ(storedBoxes, boxes);
    EXPECT_EQ(trainerAsked, askedAtTable);  // the trainer never gives a drill away
    EXPECT_EQ(ctx.CurrentPlayer.Credits, credits);
    EXPECT_EQ(ReadAll(folder.accounts()), accountBytes);

    // The drills count in no figure and in no leak.
    const history::ReviewResult after = Review();
    EXPECT_EQ(after.review, read.review);
    EXPECT_EQ(after.leaks.WorstFirst(), leaks);
}

}  // namespace
