// Deals up to renaming the suits: every deal and every hold's value stay the same when the
// suits are permuted, so the whole game needs one deal of each class, weighted by its size.
#pragma once

#include <cstdint>
#include <vector>

#include "engine/analysis/Combinatorics.h"

namespace modcards::analysis {

struct WeightedDeal {
    DealtIndices cards{};     // ascending card indices
    std::int32_t weight = 0;  // how many of the 2,598,960 deals the class holds (1..24)
};

// 134,459 classes whose weights add up to 2,598,960.
std::vector<WeightedDeal> DealsUpToSuits();

}  // namespace modcards::analysis
