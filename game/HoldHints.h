// The best holds of a dealt hand and the trainer's verdict on a hold, in credits of one stake.
#pragma once

#include <cstdint>
#include <vector>

#include "engine/Card.h"
#include "engine/analysis/HoldAdvisor.h"
#include "engine/analysis/StrategyChart.h"
#include "game/history/HoldGrade.h"

struct HoldHint {
    modcards::HoldMask kept = 0;  // bit i set: keep the card at table position i
    double credits = 0;           // expected pay of the hold, in credits, for one stake
    int rank = 0;                 // 1 for the best; holds of equal value share a rank
    bool tied = false;            // another hold of the hand has the same value
    bool Keeps(int slot) const { return (kept >> slot) & 1u; }
};

// The first `count` holds of the hand in table order, best first (at most 32).
std::vector<HoldHint> TopHolds(const modcards::analysis::HoldAdvisor& advisor,
                               const modcards::Hand& dealt, std::size_t count);

// What a strategy chart plays on a deal, beside the best hold.
struct ChartVerdict {
    // The chart judged by, which names the holds' lines; null for a table whose chart is not at
    // hand, which judges nothing.
    const modcards::analysis::StrategyChart* chart = nullptr;
    int line = 0;   // the line played, an index into the chart's lines
    HoldHint hold;  // the chart's hold, with its value
    HoldHint best;
    // True when the chart's hold is worth less than the best: the deal is one of its exceptions.
    bool Errs() const { return chart && hold.rank > 1; }
    double CreditsLost() const { return best.credits - hold.credits; }
};

// The play of `dealt` by `chart`, the chart of the advisor's own pay table (none: no verdict).
ChartVerdict JudgeChart(const modcards::analysis::HoldAdvisor& advisor,
                        const modcards::analysis::StrategyChart* chart,
                        const modcards::Hand& dealt);

struct HoldVerdict {
    HoldHint played;
    HoldHint best;
    ChartVerdict chart;
    // Graded on the exact values, as the session review grades the hand: a hold of the best
    // value is right, whichever of several equal holds it is, a close call is no mistake, and
    // nor is the chart's own hold where the chart errs.
    history::HoldGrade grade = history::HoldGrade::Best;
    bool IsMistake() const { return grade == history::HoldGrade::Mistake; }
    bool IsChartException() const { return grade == history::HoldGrade::ChartException; }
    double CreditsLost() const { return best.credits - played.credits; }
};

// How the hold `played` (a slot mask as in HoldHint) compares with the best hold of the hand
// and with the hold of `chart` (the chart of the advisor's table, or none); a hold worth less
// than the best by `threshold` or more is a mistake.
HoldVerdict JudgeHold(const modcards::analysis::HoldAdvisor& advisor,
                      const modcards::analysis::StrategyChart* chart, const modcards::Hand& dealt,
                      modcards::HoldMask played, double threshold = history::kCloseCallCredits);
