// One hand's holds with their final hands, from the tables the hold values come from.
#include "engine/analysis/HandAnalysis.h"

namespace modcards::analysis {

Fraction HoldAnalysis::Probability(HandCategory category) const {
    return Fraction::Of(finals.at(static_cast<std::size_t>(category)), hold.drawCount);
}

HandAnalysis AnalyzeHand(const HoldAdvisor& advisor, const Hand& dealt,
                         const StrategyChart* chart) {
    HandAnalysis analysis;
    analysis.dealt = dealt;
    analysis.pays = advisor.pays();
    const auto ranked = advisor.RankHolds(dealt);
    const SortedDeal deal = SortDeal(dealt);
    const SubsetRanks ranks = RanksOfSubsets(deal.cards);
    for (std::size_t i = 0; i < ranked.size(); ++i) {
        HoldAnalysis& entry = analysis.holds[i];
        entry.hold = ranked[i];
        entry.finals = HoldCategoryCounts(advisor.sums().tables(), ranks,
                                          HoldOfSlots(deal, ranked[i].keptSlots));
        if (chart) {
            entry.chartLine = chart->LineOfHold(dealt, ranked[i].keptSlots);
            entry.chartText = chart->HoldText(dealt, ranked[i].keptSlots);
        }
    }
    return analysis;
}

}  // namespace modcards::analysis
