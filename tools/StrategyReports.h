// What deuceswild-strategy prints for each command, as text or as one JSON object.
#pragma once

#include <string>
#include <vector>

#include "engine/Card.h"
#include "engine/analysis/CategoryTables.h"
#include "engine/analysis/ChartAudit.h"
#include "engine/analysis/ChartLevels.h"
#include "engine/analysis/GameAnalysis.h"
#include "engine/analysis/HandAnalysis.h"
#include "engine/analysis/HoldAdvisor.h"
#include "engine/analysis/RiskOfRuin.h"

namespace modcards::strategy {

std::string DealCountsReport(const analysis::CategoryCounts& counts, bool json);

std::string ReturnReport(const analysis::Pays& pays, const analysis::GameAnalysis& game, bool json);

// Every hold of `dealt`, best first; with a chart, the line of it naming each hold, and with
// `detail`, how each hold's draws end in every final hand.
std::string HoldReport(const Hand& dealt, const analysis::HoldAdvisor& advisor, bool json,
                       const analysis::StrategyChart* chart = nullptr, bool detail = false);

std::string ChartReport(const analysis::Pays& pays, const analysis::StrategyChart& chart,
                        const analysis::ChartAudit& audit, bool json);

// Each budget's chart: its lines, return and cost.
std::string FrontierReport(const analysis::Pays& pays,
                           const std::vector<analysis::ChartLevel>& levels, bool json);

std::string RiskReport(const analysis::Pays& pays, const analysis::Trip& trip,
                       const analysis::GameAnalysis& game, const analysis::TripRisk& risk,
                       bool json);

}  // namespace modcards::strategy
