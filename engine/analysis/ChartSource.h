// C++ text for charts and audits, for the programs that derive the game's charts while
// building and write them out as definitions.
#pragma once

#include <string>

#include "engine/analysis/ChartAudit.h"
#include "engine/analysis/StrategyChart.h"

namespace modcards::analysis {

// "Fraction{1, 3}". Throws std::runtime_error when a part does not fit in 64 bits.
std::string FractionSource(const Fraction& value);

// An expression of type StrategyChart equal to `chart`, a line of source per chart line.
std::string ChartSource(const StrategyChart& chart);

// An expression of type ChartAudit equal to `audit`.
std::string AuditSource(const ChartAudit& audit);

// Writes `text` to `path` beside, then renames it: a build stopped half way leaves no torn
// source. Throws std::runtime_error when it cannot.
void WriteSource(const std::string& path, const std::string& text);

}  // namespace modcards::analysis
