// The result shown for each hand category, as one table indexed by the category code.
#include "engine/SettlementTable.h"

#include <array>

namespace modcards {

namespace {

// The quoted names and the runs of spaces before the credit text are the table's exact text.
constexpr std::array<SettlementRow, kCategoryCount> kRows{{
    {"Try Again!", 0, 13, ChartHalf::None, 0},
    {"Royal Flush + 3000 Credits", 3000, 12, ChartHalf::Left, 6},
    {" \"4 Deuces\" + 1000 Credits", 1000, 11, ChartHalf::Left, 5},
    {" \"Royal Flush (Deuces)\"   + 125 Credits", 125, 10, ChartHalf::Left, 4},
    {" \"5 Of a Kind\"   + 80 Credits", 80, 9, ChartHalf::Left, 3},
    {" \"Straight Flush\"   + 50 Credits", 50, 8, ChartHalf::Left, 2},
    {" \"4 of a Kind\"  + 20 Credits", 20, 7, ChartHalf::Right, 6},
    {" \"Full House\"  + 20 Credits", 20, 6, ChartHalf::Right, 5},
    {" \"Flush\"  + 15 Credits", 15, 5, ChartHalf::Right, 4},
    {" \"Straight\"  + 10 Credits", 10, 4, ChartHalf::Right, 3},
    {" \"3 of a Kind\"  + 5 Credits", 5, 3, ChartHalf::Right, 2},
}};

}  // namespace

const SettlementRow& SettlementResult(HandCategory code) {
    if (code < 0 || code >= kCategoryCount) return kRows[kNoPayingHand];
    return kRows[code];
}

}  // namespace modcards
