// The exact value of each of the 32 holds of one deal, by inclusion-exclusion over the
// discarded cards: the draws after a hold are the hands that contain the held cards and none
// of the discarded ones.
#pragma once

#include <array>
#include <cstdint>

#include "engine/analysis/CategoryTables.h"
#include "engine/analysis/ExactFraction.h"
#include "engine/analysis/PaySums.h"

namespace modcards::analysis {

constexpr int kHoldCount = 32;

// The five dealt cards as distinct card indices in ascending order. A hold is a mask over
// these places: bit i set keeps dealt[i].
using DealtIndices = std::array<int, kHandSize>;

// For each hold, the sum of the pays (in the pays' units) over its DrawCount(held) draws.
std::array<std::int64_t, kHoldCount> HoldTotals(const PaySums& sums, const DealtIndices& dealt);

// For one hold, how many of its draws end in each category.
CategoryCounts HoldCategoryCounts(const CategoryTables& tables, const DealtIndices& dealt,
                                  unsigned hold);

int HeldCount(unsigned hold);

// Compares the expected pays totalA / DrawCount(heldA) and totalB / DrawCount(heldB) exactly:
// negative, zero or positive.
int CompareHoldValues(std::int64_t totalA, int heldA, std::int64_t totalB, int heldB);

// True when hold `a` is listed before hold `b`: higher value first; among equal values the one
// keeping more cards, then the lower mask.
bool HoldComesFirst(const std::array<std::int64_t, kHoldCount>& totals, unsigned a, unsigned b);

// The hold listed first.
unsigned BestHold(const std::array<std::int64_t, kHoldCount>& totals);

}  // namespace modcards::analysis
