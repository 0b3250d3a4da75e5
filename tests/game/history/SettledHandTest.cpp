// The row of a settled hand: its category, pay and the exact values of the hold and best hold.
#include <gtest/gtest.h>

#include "engine/CardText.h"
#include "engine/PayTable.h"
#include "engine/analysis/Pays.h"
#include "game/history/LocalTime.h"
#include "game/history/SettledHand.h"
#include "tests/support/GameAdvisor.h"
#include "tests/support/SettledHands.h"

namespace {

using history::RecordOfHand;
using modcards::ParseHand;

const history::Session kSession{7, "Alice", "2024-05-01T14:00:00"};

history::RecordResult Row(const char* dealt, history::HeldSlots held, const char* finalHand) {
    return RecordOfHand(kSession, "2024-05-01T14:03:22",
                        SettledByTheTable(ParseHand(dealt), held, ParseHand(finalHand)),
                        GameAdvisor());
}

TEST(SettledHandRows, StandingPatIsWorthExactlyThePay) {
    const auto royal = Row("Th Jh Qh Kh Ah", 0b11111, "Th Jh Qh Kh Ah");
    ASSERT_EQ(royal.error, "");
    EXPECT_EQ(royal.record.category, 1);
    EXPECT_EQ(royal.record.pay, 3000);
    EXPECT_EQ(royal.record.holdEv, 3000.0);
    EXPECT_EQ(royal.record.bestEv, 3000.0);
    EXPECT_EQ(royal.record.bestHeld, 0b11111);
    EXPECT_EQ(royal.record.mode, "account");
    EXPECT_EQ(royal.record.pays, "600,200,25,16,10,4,4,3,2,1");

    // Standing pat on nothing beside four to a royal, the best hold. Of the 47 cards that may
    // come, Ah makes the royal (3000), 9h a straight flush (50), each deuce a royal with a deuce
    // (125), six other hearts a flush (15) and the other aces and nines a straight (10).
    const auto nothing = Row("Th Jh Qh Kh 3s", 0b11111, "Th Jh Qh Kh 3s");
    ASSERT_EQ(nothing.error, "");
    EXPECT_EQ(nothing.record.pay, 0);
    EXPECT_EQ(nothing.record.holdEv, 0.0);
    EXPECT_EQ(nothing.record.bestHeld, 0b01111);
    EXPECT_EQ(nothing.record.bestEv, (3000 + 50 + 4 * 125 + 6 * 15 + 6 * 10) / 47.0);
}

TEST(SettledHandRows, AWeakerHoldKeepsItsOwnValueBesideTheBest) {
    // The analyser's exact values per credit: the lone deuce 180178/178365, the best hold
    // (ace, deuce, king) 1179/1081; times the 5-credit stake.
    const auto row = Row("Ah 2c 5d 9s Kh", 0b00010, "Jd 2c 7d Jc 4s");
    ASSERT_EQ(row.error, "");
    EXPECT_EQ(row.record.category, 10);  // two jacks and the deuce
    EXPECT_EQ(row.record.pay, 5);
    EXPECT_EQ(row.record.holdEv, 900890.0 / 178365.0);
    EXPECT_EQ(row.record.bestEv, 5895.0 / 1081.0);
    EXPECT_EQ(row.record.bestHeld, 0b10011);
    EXPECT_EQ(history::HeldText(row.record.held), "01000");
    EXPECT_EQ(history::HeldText(row.record.bestHeld), "11001");
}

TEST(SettledHandRows, HandsThatCannotHaveBeenPlayedAreRefusedInWords) {
    EXPECT_EQ(Row("Ah 2c 5d 9s Kh", 0b00010, "Jd 3c 7d Jc 4s").error,
              "the final cards do not follow from the dealt cards and the hold");
    EXPECT_EQ(Row("Ah 2c 5d 9s Kh", 0b00000, "Ah 3c 7d Jc 4s").error,
              "the final cards do not follow from the dealt cards and the hold");
    EXPECT_EQ(Row("Ah 2c 5d 9s Kh", 0b100000, "Ah 2c 5d 9s Kh").error,
              "the dealt cards are not five different cards of the deck");
    history::SettledHand other;
    other.payTable[1] = 4000;
    EXPECT_EQ(RecordOfHand(kSession, "2024-05-01T14:03:22", other, GameAdvisor()).error,
              "the perfect-play tables were built for another pay table");
}

TEST(LocalTimes, WrittenToTheSecondAndChecked) {
    EXPECT_EQ(history::LocalTimeText(45000.25), "2023-03-15T06:00:00");
    EXPECT_EQ(history::LocalTimeText(45000.0 + 59.6 / 86400), "2023-03-15T00:01:00");
    EXPECT_TRUE(history::IsLocalTimeText("2024-02-29T23:59:59"));
    EXPECT_FALSE(history::IsLocalTimeText("2023-02-29T10:00:00"));
    EXPECT_FALSE(history::IsLocalTimeText("2024-05-01 14:03:22"));
}

}  // namespace
