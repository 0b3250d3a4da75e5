// Enumerating deals up to suit permutation as four per-suit rank masks in canonical order.
#include "engine/analysis/SuitClasses.h"

#include <algorithm>
#include <array>
#include <bit>

namespace modcards::analysis {

namespace {

constexpr int kSuitCount = 4;
constexpr int kRanksPerSuit = 13;

struct SuitMask {
    unsigned ranks = 0;  // bit r: the card of rank index r
    int cards = 0;       // bits set
};

// Every 13-bit rank mask of at most five cards, more cards first, then larger masks first.
// A class is listed once, as the suits' masks in this order (non-decreasing positions).
std::vector<SuitMask> OrderedMasks() {
    std::vector<SuitMask> masks;
    for (unsigned ranks = 0; ranks < (1u << kRanksPerSuit); ++ranks) {
        const int cards = std::popcount(ranks);
        if (cards <= kHandSize) masks.push_back({ranks, cards});
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

WeightedDeal DealOf(const std::array<unsigned, kSuitCount>& masks) {
    WeightedDeal deal;
    int next = 0;
    for (int suit = 0; suit < kSuitCount; ++suit)
        for (int rank = 0; rank < kRanksPerSuit; ++rank)
            if (masks[suit] & (1u << rank)) deal.cards[next++] = suit * kRanksPerSuit + rank;
    deal.weight = ClassWeight(masks);
    return deal;
}

struct ClassWalk {
    const std::vector<SuitMask>& masks;
    std::vector<WeightedDeal>& deals;
    std::array<std::size_t, kHandSize + 1> firstWithAtMost{};  // by card count
    std::array<unsigned, kSuitCount> chosen{};

    ClassWalk(const std::vector<SuitMask>& ordered, std::vector<WeightedDeal>& out)
        : masks(ordered), deals(out) {
        for (int cards = 0; cards <= kHandSize; ++cards)
            firstWithAtMost[cards] = static_cast<std::size_t>(
                std::find_if(masks.begin(), masks.end(),
                             [cards](const SuitMask& m) { return m.cards <= cards; }) -
                masks.begin());
    }

    void Choose(int suit, std::size_t from, int cardsLeft) {
        if (cardsLeft == 0) {  // the other suits are empty
            std::fill(chosen.begin() + suit, chosen.end(), 0u);
            deals.push_back(DealOf(chosen));
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

std::vector<WeightedDeal> DealsUpToSuits() {
    const std::vector<SuitMask> masks = OrderedMasks();
    std::vector<WeightedDeal> deals;
    deals.reserve(134'459);
    ClassWalk(masks, deals).Choose(0, 0, kHandSize);
    return deals;
}

}  // namespace modcards::analysis
