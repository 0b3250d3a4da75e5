// How each settled hand changes an account, and the 16-bit limits.
#include <gtest/gtest.h>

#include "accounts/Statistics.h"
#include "engine/PayTable.h"

namespace {

using output::PlayerRecord;
using output::RecordHand;

constexpr output::OleDate kNow = 45123.75;

modcards::PayTable Table() {
    modcards::PayTable table{};
    modcards::InitTables(table);
    return table;
}

struct Row {
    std::int16_t category;
    std::int16_t PlayerRecord::*counter;
    int pay;
    output::OleDate PlayerRecord::*date;  // null when no date is stamped
};

TEST(RecordHand, EveryPayingCategoryFollowsItsRow) {
    const Row rows[] = {
        {1, &PlayerRecord::RoyalFlushes, 3000, &PlayerRecord::LastRoyalFlush},
        {2, &PlayerRecord::FourDeuces, 1000, &PlayerRecord::LastFourDeuces},
        {3, &PlayerRecord::DeuceRoyals, 125, &PlayerRecord::LastDeuceRoyal},
        {4, &PlayerRecord::FiveOfAKinds, 80, nullptr},
        {5, &PlayerRecord::StraightFlushes, 50, nullptr},
        {6, &PlayerRecord::FourOfAKinds, 20, nullptr},
        {7, &PlayerRecord::FullHouses, 20, nullptr},
        {8, &PlayerRecord::Flushes, 15, nullptr},
        {9, &PlayerRecord::Straights, 10, nullptr},
        {10, &PlayerRecord::ThreeOfAKinds, 5, nullptr},
    };
    for (const Row& row : rows) {
        PlayerRecord before;
        before.Credits = 100;
        before.HandsPlayed = before.HandsLost = 4;
        PlayerRecord expected = before;
        expected.*row.counter += 1;
        expected.Credits = static_cast<std::int16_t>(100 + row.pay);
        expected.HandsWon = 1;
        expected.HandsPlayed = 5;
        if (row.date) expected.*row.date = kNow;

        PlayerRecord after = before;
        EXPECT_FALSE(RecordHand(after, row.category, Table(), kNow).Any());
        EXPECT_EQ(after, expected) << "category " << row.category;
    }
}

TEST(RecordHand, LosingAndUnknownCodesCountOnlyAsLost) {
    for (std::int16_t code : {0, -1, 11, 32767, -32768}) {
        PlayerRecord record;
        record.Credits = 10;
        RecordHand(record, code, Table(), kNow);
        PlayerRecord expected;
        expected.Credits = 10;
        expected.HandsLost = expected.HandsPlayed = 1;
        EXPECT_EQ(record, expected) << "code " << code;
    }
}

TEST(RecordHand, FieldsStopAtTheirLimitInsteadOfWrapping) {
    PlayerRecord record;
    record.Credits = 32000;
    record.RoyalFlushes = 32767;
    auto report = RecordHand(record, 1, Table(), kNow);
    EXPECT_EQ(record.Credits, 32767);
    EXPECT_EQ(record.RoyalFlushes, 32767);
    EXPECT_TRUE(report.creditsAtLimit);
    EXPECT_TRUE(report.countersAtLimit);

    record = PlayerRecord{};
    record.HandsPlayed = record.HandsLost = 32767;
    report = RecordHand(record, 0, Table(), kNow);
    EXPECT_EQ(record.HandsPlayed, 32767);
    EXPECT_EQ(record.HandsLost, 32767);
    EXPECT_FALSE(report.creditsAtLimit);
    EXPECT_TRUE(report.countersAtLimit);
}

TEST(RecordHand, StakesThatWouldPassTheLowestBalanceAreRefused) {
    PlayerRecord record;
    record.Credits = -32763;
    EXPECT_TRUE(output::CanChargeStake(record, 5));  // exactly -32768
    record.Credits = -32764;
    EXPECT_FALSE(output::CanChargeStake(record, 5));
    record.Credits = 32767;
    EXPECT_FALSE(output::CanChargeStake(record, -1));  // a refund past the top
}

}  // namespace
