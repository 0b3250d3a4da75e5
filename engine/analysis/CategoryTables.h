// For every set of 0..5 cards, how many five-card hands of each category contain it.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "engine/HandEvaluation.h"
#include "engine/analysis/Combinatorics.h"
#include "engine/analysis/SuitClasses.h"

namespace modcards::analysis {

using CategoryCounts = std::array<std::int64_t, kCategoryCount>;

// Built once from EvaluateHand over all 2,598,960 hands, then read-only and safe to share
// between threads. Sets are addressed by size (0..5) and colex rank (see ColexRank).
class CategoryTables {
public:
    // Classifies one hand of each suit class with EvaluateHand and gives its
    // category to every hand of the class; counts smaller sets the same way. Spread over
    // `threads` threads (at least one); some tens of milliseconds.
    static std::shared_ptr<const CategoryTables> Build(unsigned threads = 2);

    // The category of the five-card hand of colex rank `rank`.
    HandCategory CategoryOf(std::int32_t rank) const { return category5_[rank]; }

    // Adds `sign` times the number of hands of each category that contain the set of `size`
    // cards (0..5) of colex rank `rank` to `counts`.
    void AddCounts(int size, std::int32_t rank, int sign, CategoryCounts& counts) const;

    // Counts over all hands: the empty set's row.
    CategoryCounts DealCounts() const;

    // One deal of each suit class with its weight (SetsUpToSuits(5)), kept for the game.
    const std::vector<SuitClass>& DealClasses() const { return dealClasses_; }

private:
    CategoryTables() = default;

    std::vector<SuitClass> dealClasses_;
    std::vector<std::uint8_t> category5_;  // one byte per hand
    // Row-major [rank][category]; the widths hold the largest count of each size:
    // 48 hands contain a 4-card set, 1,176 a 3-card set, 19,600 a pair, 249,900 one card.
    std::vector<std::uint8_t> counts4_;
    std::vector<std::uint16_t> counts3_;
    std::vector<std::uint16_t> counts2_;
    std::vector<std::uint32_t> counts1_;
    std::vector<std::uint32_t> counts0_;
};

}  // namespace modcards::analysis
