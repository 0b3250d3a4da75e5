// Building the category tables: classify every hand once, then count down to smaller sets.
#include "engine/analysis/CategoryTables.h"

#include <stdexcept>

#include "engine/analysis/CardSets.h"
#include "engine/analysis/Parallel.h"
#include "engine/analysis/SuitClasses.h"

namespace modcards::analysis {

namespace {

// The category of every hand: one hand of each suit class goes through EvaluateHand, and the
// others of its class take the same category.
void ClassifyHands(const std::vector<SuitClass>& classes, std::vector<std::uint8_t>& categories,
                   unsigned threads) {
    categories.resize(static_cast<std::size_t>(kDealCount));
    ForEachSlice(static_cast<std::int64_t>(classes.size()), threads,
                 [&](std::int64_t begin, std::int64_t end) {
                     for (std::int64_t i = begin; i < end; ++i) {
                         const CardSet& set = classes[static_cast<std::size_t>(i)].set;
                         Hand hand;
                         for (int c = 0; c < kHandSize; ++c) hand[c] = CardOfIndex(set.cards[c]);
                         const auto category = static_cast<std::uint8_t>(EvaluateHand(hand));
                         ForEachSuitRenaming(set, [&](std::int32_t rank) {
                             categories[static_cast<std::size_t>(rank)] = category;
                         });
                     }
                 });
}

// Fills the rows of every `size`-card set from the rows of the sets one card larger: each
// hand that contains a set is reached through each of its 5 - size missing cards. One set of
// each suit class is counted and its row copied to the rest of the class.
template <typename Row, typename AddLarger>
void CountSetsOfSize(int size, std::vector<Row>& rows, unsigned threads,
                     const AddLarger& addLarger) {
    rows.resize(static_cast<std::size_t>(kBinomial(kDeckSize, size) * kCategoryCount));
    const std::vector<SuitClass> classes = SetsUpToSuits(size);
    ForEachSlice(static_cast<std::int64_t>(classes.size()), threads,
                 [&](std::int64_t begin, std::int64_t end) {
                     for (std::int64_t i = begin; i < end; ++i) {
                         const CardSet& set = classes[static_cast<std::size_t>(i)].set;
                         CategoryCounts counts{};
                         ForEachExtension(
                             set, [&](int, std::int32_t larger) { addLarger(larger, counts); });
                         ForEachSuitRenaming(set, [&](std::int32_t rank) {
                             Row* row = &rows[static_cast<std::size_t>(rank) * kCategoryCount];
                             for (int c = 0; c < kCategoryCount; ++c)
                                 row[c] = static_cast<Row>(counts[c] / (kHandSize - size));
                         });
                     }
                 });
}

template <typename Row>
auto AddRowOf(const std::vector<Row>& rows) {
    return [&rows](std::int32_t rank, CategoryCounts& counts) {
        const Row* row = &rows[static_cast<std::size_t>(rank) * kCategoryCount];
        for (int c = 0; c < kCategoryCount; ++c) counts[c] += row[c];
    };
}

}  // namespace

std::shared_ptr<const CategoryTables> CategoryTables::Build(unsigned threads) {
    std::shared_ptr<CategoryTables> tables(new CategoryTables());
    tables->dealClasses_ = SetsUpToSuits(kHandSize);
    ClassifyHands(tables->dealClasses_, tables->category5_, threads);
    const auto& hands = tables->category5_;
    CountSetsOfSize(4, tables->counts4_, threads, [&hands](std::int32_t rank, CategoryCounts& c) {
        ++c[hands[static_cast<std::size_t>(rank)]];
    });
    CountSetsOfSize(3, tables->counts3_, threads, AddRowOf(tables->counts4_));
    CountSetsOfSize(2, tables->counts2_, threads, AddRowOf(tables->counts3_));
    CountSetsOfSize(1, tables->counts1_, threads, AddRowOf(tables->counts2_));
    CountSetsOfSize(0, tables->counts0_, threads, AddRowOf(tables->counts1_));
    return tables;
}

void CategoryTables::AddCounts(int size, std::int32_t rank, int sign,
                               CategoryCounts& counts) const {
    const auto at = static_cast<std::size_t>(rank) * kCategoryCount;
    const auto add = [&](const auto& rows) {
        for (int c = 0; c < kCategoryCount; ++c)
            counts[c] += sign * static_cast<std::int64_t>(rows[at + c]);
    };
    switch (size) {
        case 0:
            return add(counts0_);
        case 1:
            return add(counts1_);
        case 2:
            return add(counts2_);
        case 3:
            return add(counts3_);
        case 4:
            return add(counts4_);
        case 5:
            counts[category5_[static_cast<std::size_t>(rank)]] += sign;
            return;
        default:
            throw std::out_of_range("a card set holds 0 to 5 cards");
    }
}

CategoryCounts CategoryTables::DealCounts() const {
    CategoryCounts counts{};
    for (int c = 0; c < kCategoryCount; ++c) counts[c] = counts0_[c];
    return counts;
}

}  // namespace modcards::analysis
