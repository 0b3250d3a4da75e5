// The game's own table at every chart size: the frontier of cost against lines and the charts
// of the levels a player learns in. Like the game's chart, derived while the program is built
// (GameChartSource.cpp writes the definitions).
#pragma once

#include <vector>

#include "engine/analysis/ChartLevels.h"

namespace modcards::analysis {

// Every budget from kMinChartLines to the full chart, shortest first.
const std::vector<FrontierPoint>& GameFrontier();

// The budgets LevelBudgets picks from GameFrontier(), in its order: the last is the full chart.
const std::vector<ChartLevel>& GameLevels();

}  // namespace modcards::analysis
