// The result shown for each hand category, as one table indexed by the category code.
#include "game/ResultDisplay.h"

#include <array>

namespace {

// The quoted names and the runs of spaces before the credit text are the table's exact text.
constexpr std::array<ResultDisplay, modcards::kCategoryCount> kRows{{
    {"Try Again!", 13, ChartHalf::None, 0},
    {"Royal Flush + 3000 Credits", 12, ChartHalf::Left, 6},
    {" \"4 Deuces\" + 1000 Credits", 11, ChartHalf::Left, 5},
    {" \"Royal Flush (Deuces)\"   + 125 Credits", 10, ChartHalf::Left, 4},
    {" \"5 Of a Kind\"   + 80 Credits", 9, ChartHalf::Left, 3},
    {" \"Straight Flush\"   + 50 Credits", 8, ChartHalf::Left, 2},
    {" \"4 of a Kind\"  + 20 Credits", 7, ChartHalf::Right, 6},
    {" \"Full House\"  + 20 Credits", 6, ChartHalf::Right, 5},
    {" \"Flush\"  + 15 Credits", 5, ChartHalf::Right, 4},
    {" \"Straight\"  + 10 Credits", 4, ChartHalf::Right, 3},
    {" \"3 of a Kind\"  + 5 Credits", 3, ChartHalf::Right, 2},
}};

}  // namespace

const ResultDisplay& ResultDisplayOf(modcards::HandCategory code) {
    if (code < 0 || code >= modcards::kCategoryCount) return kRows[modcards::kNoPayingHand];
    return kRows[std::size_t(code)];
}
