// Hold values of one deal from the subset tables.
#include "engine/analysis/DealHolds.h"

#include <algorithm>
#include <numeric>
#include <stdexcept>

namespace modcards::analysis {

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

HoldMask SlotsOfHold(const SortedDeal& deal, unsigned hold) {
    unsigned slots = 0;
    for (int place = 0; place < kHandSize; ++place)
        if (hold & (1u << place)) slots |= 1u << deal.slotOfPlace[place];
    return static_cast<HoldMask>(slots);
}

unsigned HoldOfSlots(const SortedDeal& deal, HoldMask slots) {
    unsigned hold = 0;
    for (int place = 0; place < kHandSize; ++place)
        if (slots & (1u << deal.slotOfPlace[place])) hold |= 1u << place;
    return hold;
}

SubsetRanks RanksOfSubsets(const DealtIndices& dealt) {
    // A subset's largest card is its highest bit, so its rank adds one term to the rank of
    // the subset without that card.
    SubsetRanks ranks{};
    int top = 0;
    for (unsigned mask = 1; mask < kHoldCount; ++mask) {
        if (mask == 2u << top) ++top;
        ranks[mask] = ranks[mask & ~(1u << top)] +
                      static_cast<std::int32_t>(kBinomial(dealt[top], HeldCount(mask)));
    }
    return ranks;
}

std::array<std::int64_t, kHoldCount> HoldTotals(const PaySums& sums, const SubsetRanks& ranks) {
    std::array<std::int64_t, kHoldCount> totals{};
    for (unsigned mask = 0; mask < kHoldCount; ++mask)
        totals[mask] = sums.Total(HeldCount(mask), ranks[mask]);
    // Take away, card by card, the hands that contain a discarded card.
    for (unsigned bit = 1; bit < kHoldCount; bit <<= 1) {
        for (unsigned mask = 0; mask < kHoldCount; ++mask)
            if (!(mask & bit)) totals[mask] -= totals[mask | bit];
    }
    return totals;
}

CategoryCounts HoldCategoryCounts(const CategoryTables& tables, const SubsetRanks& ranks,
                                  unsigned hold) {
    CategoryCounts counts{};
    const unsigned discarded = (kHoldCount - 1) & ~hold;
    // Every superset of the hold inside the deal, signed by how many discards it contains.
    for (unsigned extra = discarded;; extra = (extra - 1) & discarded) {
        const unsigned set = hold | extra;
        tables.AddCounts(HeldCount(set), ranks[set], HeldCount(extra) % 2 == 0 ? 1 : -1, counts);
        if (extra == 0) break;
    }
    return counts;
}

int CompareHoldValues(std::int64_t totalA, int heldA, std::int64_t totalB, int heldB) {
    const WideInt a = static_cast<WideInt>(totalA) * DrawCount(heldB);
    const WideInt b = static_cast<WideInt>(totalB) * DrawCount(heldA);
    return a < b ? -1 : a > b ? 1 : 0;
}

bool HoldComesFirst(const std::array<std::int64_t, kHoldCount>& totals, unsigned a, unsigned b) {
    const int order = CompareHoldValues(totals[a], HeldCount(a), totals[b], HeldCount(b));
    if (order != 0) return order > 0;
    if (HeldCount(a) != HeldCount(b)) return HeldCount(a) > HeldCount(b);
    return a < b;
}

namespace {

// Every DrawCount divides this, so the per-hold sums meet over one denominator.
WideInt CommonDrawCount() {
    WideInt common = 1;
    for (int held = 0; held <= kHandSize; ++held) {
        WideInt a = common;
        WideInt b = DrawCount(held);
        while (b != 0) {
            const WideInt r = a % b;
            a = b;
            b = r;
        }
        common = common / a * DrawCount(held);
    }
    return common;
}

}  // namespace

Fraction OverAllDraws(const std::array<WideInt, kHandSize + 1>& byHeld, WideInt divisor) {
    const WideInt common = CommonDrawCount();
    WideInt numerator = 0;
    for (int held = 0; held <= kHandSize; ++held)
        numerator += byHeld[held] * (common / DrawCount(held));
    return Fraction::Of(numerator, common * divisor);
}

TopHolds BestHolds(const std::array<std::int64_t, kHoldCount>& totals) {
    unsigned best = 0;
    int tied = 1;
    for (unsigned hold = 1; hold < kHoldCount; ++hold) {
        const int order =
            CompareHoldValues(totals[hold], HeldCount(hold), totals[best], HeldCount(best));
        if (order > 0) {
            best = hold;
            tied = 1;
        } else if (order == 0) {
            ++tied;
            if (HoldComesFirst(totals, hold, best)) best = hold;
        }
    }
    TopHolds found;
    found.holds[0] = best;
    found.count = 1;
    if (tied == 1) return found;
    for (unsigned hold = 0; hold < kHoldCount; ++hold)
        if (hold != best &&
            CompareHoldValues(totals[hold], HeldCount(hold), totals[best], HeldCount(best)) == 0)
            found.holds[static_cast<std::size_t>(found.count++)] = hold;
    std::sort(found.holds.begin() + 1, found.holds.begin() + found.count,
              [&totals](unsigned a, unsigned b) { return HoldComesFirst(totals, a, b); });
    return found;
}

unsigned BestHold(const std::array<std::int64_t, kHoldCount>& totals) {
    return BestHolds(totals).holds[0];
}

}  // namespace modcards::analysis
