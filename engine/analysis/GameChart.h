// The strategy chart of the game's own pay table, with its exact audit. The table never
// changes and deriving a chart takes seconds, so both are derived while the program is built
// (GameChartSource.cpp writes their definitions).
#pragma once

#include "engine/analysis/ChartAudit.h"
#include "engine/analysis/StrategyChart.h"

namespace modcards::analysis {

const StrategyChart& GameChart();
const ChartAudit& GameChartAudit();

}  // namespace modcards::analysis
