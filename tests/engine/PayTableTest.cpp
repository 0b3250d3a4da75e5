// The pay table: the game's entries, and the pay of each category read from the table given.
#include <gtest/gtest.h>

#include "engine/PayTable.h"

namespace modcards {
namespace {

TEST(PayTable, EachPayingCategoryIsPaidItsOwnEntryAndNothingElseIsPaid) {
    PayTable table{};
    InitTables(table);
    EXPECT_EQ(table, (PayTable{5, 3000, 1000, 125, 80, 50, 20, 20, 15, 10, 5}));
    // Distinct entries, so a shifted index shows.
    const PayTable distinct{7, 101, 102, 103, 104, 105, 106, 107, 108, 109, 110};
    for (HandCategory code = 1; code < kCategoryCount; ++code)
        EXPECT_EQ(PayOf(distinct, code), 100 + code) << "code " << code;
    for (int code : {int(kNoPayingHand), -1, 11, 32767})
        EXPECT_EQ(PayOf(distinct, HandCategory(code)), 0) << "code " << code;
}

}  // namespace
}  // namespace modcards
