// Card indices, binomial coefficients and colex ranks of card sets, shared by the analysis.
#pragma once

#include <array>
#include <cstdint>

#include "engine/Card.h"

namespace modcards::analysis {

// A card index is the card code minus one: 0..51, suit = index / 13, value = index % 13 + 1.
constexpr int kDeckSize = 52;
constexpr int kHandSize = 5;
constexpr int kUnseenCount = kDeckSize - kHandSize;  // cards a draw comes from: 47

constexpr Card CardOfIndex(int index) {
    return Card{static_cast<std::int16_t>(index / 13), static_cast<std::int16_t>(index % 13 + 1)};
}

// -1 when the card is not one of the 52.
constexpr int IndexOfCard(Card card) {
    if (!IsInDeck(card)) return -1;
    return card.Suit * 13 + card.Value - 1;
}

// Five distinct card indices in ascending order: a deal as the analysis reads it.
using DealtIndices = std::array<int, kHandSize>;

// Binomial(n, k) for 0 <= n <= 52 and 0 <= k <= 5; zero when k > n.
class BinomialTable {
public:
    constexpr BinomialTable() : rows_{} {
        for (int n = 0; n <= kDeckSize; ++n) {
            rows_[n][0] = 1;
            for (int k = 1; k <= kHandSize; ++k)
                rows_[n][k] = n == 0 ? 0 : rows_[n - 1][k - 1] + rows_[n - 1][k];
        }
    }
    constexpr std::int64_t operator()(int n, int k) const { return rows_[n][k]; }

private:
    std::array<std::array<std::int64_t, kHandSize + 1>, kDeckSize + 1> rows_;
};

inline constexpr BinomialTable kBinomial{};

constexpr std::int64_t kDealCount = kBinomial(kDeckSize, kHandSize);  // 2,598,960

// The number of draws that complete a hold of `held` cards: C(47, 5 - held).
constexpr std::int64_t DrawCount(int held) {
    return kBinomial(kUnseenCount, kHandSize - held);
}

// Colex rank of a set of card indices given in ascending order: sum of C(card_i, i + 1).
// The sets of one size are ranked 0..C(52, size) - 1 without gaps.
template <typename Indices>
constexpr std::int32_t ColexRank(const Indices& ascending, int size) {
    std::int64_t rank = 0;
    for (int i = 0; i < size; ++i) rank += kBinomial(ascending[i], i + 1);
    return static_cast<std::int32_t>(rank);
}

}  // namespace modcards::analysis
