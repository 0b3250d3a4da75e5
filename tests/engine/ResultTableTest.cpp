// The pay table and the result shown for each category must agree with each other.
#include <gtest/gtest.h>

#include <string>

#include "engine/PayTable.h"
#include "engine/SettlementTable.h"

namespace modcards {
namespace {

TEST(PayTable, HoldsTheStakeThenThePayOfEachCategory) {
    PayTable table{};
    table.fill(-1);
    InitTables(table);
    EXPECT_EQ(table, (PayTable{5, 3000, 1000, 125, 80, 50, 20, 20, 15, 10, 5}));
}

TEST(ResultTable, MessagesKeepTheirQuotesAndRunsOfSpaces) {
    EXPECT_EQ(SettlementResult(kNoPayingHand).message, "Try Again!");
    EXPECT_EQ(SettlementResult(kNaturalRoyalFlush).message, "Royal Flush + 3000 Credits");
    EXPECT_EQ(SettlementResult(kFlush).message, " \"Flush\"  + 15 Credits");
    EXPECT_EQ(SettlementResult(kFullHouse).message, " \"Full House\"  + 20 Credits");
    EXPECT_EQ(SettlementResult(kDeuceRoyalFlush).message,
              " \"Royal Flush (Deuces)\"   + 125 Credits");

    const std::size_t lengths[] = {10, 26, 26, 39, 29, 32, 28, 27, 22, 25, 27};
    for (HandCategory code = 0; code < kCategoryCount; ++code) {
        EXPECT_EQ(SettlementResult(code).message.size(), lengths[code]) << "code " << code;
    }
}

TEST(ResultTable, PaysWhatThePayTableAndTheMessageSay) {
    PayTable table{};
    InitTables(table);
    EXPECT_EQ(SettlementResult(kNoPayingHand).pay, 0);
    for (HandCategory code = 1; code < kCategoryCount; ++code) {
        const SettlementRow& row = SettlementResult(code);
        EXPECT_EQ(row.pay, table[code]) << "code " << code;
        const std::string credits = "+ " + std::to_string(row.pay) + " Credits";
        EXPECT_TRUE(row.message.ends_with(credits)) << row.message;
    }
}

TEST(ResultTable, LightsOneCaptionAndOneChartRowPerCategory) {
    for (HandCategory code = 1; code < kCategoryCount; ++code) {
        const SettlementRow& row = SettlementResult(code);
        EXPECT_EQ(row.captionPicture, 13 - code) << "code " << code;
        if (code <= kStraightFlush) {
            EXPECT_EQ(row.chartHalf, ChartHalf::Left) << "code " << code;
            EXPECT_EQ(row.chartPicture, 7 - code) << "code " << code;
        } else {
            EXPECT_EQ(row.chartHalf, ChartHalf::Right) << "code " << code;
            EXPECT_EQ(row.chartPicture, 12 - code) << "code " << code;
        }
    }
    const SettlementRow& losing = SettlementResult(kNoPayingHand);
    EXPECT_EQ(losing.captionPicture, 13);
    EXPECT_EQ(losing.chartHalf, ChartHalf::None);
    EXPECT_EQ(losing.chartPicture, 0);
}

TEST(ResultTable, UnknownCodesShowALosingHand) {
    for (HandCategory code : {-1, 11, 32767, -32768}) {
        EXPECT_EQ(&SettlementResult(code), &SettlementResult(kNoPayingHand)) << code;
    }
}

}  // namespace
}  // namespace modcards
