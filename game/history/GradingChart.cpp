// The game's own grading.
#include "game/history/GradingChart.h"

#include "engine/analysis/GameChart.h"

namespace history {

const GradingChart& GameGrading() {
    static const GradingChart game{&modcards::analysis::GameChart(),
                                   PaysText(modcards::GamePayTable())};
    return game;
}

bool GradingChart::IsGameChart() const {
    return *this == GameGrading();
}

}  // namespace history
