// Ranking the holds of a hand given in the caller's slot order.
#include "engine/analysis/HoldAdvisor.h"

#include <algorithm>
#include <numeric>

namespace modcards::analysis {

Fraction RankedHold::ExpectedPay(const Pays& pays) const {
    return Fraction::Of(totalPay, static_cast<WideInt>(drawCount) * pays.unit);
}

double RankedHold::ExpectedPayApprox(const Pays& pays) const {
    return static_cast<double>(totalPay) / static_cast<double>(drawCount) /
           static_cast<double>(pays.unit);
}

HoldAdvisor::HoldAdvisor(const Pays& pays, unsigned threads)
    : HoldAdvisor(CategoryTables::Build(threads), pays) {}

HoldAdvisor::HoldAdvisor(std::shared_ptr<const CategoryTables> tables, const Pays& pays)
    : sums_(std::move(tables), pays) {}

std::array<RankedHold, kHoldCount> HoldAdvisor::RankHolds(const Hand& dealt) const {
    const SortedDeal deal = SortDeal(dealt);
    const auto totals = HoldTotals(sums_, RanksOfSubsets(deal.cards));
    std::array<unsigned, kHoldCount> order{};
    std::iota(order.begin(), order.end(), 0u);
    // Equal values fall back on the caller's slots, not on the sorted places.
    std::sort(order.begin(), order.end(), [&](unsigned a, unsigned b) {
        const int byValue = CompareHoldValues(totals[a], HeldCount(a), totals[b], HeldCount(b));
        if (byValue != 0) return byValue > 0;
        if (HeldCount(a) != HeldCount(b)) return HeldCount(a) > HeldCount(b);
        return SlotsOfHold(deal, a) < SlotsOfHold(deal, b);
    });

    std::array<RankedHold, kHoldCount> ranked{};
    for (int i = 0; i < kHoldCount; ++i) {
        const unsigned hold = order[i];
        RankedHold& entry = ranked[i];
        entry.keptSlots = SlotsOfHold(deal, hold);
        entry.totalPay = totals[hold];
        entry.drawCount = DrawCount(HeldCount(hold));
        const bool tied =
            i > 0 && CompareHoldValues(totals[hold], HeldCount(hold), totals[order[i - 1]],
                                       HeldCount(order[i - 1])) == 0;
        entry.rank = tied ? ranked[i - 1].rank : i + 1;
    }
    return ranked;
}

HoldMask HoldAdvisor::BestHold(const Hand& dealt) const {
    return RankHolds(dealt)[0].keptSlots;
}

}  // namespace modcards::analysis
