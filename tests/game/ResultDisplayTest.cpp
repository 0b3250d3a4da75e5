// What the table shows for each settled category agrees with what the hand is paid.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "engine/PayTable.h"
#include "game/ResultDisplay.h"

namespace {

TEST(ResultDisplay, MessagesKeepTheirQuotesAndRunsOfSpaces) {
    EXPECT_EQ(ResultDisplayOf(modcards::kFlush).message, " \"Flush\"  + 15 Credits");
    EXPECT_EQ(ResultDisplayOf(modcards::kDeuceRoyalFlush).message,
              " \"Royal Flush (Deuces)\"   + 125 Credits");
}

TEST(ResultDisplay, EachCategoryNamesItsPayAndLightsItsOwnRow) {
    const modcards::PayTable table = modcards::GamePayTable();
    for (modcards::HandCategory code = 1; code < modcards::kCategoryCount; ++code) {
        const ResultDisplay& row = ResultDisplayOf(code);
        const std::string credits =
            "+ " + std::to_string(modcards::PayOf(table, code)) + " Credits";
        EXPECT_TRUE(row.message.ends_with(credits)) << "code " << code;
        EXPECT_EQ(row.captionPicture, 13 - code) << "code " << code;
        const bool left = code <= modcards::kStraightFlush;
        EXPECT_EQ(row.chartHalf, left ? ChartHalf::Left : ChartHalf::Right) << "code " << code;
        EXPECT_EQ(row.chartPicture, left ? 7 - code : 12 - code) << "code " << code;
    }
    const ResultDisplay& losing = ResultDisplayOf(modcards::kNoPayingHand);
    EXPECT_EQ(std::tie(losing.captionPicture, losing.chartHalf, losing.chartPicture),
              std::make_tuple(13, ChartHalf::None, 0));
    for (modcards::HandCategory code : {-1, 11, 32767}) EXPECT_EQ(&ResultDisplayOf(code), &losing);
}

}  // namespace
