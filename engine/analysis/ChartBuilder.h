// Deriving a strategy chart for a pay table from the exact value of every hold of every deal.
#pragma once

#include <functional>
#include <stop_token>
#include <vector>

#include "engine/analysis/ChartSamples.h"
#include "engine/analysis/PaySums.h"
#include "engine/analysis/StrategyChart.h"

namespace modcards::analysis {

struct ChartGoal {
    int maxLines = 64;      // over all five sections
    double minGain = 2e-7;  // return per unit bet a line must add to be written
    // A line whose removal, or whose merging with a neighbour, costs less than this goes.
    double mergeCost = 3e-8;
    unsigned threads = 2;
    // Looked at between carves and merges: once stop is requested, the work ends early and
    // what it returns is to be dropped.
    std::stop_token stop;
};

// Starts from one line per hold pattern, each where it plays best; then, while the goal allows,
// splits the line whose split by one detail (gaps, lowest card, ace, ten, cards of its suit)
// raises the return most, placing both parts where they play best. Lines that gain almost
// nothing are merged or dropped at the end. Deterministic for given pays.
StrategyChart BuildChart(const PaySums& sums, const ChartGoal& goal = {});

// BuildChart's chart first, then ever shorter charts down to `fewestLines` (at least one line
// per section): each time the merge of two lines, or the dropping of one, that costs least is
// made, and each new line count is written down. Each chart is shorter than the one before.
// `written` is told of each chart as soon as it is written, the full chart first; answering
// false stops the work, and the charts so far are returned; a stop requested of the goal ends
// the work without telling `written` more, and nothing is returned.
using WrittenChart = std::function<bool(const StrategyChart&)>;
std::vector<StrategyChart> ChartsDownTo(const PaySums& sums, int fewestLines,
                                        const ChartGoal& goal = {},
                                        const WrittenChart& written = {});
// The same on sections collected once (CollectChartSections) for searches with several goals.
std::vector<StrategyChart> ChartsDownTo(const ChartSections& sections, int fewestLines,
                                        const ChartGoal& goal = {},
                                        const WrittenChart& written = {});

}  // namespace modcards::analysis
