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

// The renamings of the suits (new suit -> old suit) that make new sets from a set whose suits
// have equal ranks as `equalSuits` tells (bit p for the p-th pair a < b of suits, in the order
// 01, 02, 03, 12, 13, 23): those keeping each pair of equal suits in its old order.
struct SuitRenamings {
    std::array<std::array<int, kSuitCount>, 24> renamings{};
    int count = 0;
};
const SuitRenamings& RenamingsOf(unsigned equalSuits);

// Calls visit(rank) once with the colex rank of each set of the class of `set` (its own rank
// included): each renaming of the suits that gives a new set.
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
    unsigned equalSuits = 0;
    for (int a = 0, pair = 0; a < kSuitCount; ++a)
        for (int b = a + 1; b < kSuitCount; ++b, ++pair)
            equalSuits |= static_cast<unsigned>(masks[a] == masks[b]) << pair;
    const SuitRenamings& renamings = RenamingsOf(equalSuits);
    for (int r = 0; r < renamings.count; ++r) {
        const std::array<int, kSuitCount>& fromSuit = renamings.renamings[r];
        // Taking the old suits' runs in new-suit order keeps the renamed set ascending.
        std::int64_t rank = 0;
        int place = 0;
        for (int to = 0; to < kSuitCount; ++to) {
            const int from = fromSuit[to];
            for (int i = start[from]; i < start[from + 1]; ++i, ++place)
                rank += kBinomial(set.cards[i] + (to - from) * kRanksPerSuit, place + 1);
        }
        visit(static_cast<std::int32_t>(rank));
    }
}

}  // namespace modcards::analysis
