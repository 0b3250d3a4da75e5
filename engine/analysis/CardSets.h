// Walking the card sets of one size in colex order.
#pragma once

#include <array>
#include <cstdint>

#include "engine/analysis/Combinatorics.h"

namespace modcards::analysis {

// A set of up to five card indices, ascending, with its size.
struct CardSet {
    std::array<int, kHandSize> cards{};
    int size = 0;
};

// The set of `size` cards whose colex rank is `rank` (0 <= rank < C(52, size)).
constexpr CardSet UnrankColex(std::int64_t rank, int size) {
    CardSet set;
    set.size = size;
    for (int i = size - 1; i >= 0; --i) {
        int card = i;
        while (card + 1 < kDeckSize && kBinomial(card + 1, i + 1) <= rank) ++card;
        set.cards[i] = card;
        rank -= kBinomial(card, i + 1);
    }
    return set;
}

// Moves to the set of the next colex rank. Past the last set the top card reaches 52.
constexpr void NextColex(CardSet& set) {
    int i = 0;
    while (i + 1 < set.size && set.cards[i] + 1 == set.cards[i + 1]) ++i;
    ++set.cards[i];
    for (int j = 0; j < i; ++j) set.cards[j] = j;
}

// Calls visit(card, rank) for each card outside `set` (of at most four cards), with the colex
// rank of set + card.
template <typename Visit>
void ForEachExtension(const CardSet& set, const Visit& visit) {
    // Cards below the new one keep their place i; those above move up to place i + 1.
    std::array<std::int64_t, kHandSize + 1> below{};
    std::array<std::int64_t, kHandSize + 1> above{};
    for (int i = 0; i < set.size; ++i) below[i + 1] = below[i] + kBinomial(set.cards[i], i + 1);
    for (int i = set.size - 1; i >= 0; --i)
        above[i] = above[i + 1] + kBinomial(set.cards[i], i + 2);
    int place = 0;
    for (int card = 0; card < kDeckSize; ++card) {
        if (place < set.size && set.cards[place] == card) {
            ++place;
            continue;
        }
        visit(card,
              static_cast<std::int32_t>(below[place] + kBinomial(card, place + 1) + above[place]));
    }
}

}  // namespace modcards::analysis
