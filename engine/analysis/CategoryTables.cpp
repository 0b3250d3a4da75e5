// Building the category tables: classify every hand once, then count down to smaller sets.
#include "engine/analysis/CategoryTables.h"

#include <stdexcept>

#include "engine/Deal.h"
#include "engine/analysis/CardSets.h"
#include "engine/analysis/Parallel.h"

namespace modcards::analysis {

namespace {

void ClassifyHands(std::vector<std::uint8_t>& categories, unsigned threads) {
    categories.resize(static_cast<std::size_t>(kDealCount));
    ForEachSlice(kDealCount, threads, [&](std::int64_t begin, std::int64_t end) {
        CardSet set = UnrankColex(begin, kHandSize);
        for (std::int64_t rank = begin; rank < end; ++rank, NextColex(set)) {
            Hand hand;
            for (int i = 0; i < kHandSize; ++i) hand[i] = CardOfIndex(set.cards[i]);
            SortByValue(hand);
            categories[static_cast<std::size_t>(rank)] =
                static_cast<std::uint8_t>(EvaluateHand(hand));
        }
    });
}

// Fills the rows of every `size`-card set from the rows of the sets one card larger: each
// hand that contains a set is reached through each of its 5 - size missing cards.
template <typename Row, typename AddLarger>
void CountSetsOfSize(int size, std::vector<Row>& rows, unsigned threads,
                     const AddLarger& addLarger) {
    const std::int64_t setCount = kBinomial(kDeckSize, size);
    rows.resize(static_cast<std::size_t>(setCount * kCategoryCount));
    ForEachSlice(setCount, threads, [&](std::int64_t begin, std::int64_t end) {
        CardSet set = UnrankColex(begin, size);
        for (std::int64_t rank = begin; rank < end; ++rank, NextColex(set)) {
            CategoryCounts counts{};
            ForEachExtension(set, [&](int, std::int32_t larger) { addLarger(larger, counts); });
            Row* row = &rows[static_cast<std::size_t>(rank * kCategoryCount)];
            for (int c = 0; c < kCategoryCount; ++c)
                row[c] = static_cast<Row>(counts[c] / (kHandSize - size));
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
    ClassifyHands(tables->category5_, threads);
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

std::int64_t CategoryTables::Count(int size, std::int32_t rank, int category) const {
    const auto at = static_cast<std::size_t>(rank) * kCategoryCount + category;
    switch (size) {
        case 0:
            return counts0_[at];
        case 1:
            return counts1_[at];
        case 2:
            return counts2_[at];
        case 3:
            return counts3_[at];
        case 4:
            return counts4_[at];
        case 5:
            return category5_[static_cast<std::size_t>(rank)] == category ? 1 : 0;
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
