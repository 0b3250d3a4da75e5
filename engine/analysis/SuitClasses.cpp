// Enumerating deals up to suit permutation as four per-suit rank masks in canonical order.
#include "engine/analysis/SuitClasses.h"

#include <algorithm>
#include <array>
#include <bit>

namespace modcards::analysis {

namespace {

struct SuitMask {
    unsigned ranks = 0;  // bit r: the card of rank index r
    int cards = 0;       // bits set
};

// Every 13-bit rank mask of at most `size` cards, more cards first, then larger masks first.
// A class is listed once, as the suits' masks in this order (non-decreasing positions).
std::vector<SuitMask> OrderedMasks(int size) {
    std::vector<SuitMask> masks;
    for (unsigned ranks = 0; ranks < (1u << kRanksPerSuit); ++ranks) {
        const int cards = std::popcount(ranks);
        if (cards <= size) masks.push_back({ranks, cards});
    }
    std::sort(masks.begin(), masks.end(), [](const SuitMask& a, const SuitMask& b) {
        return a.cards != b.cards ? a.cards > b.cards : a.ranks > b.ranks;
    });
    return masks;
}

// Ways to give the four masks to the four suits: 4! over the orderings of equal masks.
std::int32_t ClassWeight(const std::array<unsigned, kSuitCount>& masks) {
    std::int32_t weight = 24;
    int run = 1;
    for (int s = 1; s < kSuitCount; ++s) {
        run = masks[s] == masks[s - 1] ? run + 1 : 1;
        weight /= run;
    }
    return weight;
}

SuitClass ClassOf(const std::array<unsigned, kSuitCount>& masks) {
    SuitClass sets;
    for (int suit = 0; suit < kSuitCount; ++suit)
        for (unsigned ranks = masks[suit]; ranks != 0; ranks &= ranks - 1)
            sets.set.cards[sets.set.size++] = suit * kRanksPerSuit + std::countr_zero(ranks);
    sets.weight = ClassWeight(masks);
    return sets;
}

struct ClassWalk {
    const std::vector<SuitMask>& masks;
    std::vector<SuitClass>& classes;
    std::array<std::size_t, kHandSize + 1> firstWithAtMost{};  // by card count
    std::array<unsigned, kSuitCount> chosen{};

    ClassWalk(const std::vector<SuitMask>& ordered, std::vector<SuitClass>& out)
        : masks(ordered), classes(out) {
        for (int cards = 0; cards <= masks.front().cards; ++cards)
            firstWithAtMost[cards] = static_cast<std::size_t>(
                std::find_if(masks.begin(), masks.end(),
                             [cards](const SuitMask& m) { return m.cards <= cards; }) -
                masks.begin());
    }

    void Choose(int suit, std::size_t from, int cardsLeft) {
        if (cardsLeft == 0) {  // the other suits are empty
            std::fill(chosen.begin() + suit, chosen.end(), 0u);
            classes.push_back(ClassOf(chosen));
            return;
        }
        if (suit == kSuitCount) return;
        for (std::size_t i = std::max(from, firstWithAtMost[cardsLeft]); i < masks.size(); ++i) {
            const int cards = masks[i].cards;
            // The remaining suits take at most this many cards each.
            if (cards * (kSuitCount - suit) < cardsLeft) break;
            chosen[suit] = masks[i].ranks;
            Choose(suit + 1, i, cardsLeft - cards);
        }
    }
};

}  // namespace

const SuitRenamings& RenamingsOf(unsigned equalSuits) {
    static const std::array<SuitRenamings, 64> kByPattern = [] {
        std::array<SuitRenamings, 64> byPattern{};
        for (unsigned pattern = 0; pattern < 64; ++pattern) {
            std::array<int, kSuitCount> fromSuit{0, 1, 2, 3};
            do {
                // Where each old suit goes; equal old suits must keep their order.
                std::array<int, kSuitCount> to{};
                for (int t = 0; t < kSuitCount; ++t) to[fromSuit[t]] = t;
                bool keepsOrder = true;
                for (int a = 0, pair = 0; a < kSuitCount; ++a)
                    for (int b = a + 1; b < kSuitCount; ++b, ++pair)
                        keepsOrder = keepsOrder && (!((pattern >> pair) & 1u) || to[a] < to[b]);
                if (!keepsOrder) continue;
                SuitRenamings& renamings = byPattern[pattern];
                renamings.renamings[static_cast<std::size_t>(renamings.count++)] = fromSuit;
            } while (std::next_permutation(fromSuit.begin(), fromSuit.end()));
        }
        return byPattern;
    }();
    return kByPattern[equalSuits];
}

std::vector<SuitClass> SetsUpToSuits(int size) {
    const std::vector<SuitMask> masks = OrderedMasks(size);
    std::vector<SuitClass> classes;
    // About one class for every 24 sets, a few more for the symmetric ones.
    classes.reserve(static_cast<std::size_t>(kBinomial(kDeckSize, size) / 16 + 16));
    ClassWalk(masks, classes).Choose(0, 0, size);
    return classes;
}

}  // namespace modcards::analysis
