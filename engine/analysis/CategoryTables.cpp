// Building the category tables: classify every hand once, then count down to smaller sets.
#include "engine/analysis/CategoryTables.h"

#include <algorithm>
#include <stdexcept>

#include "engine/Deal.h"
#include "engine/analysis/CardSets.h"
#include "engine/analysis/Parallel.h"
#include "engine/analysis/SuitClasses.h"

namespace modcards::analysis {

namespace {

// Sends each hand to the other hands of its suit class: every renaming of the suits that
// gives a different hand, that is every permutation that keeps suits of equal rank masks in
// their order.
template <typename Visit>
void ForEachSuitRenaming(const DealtIndices& cards, const Visit& visit) {
    std::array<unsigned, 4> masks{};
    for (const int card : cards) masks[card / 13] |= 1u << (card % 13);
    std::array<int, 4> toSuit{0, 1, 2, 3};
    do {
        bool distinct = true;
        for (int s = 0; s + 1 < 4; ++s)
            if (masks[s] == masks[s + 1] && toSuit[s] > toSuit[s + 1]) distinct = false;
        if (!distinct) continue;
        DealtIndices renamed{};
        for (int i = 0; i < kHandSize; ++i) {
            // Insertion keeps the renamed cards ascending for the colex rank.
            int card = toSuit[cards[i] / 13] * 13 + cards[i] % 13;
            int at = i;
            for (; at > 0 && renamed[at - 1] > card; --at) renamed[at] = renamed[at - 1];
            renamed[at] = card;
        }
        visit(ColexRank(renamed, kHandSize));
    } while (std::next_permutation(toSuit.begin(), toSuit.end()));
}

void ClassifyHands(std::vector<std::uint8_t>& categories, unsigned threads) {
    categories.resize(static_cast<std::size_t>(kDealCount));
    const std::vector<WeightedDeal> classes = DealsUpToSuits();
    const auto count = static_cast<std::int64_t>(classes.size());
    ForEachSlice(count, threads, [&](std::int64_t begin, std::int64_t end) {
        for (std::int64_t i = begin; i < end; ++i) {
            const DealtIndices& cards = classes[static_cast<std::size_t>(i)].cards;
            Hand hand;
            for (int c = 0; c < kHandSize; ++c) hand[c] = CardOfIndex(cards[c]);
            SortByValue(hand);
            const auto category = static_cast<std::uint8_t>(EvaluateHand(hand));
            ForEachSuitRenaming(cards, [&](std::int32_t rank) {
                categories[static_cast<std::size_t>(rank)] = category;
            });
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
