// Hold values of one deal from the subset tables.
#include "engine/analysis/DealHolds.h"

#include <bit>

namespace modcards::analysis {

namespace {

// Colex rank of each subset of the dealt cards, by mask: a subset's largest card is its
// highest bit, so its rank adds one term to the rank of the subset without that card.
std::array<std::int32_t, kHoldCount> SubsetRanks(const DealtIndices& dealt) {
    std::array<std::int32_t, kHoldCount> ranks{};
    for (unsigned mask = 1; mask < kHoldCount; ++mask) {
        const int top = std::bit_width(mask) - 1;
        ranks[mask] = ranks[mask & ~(1u << top)] +
                      static_cast<std::int32_t>(kBinomial(dealt[top], std::popcount(mask)));
    }
    return ranks;
}

}  // namespace

int HeldCount(unsigned hold) {
    return std::popcount(hold);
}

std::array<std::int64_t, kHoldCount> HoldTotals(const PaySums& sums, const DealtIndices& dealt) {
    const auto ranks = SubsetRanks(dealt);
    std::array<std::int64_t, kHoldCount> totals{};
    for (unsigned mask = 0; mask < kHoldCount; ++mask)
        totals[mask] = sums.Total(std::popcount(mask), ranks[mask]);
    // Take away, card by card, the hands that contain a discarded card.
    for (unsigned bit = 1; bit < kHoldCount; bit <<= 1) {
        for (unsigned mask = 0; mask < kHoldCount; ++mask)
            if (!(mask & bit)) totals[mask] -= totals[mask | bit];
    }
    return totals;
}

CategoryCounts HoldCategoryCounts(const CategoryTables& tables, const DealtIndices& dealt,
                                  unsigned hold) {
    const auto ranks = SubsetRanks(dealt);
    CategoryCounts counts{};
    const unsigned discarded = (kHoldCount - 1) & ~hold;
    // Every superset of the hold inside the deal, signed by how many discards it contains.
    for (unsigned extra = discarded;; extra = (extra - 1) & discarded) {
        const unsigned set = hold | extra;
        const int sign = std::popcount(extra) % 2 == 0 ? 1 : -1;
        for (int c = 0; c < kCategoryCount; ++c)
            counts[c] += sign * tables.Count(std::popcount(set), ranks[set], c);
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

unsigned BestHold(const std::array<std::int64_t, kHoldCount>& totals) {
    unsigned best = 0;
    for (unsigned hold = 1; hold < kHoldCount; ++hold)
        if (HoldComesFirst(totals, hold, best)) best = hold;
    return best;
}

}  // namespace modcards::analysis
