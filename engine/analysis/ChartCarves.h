// Judging the parts that could be carved out of a chart line: for each, the place it would gain
// most at and that gain.
#pragma once

#include <cstddef>
#include <span>
#include <vector>

#include "engine/analysis/ChartMoves.h"

namespace modcards::analysis {

// Parts judged in one pass over the deals, each deal read once for all of them.
inline constexpr std::size_t kPartsAtOnce = 64;

// Each part of the line at `place`, among `lineCount` lines, moved to its best place while the
// rest of the line stays. `gathered` holds the line's deals with all their options, kept first.
std::vector<Placement> JudgeCarves(const Gathered& gathered, int place, int lineCount,
                                   std::span<const Part> parts);

}  // namespace modcards::analysis
