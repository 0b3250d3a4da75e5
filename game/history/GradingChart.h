// The chart a review grades holds by, and the one table it is the chart of: a hold is the
// chart's own (a chart exception, never a mistake) and a mistake joins a leak group only at that
// table.
#pragma once

#include <string>

#include "engine/analysis/StrategyChart.h"
#include "game/history/HandRecord.h"

namespace history {

struct GradingChart {
    const modcards::analysis::StrategyChart* chart = nullptr;  // kept by the caller
    std::string pays;  // the table's pays as recorded (PaysText)

    // Whether `hand` was played at the chart's table.
    bool Judges(const HandRecord& hand) const { return chart && hand.pays == pays; }
    bool IsGameChart() const;  // the game's own chart at the game's table
    friend bool operator==(const GradingChart&, const GradingChart&) = default;
};

// The game's chart at the game's table: what a review grades by unless told otherwise.
const GradingChart& GameGrading();

}  // namespace history
