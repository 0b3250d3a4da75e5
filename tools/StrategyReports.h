// What deuceswild-strategy prints for each command, as text or as one JSON object.
#pragma once

#include <string>

#include "engine/Card.h"
#include "engine/analysis/CategoryTables.h"
#include "engine/analysis/ChartAudit.h"
#include "engine/analysis/GameAnalysis.h"
#include "engine/analysis/HandAnalysis.h"
#include "engine/analysis/HoldAdvisor.h"

namespace modcards::strategy {

std::string DealCountsReport(const analysis::CategoryCounts& counts, bool json);

std::string ReturnReport(const analysis::Pays& pays, const analysis::GameAnalysis& game, bool json);

// Every hold of `dealt`, best first; with a chart, the line of it naming each hold, and with
// `detail`, how each hold's draws end in every final hand.
std::string HoldReport(const Hand& dealt, const analysis::HoldAdvisor& advisor, bool json,
                       const analysis::StrategyChart* chart = nullptr, bool detail = false);

std::string ChartReport(const analysis::Pays& pays, const analysis::StrategyChart& chart,
                        const analysis::ChartAudit& audit, bool json);

}  // namespace modcards::strategy
