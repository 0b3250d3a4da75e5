// Charts at every size, from one line per section to the full chart, each with its exact cost:
// what a player learning in levels chooses from.
#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <stop_token>
#include <vector>

#include "engine/analysis/ChartAudit.h"
#include "engine/analysis/PaySums.h"
#include "engine/analysis/StrategyChart.h"

namespace modcards::analysis {

// One line per section is the shortest chart; the longest a chart derivation writes.
inline constexpr int kMinChartLines = 5;
inline constexpr int kMaxChartLines = 64;

struct ChartLevel {
    int lines = 0;  // the budget: the chart has at most this many lines
    StrategyChart chart;
    ChartAudit audit;  // exact, by playing the chart on every deal
};

// Told of each chart ChartsDownTo writes as soon as it is audited, the full chart first before
// any shorter one is merged, with how many are audited and at most how many there will be (each
// shorter chart has a line fewer at least); answering false stops the work.
using ChartProgress = std::function<bool(const ChartLevel& audited, int done, int total)>;

// For each budget from `fewestLines` (at least kMinChartLines) to the longest chart's length,
// the cheapest chart found within it by exact audit, shortest budget first. The charts come
// from ChartsDownTo, twice: with ChartGoal's defaults, then with a goal a hundred times finer,
// merged down while its charts beat the first ones within as many lines, and kept where they
// beat them by the first goal's least gain for each line they have more. A budget none of them
// fills exactly gets the best shorter one. Empty when `progress` stopped the work, or when a
// stop was requested of `stop`: that ends the work within a carve or a merge, and nothing more
// is told to `progress`.
std::vector<ChartLevel> ChartLevels(const PaySums& sums, int fewestLines = kMinChartLines,
                                    unsigned threads = 2, const ChartProgress& progress = {},
                                    std::stop_token stop = {});

// The cheapest chart found within `lines` lines: the first of ChartLevels(sums, lines), the
// longest chart when that is short enough.
ChartLevel ChartWithin(const PaySums& sums, int lines, unsigned threads = 2);

// One budget of the frontier: the cheapest chart within `lines` lines, by exact audit.
struct FrontierPoint {
    int lines = 0;
    Fraction chartReturn;  // per unit bet
    Fraction cost;         // perfect play's return less the chart's
    friend bool operator==(const FrontierPoint&, const FrontierPoint&) = default;
};

std::vector<FrontierPoint> FrontierOf(const std::vector<ChartLevel>& levels);

// The costs per unit bet a player learning in levels steps down through: 1%, 0.1%, 0.02%; on
// the game's table each step costs several times less than the one before.
inline constexpr std::array<double, 3> kLevelCosts = {0.01, 0.001, 0.0002};

// Indexes into `frontier` (shortest budget first, not empty): for each of kLevelCosts the
// smallest budget costing at most that (the full chart when none does), then the full chart.
std::array<std::size_t, kLevelCosts.size() + 1> LevelBudgets(
    const std::vector<FrontierPoint>& frontier);

}  // namespace modcards::analysis
