// The words for each hand category, lower case as in a sentence: "royal flush with deuces".
#pragma once

#include <array>
#include <string_view>

#include "engine/HandEvaluation.h"

namespace modcards {

// Indexed by HandCategory 0..10.
inline constexpr std::array<std::string_view, kCategoryCount> kCategoryNames = {
    "no paying hand", "natural royal flush",
    "four deuces",    "royal flush with deuces",
    "five of a kind", "straight flush",
    "four of a kind", "full house",
    "flush",          "straight",
    "three of a kind"};

}  // namespace modcards
