// The pay table and the result shown for each category must agree with each other.
#include <gtest/gtest.h>

#include <string>

#include "engine/PayTable.h"
#include "engine/SettlementTable.h"

namespace modcards {
namespace {

// The table shows the royal flush's, the full house's and the losing hand's messages.
TEST(ResultTable, MessagesKeepTheirQuotesAndRunsOfSpaces) {
    EXPECT_EQ(SettlementResult(kFlush).message, " \"Flush\"  + 15 Credits");
    EXPECT_EQ(SettlementResult(kDeuceRoyalFlush).message,
              " \"Royal Flush (Deuces)\"   + 125 Credits");
}

TEST(ResultTable, EachCategoryPaysItsTableEntryAndLightsItsOwnRow) {
    PayTable table{};
    InitTables(table);
    EXPECT_EQ(table, (PayTable{5, 3000, 1000, 125, 80, 50, 20, 20, 15, 10, 5}));
    for (HandCategory code = 1; code < kCategoryCount; ++code) {
        const SettlementRow& row = SettlementResult(code);
        EXPECT_EQ(row.pay, table[code]) << "code " << code;
        EXPECT_TRUE(row.message.ends_with("+ " + std::to_string(row.pay) + " Credits"));
        EXPECT_EQ(row.captionPicture, 13 - code) << "code " << code;
        const bool left = code <= kStraightFlush;
        EXPECT_EQ(row.chartHalf, left ? ChartHalf::Left : ChartHalf::Right) << "code " << code;
        EXPECT_EQ(row.chartPicture, left ? 7 - code : 12 - code) << "code " << code;
    }
    const SettlementRow& losing = SettlementResult(kNoPayingHand);
    EXPECT_EQ(std::tie(losing.pay, losing.captionPicture, losing.chartHalf, losing.chartPicture),
              std::make_tuple(0, 13, ChartHalf::None, 0));
    for (HandCategory code : {-1, 11, 32767}) EXPECT_EQ(&SettlementResult(code), &losing);
}

}  // namespace
}  // namespace modcards
