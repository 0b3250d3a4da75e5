// What a hand analyser shows for one dealt hand: every hold's exact value, how its draws end
// in each final hand, and the chart line naming it.
#pragma once

#include <array>
#include <string>

#include "engine/Card.h"
#include "engine/HandEvaluation.h"
#include "engine/analysis/CategoryTables.h"
#include "engine/analysis/DealHolds.h"
#include "engine/analysis/ExactFraction.h"
#include "engine/analysis/HoldAdvisor.h"
#include "engine/analysis/Pays.h"
#include "engine/analysis/StrategyChart.h"

namespace modcards::analysis {

struct HoldAnalysis {
    RankedHold hold;          // value and rank as HoldAdvisor::RankHolds gives them
    CategoryCounts finals{};  // of hold.drawCount draws, how many end in each category
    int chartLine = -1;       // index into the chart's lines naming the hold, or -1
    std::string chartText;    // that line's text, else the hold's pattern; empty without a chart

    // The exact share of the draws that end in `category` (0..10).
    Fraction Probability(HandCategory category) const;
};

struct HandAnalysis {
    Hand dealt{};
    Pays pays;
    std::array<HoldAnalysis, kHoldCount> holds{};  // best first, in RankHolds' order
};

// All 32 holds of five distinct cards in any order, with their final hands counted over every
// draw and, when `chart` is given, the line of it naming each hold. Throws
// std::invalid_argument for a card outside the deck or a repeated card.
HandAnalysis AnalyzeHand(const HoldAdvisor& advisor, const Hand& dealt, const StrategyChart* chart);

}  // namespace modcards::analysis
