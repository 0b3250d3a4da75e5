// The exact value of every hold of a dealt hand, for a window's hint or a tool.
#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "engine/Card.h"
#include "engine/analysis/CategoryTables.h"
#include "engine/analysis/DealHolds.h"
#include "engine/analysis/ExactFraction.h"
#include "engine/analysis/PaySums.h"
#include "engine/analysis/Pays.h"

namespace modcards::analysis {

struct RankedHold {
    HoldMask keptSlots = 0;      // bit i set: keep slot i of the hand as it was given
    std::int64_t totalPay = 0;   // sum of the pays over every draw, in the pays' units
    std::int64_t drawCount = 0;  // how many draws complete the hold: C(47, 5 - held)
    int rank = 0;                // 1 for the best; holds of equal value share a rank

    bool Keeps(int slot) const { return (keptSlots >> slot) & 1u; }
    // Expected pay per unit bet, exact and approximate.
    Fraction ExpectedPay(const Pays& pays) const;
    double ExpectedPayApprox(const Pays& pays) const;
};

// Builds its tables once; afterwards every const member may be called from any thread at
// once, and one query takes microseconds.
class HoldAdvisor {
public:
    // Builds the category tables too: about a tenth of a second on two cores.
    explicit HoldAdvisor(const Pays& pays, unsigned threads = 2);
    // Shares tables already built (they do not depend on the pays).
    HoldAdvisor(std::shared_ptr<const CategoryTables> tables, const Pays& pays);

    // All 32 holds of five distinct cards in any order, best first; among equal values the
    // hold keeping more cards comes first, then the lower slot mask. Throws std::invalid_argument
    // for a card outside the deck or a repeated card.
    std::array<RankedHold, kHoldCount> RankHolds(const Hand& dealt) const;

    // The slots of the first hold RankHolds lists.
    HoldMask BestHold(const Hand& dealt) const;

    const Pays& pays() const { return sums_.pays(); }
    const PaySums& sums() const { return sums_; }

private:
    PaySums sums_;
};

}  // namespace modcards::analysis
