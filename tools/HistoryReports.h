// What `deuceswild-strategy history` prints: a review's figures and its leak groups, as text or
// as one JSON object.
#pragma once

#include <string>

#include "engine/analysis/StrategyChart.h"
#include "game/history/LeakGroups.h"
#include "game/history/SessionReview.h"

namespace modcards::strategy {

// Hands, stake, result, both returns, mistakes, close calls and luck, and the sentence that
// adds them up.
std::string ReviewReport(const history::SessionReview& review, bool json);

// The leak groups worst first: each pair of lines with its count and cost in credits for the
// 5-credit stake, and its costliest deal. JSON: {"leaks":[{"your_line", "chart_line",
// "your_line_number", "chart_line_number" (null for no chart line), "count", "cost",
// "example": {"dealt", "held", "best_held", "cost"}}], "other_tables"}: the mistakes at other
// tables than the game's, left out of the groups (the game chart's lines), and said in text.
std::string LeaksReport(const history::Leaks& leaks, const analysis::StrategyChart& chart,
                        bool json);

}  // namespace modcards::strategy
