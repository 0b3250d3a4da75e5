// A pay table's charts as the chart window offers them: the levels a player learns in, picked
// from the frontier of every chart size. Derived once for a table and kept as text, so that a
// table met again shows its charts at once.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/analysis/ChartLevels.h"
#include "engine/analysis/Pays.h"

namespace modcards::analysis {

struct ChartSet {
    std::vector<ChartLevel> levels;       // LevelBudgets' picks, shortest first, full chart last
    std::vector<FrontierPoint> frontier;  // every budget, shortest first
};

// The levels LevelBudgets picks from `all` (ChartLevels' answer, not empty) and their frontier.
ChartSet PickLevels(const std::vector<ChartLevel>& all);

// The full chart alone, as its one level: what is shown before the levels are derived.
ChartSet FullChartOnly(const StrategyChart& chart, const ChartAudit& audit);

// The pays in lowest terms, as a file name can hold them: "800-200-25-15-9-5-3-2-2-1", with
// "-per-N" added when the pays are not whole numbers of bets.
std::string ChartSetKey(const Pays& pays);

// The charts as text that ReadChartSet reads back exactly, the pays they were derived for
// first and a checksum of the whole last.
std::string ChartSetText(const Pays& pays, const ChartSet& charts);

// Reads ChartSetText's text. Throws std::runtime_error saying why for text that is not whole,
// not the charts of `pays`, or not charts at all.
ChartSet ReadChartSet(std::string_view text, const Pays& pays);

}  // namespace modcards::analysis
