// Small card sets and the colex ranks of the sets one card larger.
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
