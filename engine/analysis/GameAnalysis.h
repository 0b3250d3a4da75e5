// The whole game under perfect play: its exact return and how often each final hand comes up.
#pragma once

#include <array>

#include "engine/HandEvaluation.h"
#include "engine/analysis/ExactFraction.h"
#include "engine/analysis/PaySums.h"

namespace modcards::analysis {

struct GameAnalysis {
    // Expected pay per unit bet over all 2,598,960 deals, each played with its best hold.
    Fraction expectedReturn;
    // Probability of each final HandCategory (0..10); they add up to 1. Among holds of equal
    // value the one keeping more cards is played, then the one first in slot order.
    std::array<Fraction, kCategoryCount> finalCategory;
};

// Runs over one deal of each suit class on `threads` threads (at least one).
GameAnalysis AnalyzeGame(const PaySums& sums, unsigned threads = 2);

}  // namespace modcards::analysis
