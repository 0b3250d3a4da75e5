// Card sets up to renaming the suits: the rules never favour a suit, so a set's category
// counts, and a deal's hold values, are the same for every renaming. Work done once per class
// is then copied to, or weighted by, the sets of that class.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "engine/analysis/CardSets.h"
#include "engine/analysis/Combinatorics.h"

namespace modcards::analysis {

constexpr int kSuitCount = 4;
constexpr int kRanksPerSuit = 13;

struct SuitClass {
    CardSet set;              // one set of the class, ascending
    std::int32_t weight = 0;  // how many sets the class holds (1..24)
};

// One set of each class of `size`-card sets (0..5). For five cards: 134,459 classes whose
// weights add up to 2,598,960.
std::vector<SuitClass> SetsUpToSuits(int size);

// Calls visit(rank) once with the colex rank of each set of the class of `set` (its own rank
// included): each renaming of the suits that gives a new set, that is each permutation that
// keeps suits holding the same ranks in their order.
template <typename Visit>
void ForEachSuitRenaming(const CardSet& set, const Visit& visit) {
    // The set is ascending, so each suit's cards form one run: [start[s], start[s + 1]).
    std::array<int, kSuitCount + 1> start{};
    std::array<unsigned, kSuitCount> masks{};
    for (int i = 0; i < set.size; ++i) {
        ++start[set.cards[i] / kRanksPerSuit + 1];
        masks[set.cards[i] / kRanksPerSuit] |= 1u << (set.cards[i] % kRanksPerSuit);
    }
    for (int s = 0; s < kSuitCount; ++s) start[s + 1] += start[s];
    std::array<int, kSuitCount> fromSuit{0, 1, 2, 3};  // new suit -> old suit
    do {
        // Suits with the same ranks may swap names without making a new set: keep only the
        // renaming that leaves them in their old order.
        bool repeats = false;
        for (int a = 0; a < kSuitCount; ++a)
            for (int b = a + 1; b < kSuitCount; ++b)
                repeats = repeats ||
                          (masks[fromSuit[a]] == masks[fromSuit[b]] && fromSuit[a] > fromSuit[b]);
        if (repeats) continue;
        // Taking the old suits' runs in new-suit order keeps the renamed set ascending.
        std::int64_t rank = 0;
        int place = 0;
        for (int to = 0; to < kSuitCount; ++to) {
            const int from = fromSuit[to];
            for (int i = start[from]; i < start[from + 1]; ++i, ++place)
                rank += kBinomial(set.cards[i] + (to - from) * kRanksPerSuit, place + 1);
        }
        visit(static_cast<std::int32_t>(rank));
    } while (std::next_permutation(fromSuit.begin(), fromSuit.end()));
}

}  // namespace modcards::analysis
