// The best holds of a dealt hand and the trainer's verdict on a hold.
#include "game/HoldHints.h"

#include <algorithm>

#include "game/history/HoldValues.h"

namespace {

using modcards::analysis::HoldAdvisor;
using modcards::analysis::RankedHold;

// The pays are credits won on a stake of `unit` credits, so the value per unit bet times the
// unit is the mean pay in credits.
HoldHint HintOf(const RankedHold& hold, const HoldAdvisor& advisor) {
    return {hold.keptSlots,
            hold.ExpectedPayApprox(advisor.pays()) * static_cast<double>(advisor.pays().unit),
            hold.rank};
}

}  // namespace

std::vector<HoldHint> TopHolds(const HoldAdvisor& advisor, const modcards::Hand& dealt,
                               std::size_t count) {
    const auto ranked = advisor.RankHolds(dealt);
    std::vector<HoldHint> top;
    for (std::size_t i = 0; i < std::min(count, ranked.size()); ++i) {
        top.push_back(HintOf(ranked[i], advisor));
        top.back().tied = (i > 0 && ranked[i - 1].rank == ranked[i].rank) ||
                          (i + 1 < ranked.size() && ranked[i + 1].rank == ranked[i].rank);
    }
    return top;
}

ChartVerdict JudgeChart(const HoldAdvisor& advisor, const modcards::analysis::StrategyChart* chart,
                        const modcards::Hand& dealt) {
    const auto ranked = advisor.RankHolds(dealt);
    if (!chart) return {nullptr, -1, {}, HintOf(ranked.front(), advisor)};
    const auto play = chart->PlayHand(dealt);
    const auto chartHold = std::find_if(ranked.begin(), ranked.end(), [&](const RankedHold& hold) {
        return hold.keptSlots == play.keptSlots;
    });
    return {chart, play.line, HintOf(*chartHold, advisor), HintOf(ranked.front(), advisor)};
}

HoldVerdict JudgeHold(const HoldAdvisor& advisor, const modcards::analysis::StrategyChart* chart,
                      const modcards::Hand& dealt, modcards::HoldMask played, double threshold) {
    const auto ranked = advisor.RankHolds(dealt);
    const auto mine = std::find_if(ranked.begin(), ranked.end(), [&](const RankedHold& hold) {
        return hold.keptSlots == (played & 0x1Fu);
    });
    const auto values = history::ValueHold(advisor, dealt, played & 0x1Fu);
    const ChartVerdict verdict = JudgeChart(advisor, chart, dealt);
    const bool chartHold = chart && verdict.hold.kept == (played & 0x1Fu);
    return {HintOf(*mine, advisor), HintOf(ranked.front(), advisor), verdict,
            history::GradeHold(values->holdEv, values->bestEv, chartHold, threshold)};
}
