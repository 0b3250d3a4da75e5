// Ranking the holds of a hand given in the caller's slot order.
#include "engine/analysis/HoldAdvisor.h"

#include <algorithm>
#include <numeric>
#include <stdexcept>

namespace modcards::analysis {

namespace {

// The dealt cards ascending, and for each ascending place the caller's slot.
struct SortedDeal {
    DealtIndices cards{};
    std::array<int, kHandSize> slotOfPlace{};
};

SortedDeal SortDeal(const Hand& dealt) {
    SortedDeal sorted;
    std::iota(sorted.slotOfPlace.begin(), sorted.slotOfPlace.end(), 0);
    std::array<int, kHandSize> index{};
    for (int slot = 0; slot < kHandSize; ++slot) {
        index[slot] = IndexOfCard(dealt[slot]);
        if (index[slot] < 0) throw std::invalid_argument("a dealt card is not one of the 52");
    }
    std::sort(sorted.slotOfPlace.begin(), sorted.slotOfPlace.end(),
              [&](int a, int b) { return index[a] < index[b]; });
    for (int place = 0; place < kHandSize; ++place) {
        sorted.cards[place] = index[sorted.slotOfPlace[place]];
        if (place > 0 && sorted.cards[place] == sorted.cards[place - 1])
            throw std::invalid_argument("a card is dealt twice");
    }
    return sorted;
}

std::uint8_t SlotsOfHold(const SortedDeal& deal, unsigned hold) {
    unsigned slots = 0;
    for (int place = 0; place < kHandSize; ++place)
        if (hold & (1u << place)) slots |= 1u << deal.slotOfPlace[place];
    return static_cast<std::uint8_t>(slots);
}

}  // namespace

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

std::uint8_t HoldAdvisor::BestHold(const Hand& dealt) const {
    return RankHolds(dealt)[0].keptSlots;
}

}  // namespace modcards::analysis
