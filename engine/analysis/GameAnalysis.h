// The whole game under perfect play: its exact return, how often each final hand comes up, and
// how widely one hand's pay spreads.
#pragma once

#include <array>

#include "engine/HandEvaluation.h"
#include "engine/analysis/ExactFraction.h"
#include "engine/analysis/PaySums.h"

namespace modcards::analysis {

// Among holds of equal value, the one played: the one whose pay spreads less, or more. Either
// way the return is the same; the frequencies and the variance are not. Holds that tie on
// spread too are settled as HoldComesFirst settles them (more cards kept, then slot order).
enum class TieBreak { LowerVariance, HigherVariance };

struct GameAnalysis {
    // Expected pay per unit bet over all 2,598,960 deals, each played with its best hold.
    Fraction expectedReturn;
    // Probability of each final HandCategory (0..10); they add up to 1.
    std::array<Fraction, kCategoryCount> finalCategory;
    // Expected square of the pay per unit bet; Variance() takes the return's square from it.
    Fraction secondMoment;
    TieBreak ties = TieBreak::LowerVariance;

    // Variance of one hand's pay per unit bet (the same for its net win), and its square root.
    double Variance() const;
    double StandardDeviation() const;
};

// Runs over one deal of each suit class on `threads` threads (at least one).
GameAnalysis AnalyzeGame(const PaySums& sums, unsigned threads = 2,
                         TieBreak ties = TieBreak::LowerVariance);

}  // namespace modcards::analysis
