// The exact value of each of the 32 holds of one deal, by inclusion-exclusion over the
// discarded cards: the draws after a hold are the hands that contain the held cards and none
// of the discarded ones.
#pragma once

#include <array>
#include <cstdint>

#include "engine/Card.h"
#include "engine/analysis/CategoryTables.h"
#include "engine/analysis/ExactFraction.h"
#include "engine/analysis/PaySums.h"

namespace modcards::analysis {

constexpr int kHoldCount = 32;

// A hold is a mask over the places of the dealt cards (DealtIndices, ascending): bit i set
// keeps dealt[i]. The same masks name the subsets of the deal.
using SubsetRanks = std::array<std::int32_t, kHoldCount>;

// A hand given in the caller's slot order, as the analysis reads it: the card indices
// ascending, and for each ascending place the caller's slot.
struct SortedDeal {
    DealtIndices cards{};
    std::array<int, kHandSize> slotOfPlace{};
};

// Throws std::invalid_argument for a card outside the deck or a repeated card.
SortedDeal SortDeal(const Hand& dealt);

// A hold as a mask over ascending places, turned into the caller's slots, and back.
HoldMask SlotsOfHold(const SortedDeal& deal, unsigned hold);
unsigned HoldOfSlots(const SortedDeal& deal, HoldMask slots);

// The colex rank of each subset of the dealt cards, by mask.
SubsetRanks RanksOfSubsets(const DealtIndices& dealt);

// For each hold, the sum of the pays (in the pays' units) over its DrawCount(held) draws.
std::array<std::int64_t, kHoldCount> HoldTotals(const PaySums& sums, const SubsetRanks& ranks);

// For one hold, how many of its draws end in each category.
CategoryCounts HoldCategoryCounts(const CategoryTables& tables, const SubsetRanks& ranks,
                                  unsigned hold);

// How many cards a hold keeps (0..5); `hold` must be below 32.
inline int HeldCount(unsigned hold) {
    static constexpr std::array<std::uint8_t, kHoldCount> kBits = [] {
        std::array<std::uint8_t, kHoldCount> bits{};
        for (unsigned mask = 1; mask < kHoldCount; ++mask)
            bits[mask] = static_cast<std::uint8_t>(bits[mask >> 1] + (mask & 1u));
        return bits;
    }();
    return kBits[hold];
}

// Compares the expected pays totalA / DrawCount(heldA) and totalB / DrawCount(heldB) exactly:
// negative, zero or positive.
int CompareHoldValues(std::int64_t totalA, int heldA, std::int64_t totalB, int heldB);

// True when hold `a` is listed before hold `b`: higher value first; among equal values the one
// keeping more cards, then the lower mask.
bool HoldComesFirst(const std::array<std::int64_t, kHoldCount>& totals, unsigned a, unsigned b);

// Sums of total pays kept apart by the number of cards held, since each has its own number of
// draws, over all draws and `divisor`: sum of byHeld[held] / DrawCount(held), divided.
Fraction OverAllDraws(const std::array<WideInt, kHandSize + 1>& byHeld, WideInt divisor);

// The holds worth exactly the most, the one HoldComesFirst lists first at holds[0].
struct TopHolds {
    std::array<unsigned, kHoldCount> holds;  // the first `count` are set
    int count = 0;
};
TopHolds BestHolds(const std::array<std::int64_t, kHoldCount>& totals);

// The hold listed first.
unsigned BestHold(const std::array<std::int64_t, kHoldCount>& totals);

}  // namespace modcards::analysis
