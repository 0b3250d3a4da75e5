// What following a strategy chart returns, exactly, beside perfect play.
#pragma once

#include <cstdint>
#include <vector>

#include "engine/analysis/Combinatorics.h"
#include "engine/analysis/ExactFraction.h"
#include "engine/analysis/PaySums.h"
#include "engine/analysis/StrategyChart.h"

namespace modcards::analysis {

// What the deals playing one line are worth: the lowest and highest exact expected pay per
// unit bet of the hold played, and one deal that plays it (the first suit class to, in the
// order DealClasses lists them). A line no deal plays has none of these.
struct LineWorth {
    Fraction lowest;
    Fraction highest;
    DealtIndices example{};
    bool played = false;
    friend bool operator==(const LineWorth&, const LineWorth&) = default;
};

struct ChartAudit {
    Fraction chartReturn;                   // per unit bet, every deal played by the chart
    Fraction perfectReturn;                 // per unit bet, every deal played with its best hold
    Fraction cost;                          // perfectReturn - chartReturn
    std::vector<std::int64_t> dealsPlayed;  // by line: deals (of 2,598,960) that play it
    std::int64_t dealsPlayedWorse = 0;      // deals whose chart hold is worth less than the best
    std::vector<LineWorth> worth;           // by line
};

// Plays the chart on one deal of each suit class, weighted by the deals of the class: the
// chart's choice never depends on the suits' names, so this equals a walk over every deal.
ChartAudit AuditChart(const StrategyChart& chart, const PaySums& sums, unsigned threads = 2);

}  // namespace modcards::analysis
