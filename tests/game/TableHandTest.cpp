// Whole hands at the table with no window: deal, hold, draw, settlement, the balance, the saved
// account and its statistics, from scripted deals, at the game's pay table and another.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <deque>
#include <string>
#include <vector>

#include "accounts/AccountsFile.h"
#include "engine/CardText.h"
#include "game/DealSource.h"
#include "game/PlayerAtTable.h"
#include "game/TableHand.h"
#include "tests/support/FixedClock.h"
#include "tests/support/ScriptedDeals.h"
#include "tests/support/ScriptedDeck.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TenCardDeals.h"
#include "tests/support/TestFiles.h"

namespace {

constexpr std::string_view kFullHouse = "9c 9d 9s 4h 4d 3c 5c 6c 7c 8c";
// Held 9c 9d 2s: the draw brings the other two nines.
constexpr std::string_view kDeuceAndNines = "9c 9d 2s 4h Kd 3c 5c 6c 9h 9s";

// Stake 1; pays 4000, 200, 25, 15, 9, 5, 3, 2, 2, 1.
constexpr modcards::PayTable kOtherPays{1, 4000, 200, 25, 15, 9, 5, 3, 2, 2, 1};

class HandAtTable : public testing::Test {
protected:
    explicit HandAtTable(const modcards::PayTable& pays = modcards::GamePayTable())
        : ctx(folder.filePath("Players.dat").toStdString(), clock, unused, dialogs, pays),
          hand(ctx, deals) {
        ctx.CurrentPlayer = Account("Ann", 200);
        ctx.PlayerFilePos = 0;
        hand.TakeSeat();
        QObject::connect(&hand, &TableHand::Settled, [this](const history::SettledHand& settled) {
            this->settled.push_back(settled);
        });
    }

    // Deals, holds the positions listed and draws.
    void Play(std::string_view tenCards, std::initializer_list<int> holds) {
        deals.Queue(tenCards);
        ASSERT_TRUE(hand.Deal());
        for (int slot : holds) hand.ToggleHold(slot);
        ASSERT_TRUE(hand.Draw());
    }

    output::PlayerRecord Stored() const {
        return output::FindPlayer(ctx.accountsFile, "Ann").record;
    }

    QTemporaryDir folder;
    FixedClock clock;
    ScriptedDeck unused;  // the hand deals from `deals` only
    ScriptedDialogs dialogs;
    ScriptedDeals deals;
    GameContext ctx;
    TableHand hand;
    std::vector<history::SettledHand> settled;
};

class HandAtOtherTable : public HandAtTable {
protected:
    HandAtOtherTable() : HandAtTable(kOtherPays) {}
};

TEST_F(HandAtTable, AWholeHandIsChargedDealtHeldDrawnPaidSavedAndCounted) {
    deals.Queue(kDeuceAndNines);
    ASSERT_TRUE(hand.Deal());
    EXPECT_EQ(hand.Phase(), HandPhase::Holding);
    EXPECT_EQ(hand.ShownBalance(), 195);
    EXPECT_EQ(ctx.CurrentPlayer.Credits, 195);
    EXPECT_EQ(Stored().Credits, 195);  // whatever ends the game before the draw
    EXPECT_EQ(hand.Shown(), modcards::ParseHand("9c 9d 2s 4h Kd"));
    EXPECT_EQ(hand.Message(), "Hold any cards and Draw!");
    EXPECT_EQ(hand.CaptionPicture(), 2);
    for (int slot : {0, 2, 1, 3}) hand.ToggleHold(slot);
    hand.SetHeld(3, false);
    hand.SetHeld(7, true);  // no such card
    EXPECT_EQ(hand.Held(), 0b00111);

    ASSERT_TRUE(hand.Draw());
    EXPECT_EQ(hand.Phase(), HandPhase::BetweenHands);
    EXPECT_EQ(hand.Held(), 0);
    EXPECT_EQ(hand.Shown(), modcards::ParseHand("9c 9d 2s 9h 9s"));  // table order
    EXPECT_EQ(hand.Cards(), modcards::ParseHand("2s 9c 9d 9h 9s"));  // sorted
    ASSERT_EQ(settled.size(), 1u);
    EXPECT_EQ(settled[0].dealt, modcards::ParseHand("9c 9d 2s 4h Kd"));
    EXPECT_EQ(settled[0].held, 0b00111);
    EXPECT_EQ(settled[0].finalHand, hand.Shown());
    EXPECT_EQ(settled[0].category, 4);  // five of a kind
    EXPECT_EQ(settled[0].pay, 80);
    EXPECT_EQ(hand.ShownBalance(), 275);
    EXPECT_EQ(hand.CaptionPicture(), 9);
    EXPECT_EQ(hand.LitHalf(), ChartHalf::Left);
    EXPECT_EQ(hand.LitPicture(), 3);
    EXPECT_EQ(Stored(), ctx.CurrentPlayer);
    EXPECT_EQ(Stored().Credits, 275);
    EXPECT_EQ(Stored().FiveOfAKinds, 1);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(HandAtTable, ALosingHandUnlightsTheChartKeepsTheStakeAndIsCountedLost) {
    Play(kFullHouse, {0, 1, 2, 3, 4});
    EXPECT_EQ(hand.LitHalf(), ChartHalf::Right);
    Play(kNothing, {});
    EXPECT_EQ(hand.Shown(), modcards::ParseHand("As Kd Qs 8h Ts"));
    EXPECT_EQ(hand.Message(), "Try Again!");
    EXPECT_EQ(hand.CaptionPicture(), 13);
    EXPECT_EQ(hand.LitHalf(), ChartHalf::None);
    EXPECT_EQ(hand.ShownBalance(), 200 - 5 + 20 - 5);
    EXPECT_EQ(settled[1].category, 0);
    EXPECT_EQ(settled[1].pay, 0);
    const output::PlayerRecord stored = Stored();
    EXPECT_EQ(std::tie(stored.HandsPlayed, stored.HandsLost, stored.FullHouses, stored.Credits),
              std::make_tuple(2, 1, 1, 210));
}

// The table shows a win before the save, so a failing disk is told over the result; a loss is
// shown once it is saved.
TEST_F(HandAtTable, AWinIsShownBeforeItIsSavedALossAfter) {
    std::vector<int> savedHandsWhenShown;
    QObject::connect(&hand, &TableHand::ResultReady,
                     [&] { savedHandsWhenShown.push_back(Stored().HandsPlayed); });
    Play(kFullHouse, {0, 1, 2, 3, 4});
    Play(kNothing, {});
    EXPECT_EQ(savedHandsWhenShown, (std::vector<int>{0, 2}));
}

TEST_F(HandAtTable, TheDrawCheckCanHoldTheDrawBackWithTheHoldsOpen) {
    bool lets = false;
    int starts = 0;
    hand.SetDrawCheck([&] { return lets; });
    QObject::connect(&hand, &TableHand::DrawStarting, [&] { ++starts; });
    EXPECT_FALSE(hand.Draw());  // nothing dealt
    deals.Queue(kNothing);
    ASSERT_TRUE(hand.Deal());
    EXPECT_FALSE(hand.Deal());  // one hand at a time
    hand.ToggleHold(1);
    EXPECT_FALSE(hand.Draw());
    EXPECT_EQ(starts, 0);
    EXPECT_EQ(hand.Held(), 0b00010);
    lets = true;
    EXPECT_TRUE(hand.Draw());
    EXPECT_EQ(starts, 1);
    hand.ToggleHold(1);  // between hands nothing is held
    EXPECT_EQ(hand.Held(), 0);
}

TEST_F(HandAtTable, TheStakeIsRefusedInWordsBelowTheLowestBalance) {
    ctx.CurrentPlayer.Credits = -32766;
    hand.TakeSeat();
    EXPECT_FALSE(hand.Deal());
    EXPECT_EQ(hand.Phase(), HandPhase::BetweenHands);
    EXPECT_EQ(hand.ShownBalance(), -32766);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].text.contains("cannot be dealt"));
}

// A hand belongs to the account that paid its stake: the player cannot change until it is drawn.
TEST_F(HandAtTable, ThePlayerChangesOnlyBetweenHands) {
    int commands = 0, seated = 0;
    const auto command = [&](GameContext& c) {
        ++commands;
        c.CurrentPlayer = Account("Bea", 50);
        return true;
    };
    QObject::connect(&hand, &TableHand::Seated, [&] { ++seated; });
    deals.Queue(kFullHouse);
    ASSERT_TRUE(hand.Deal());
    EXPECT_FALSE(hand.ChangePlayer(command));
    EXPECT_EQ(commands, 0);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].text.contains("finish the hand first"));
    for (int slot = 0; slot < 5; ++slot) hand.ToggleHold(slot);
    ASSERT_TRUE(hand.Draw());
    EXPECT_EQ(Stored().Credits, 215);  // Ann paid and was paid

    EXPECT_TRUE(hand.ChangePlayer(command));
    EXPECT_EQ(std::tie(commands, seated), std::make_tuple(1, 1));
    EXPECT_EQ(hand.ShownBalance(), 50);
}

TEST_F(HandAtOtherTable, ChargesItsStakeAndPaysItsOwnPays) {
    Play(kFullHouse, {0, 1, 2, 3, 4});
    EXPECT_EQ(settled[0].category, 7);
    EXPECT_EQ(settled[0].pay, 3);
    EXPECT_EQ(hand.ShownBalance(), 200 - 1 + 3);
    EXPECT_EQ(Stored().Credits, 202);
    EXPECT_EQ(hand.LitHalf(), ChartHalf::Right);
    Play(kDeuceAndNines, {0, 1, 2});
    EXPECT_EQ(settled[1].pay, 15);
    EXPECT_EQ(Stored().Credits, 216);
    Play("Th Jh Qh Kh Ah 3c 4c 5c 6c 7c", {0, 1, 2, 3, 4});
    EXPECT_EQ(settled[2].pay, 4000);
    const output::PlayerRecord stored = Stored();
    EXPECT_EQ(std::tie(stored.Credits, stored.HandsPlayed, stored.RoyalFlushes),
              std::make_tuple(4215, 3, 1));
    EXPECT_EQ(stored.LastRoyalFlush, clock.Now());
}

}  // namespace
