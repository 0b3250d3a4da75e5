// How each settled hand changes an account, and the 16-bit limits.
#include <gtest/gtest.h>

#include "accounts/Statistics.h"

namespace {

using output::PlayerRecord;
using output::RecordHand;

constexpr output::OleDate kNow = 45123.75;

modcards::PayTable Table() {
    modcards::PayTable table{};
    modcards::InitTables(table);
    return table;
}

TEST(RecordHand, EveryCategoryFollowsItsRowAndOtherCodesCountAsLost) {
    using R = PlayerRecord;
    const struct {
        std::int16_t code;
        std::int16_t R::*counter;  // HandsLost for a losing code
        int pay;
        output::OleDate R::*date;
    } rows[] = {{1, &R::RoyalFlushes, 3000, &R::LastRoyalFlush},
                {2, &R::FourDeuces, 1000, &R::LastFourDeuces},
                {3, &R::DeuceRoyals, 125, &R::LastDeuceRoyal},
                {4, &R::FiveOfAKinds, 80, nullptr},
                {5, &R::StraightFlushes, 50, nullptr},
                {6, &R::FourOfAKinds, 20, nullptr},
                {7, &R::FullHouses, 20, nullptr},
                {8, &R::Flushes, 15, nullptr},
                {9, &R::Straights, 10, nullptr},
                {10, &R::ThreeOfAKinds, 5, nullptr},
                {0, &R::HandsLost, 0, nullptr},
                {-1, &R::HandsLost, 0, nullptr},
                {11, &R::HandsLost, 0, nullptr}};
    for (const auto& row : rows) {
        PlayerRecord before;
        before.Credits = 100;
        before.HandsPlayed = before.HandsLost = 4;
        PlayerRecord expected = before;
        expected.*row.counter += 1;
        expected.Credits = static_cast<std::int16_t>(100 + row.pay);
        expected.HandsWon = row.counter == &R::HandsLost ? 0 : 1;
        expected.HandsPlayed = 5;
        if (row.date) expected.*row.date = kNow;

        EXPECT_FALSE(RecordHand(before, row.code, Table(), kNow).Any());
        EXPECT_EQ(before, expected) << "code " << row.code;
    }
}

TEST(RecordHand, TheBalanceStopsAtItsLimitAndTheLowestBalanceStillPaysAStake) {
    PlayerRecord record;
    record.Credits = 32000;
    const auto report = RecordHand(record, 1, Table(), kNow);
    EXPECT_EQ(record.Credits, 32767);
    EXPECT_EQ(record.RoyalFlushes, 1);
    EXPECT_TRUE(report.creditsAtLimit && !report.countersAtLimit);

    record.Credits = -32763;
    EXPECT_TRUE(output::CanChargeStake(record, 5));  // exactly the lowest balance
    record.Credits = -32764;
    EXPECT_FALSE(output::CanChargeStake(record, 5));
}

TEST(RecordHand, CountersThatReachTheirLimitStopTogetherAndKeepTheTotalsAgreeing) {
    PlayerRecord record;
    record.HandsPlayed = 32764;
    record.HandsWon = record.Flushes = 30000;
    record.HandsLost = 2764;
    // Played reaches 32767 on the third hand; every hand after it is paid but not counted.
    const std::int16_t codes[] = {8, 0, 8, 8, 0, 3};
    for (int hand = 0; hand < 6; ++hand) {
        const auto report = RecordHand(record, codes[hand], Table(), kNow);
        EXPECT_EQ(record.HandsPlayed, record.HandsWon + record.HandsLost) << "hand " << hand;
        EXPECT_EQ(record.HandsWon, record.Flushes + record.DeuceRoyals) << "hand " << hand;
        EXPECT_EQ(report.countersAtLimit, hand >= 3) << "hand " << hand;
    }
    EXPECT_EQ(record.HandsPlayed, 32767);
    EXPECT_EQ(record.Flushes, 30002);
    EXPECT_EQ(record.Credits, 15 * 3 + 125);  // paid for every win, counted or not
    EXPECT_EQ(record.LastDeuceRoyal, kNow);

    // A category counter at its limit stops the hand's totals too, even below 32767 hands.
    record = PlayerRecord{};
    record.RoyalFlushes = 32767;
    EXPECT_TRUE(RecordHand(record, 1, Table(), kNow).countersAtLimit);
    EXPECT_EQ(record.HandsPlayed, 0);
    EXPECT_EQ(record.HandsWon, 0);
    EXPECT_EQ(record.Credits, 3000);
}

}  // namespace
