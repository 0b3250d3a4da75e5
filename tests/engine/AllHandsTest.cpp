// Every five-card hand of one deck, evaluated and compared with a slow reference that knows
// nothing of the detectors: each deuce is tried as every card, and the best category wins.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <vector>

#include "engine/CardText.h"
#include "engine/Deal.h"
#include "engine/HandEvaluation.h"

namespace modcards {
namespace {

using Cards = std::array<Card, 5>;

bool IsRoyalRun(const std::array<int, 5>& sortedValues) {
    return sortedValues == std::array<int, 5>{1, 10, 11, 12, 13};
}

// The best category of five cards read at face value; repeated cards are allowed, since a
// wild card may copy a card already in the hand. A royal flush here is the deuces' kind.
HandCategory FaceValueCategory(const Cards& cards) {
    std::array<int, 14> countOf{};
    std::array<int, 5> values{};
    bool oneSuit = true;
    for (int i = 0; i < 5; ++i) {
        ++countOf[cards[i].Value];
        values[i] = cards[i].Value;
        oneSuit = oneSuit && cards[i].Suit == cards[0].Suit;
    }
    std::sort(values.begin(), values.end());
    std::array<int, 2> sizes{};  // the two largest groups of one value
    for (const int count : countOf) {
        if (count > sizes[0]) {
            sizes = {count, sizes[0]};
        } else if (count > sizes[1]) {
            sizes[1] = count;
        }
    }

    const bool distinct = sizes[0] == 1;
    const bool straight = distinct && (values[4] - values[0] == 4 || IsRoyalRun(values));
    if (straight && oneSuit && IsRoyalRun(values)) return kDeuceRoyalFlush;
    if (sizes[0] == 5) return kFiveOfAKind;
    if (straight && oneSuit) return kStraightFlush;
    if (sizes[0] == 4) return kFourOfAKind;
    if (sizes[0] == 3 && sizes[1] == 2) return kFullHouse;
    if (oneSuit) return kFlush;
    if (straight) return kStraight;
    if (sizes[0] == 3) return kThreeOfAKind;
    return kNoPayingHand;
}

Card CardOf(int index) {  // 0..51
    return Card{static_cast<std::int16_t>(index / 13), static_cast<std::int16_t>(index % 13 + 1)};
}

// Tries every card for each of the `deuces` wild cards after `naturals`; the wild cards are
// interchangeable, so each choice is taken once, as a non-decreasing run of card indexes.
HandCategory BestWithWildCards(Cards& cards, int naturals, int deuces, int firstIndex) {
    if (deuces == 0) return FaceValueCategory(cards);
    HandCategory best = kNoPayingHand;
    for (int index = firstIndex; index < 52; ++index) {
        cards[naturals] = CardOf(index);
        const HandCategory found = BestWithWildCards(cards, naturals + 1, deuces - 1, index);
        if (found != kNoPayingHand && (best == kNoPayingHand || found < best)) best = found;
        if (best == kDeuceRoyalFlush) break;  // nothing with a wild card pays more
    }
    return best;
}

HandCategory ReferenceCategory(const std::vector<Card>& naturals, int deuces) {
    if (deuces == 4) return kFourDeuces;
    Cards cards{};
    std::copy(naturals.begin(), naturals.end(), cards.begin());
    const HandCategory best =
        BestWithWildCards(cards, static_cast<int>(naturals.size()), deuces, 0);
    if (best == kDeuceRoyalFlush && deuces == 0) return kNaturalRoyalFlush;
    return best;
}

// Calls visit(chosen) for every way to choose `size` items of `from`, in order.
template <typename Visit>
void ForEachChoice(const std::vector<Card>& from, int size, Visit&& visit) {
    std::vector<Card> chosen;
    auto walk = [&](auto&& self, std::size_t start) -> void {
        if (static_cast<int>(chosen.size()) == size) {
            visit(chosen);
            return;
        }
        for (std::size_t i = start; i < from.size(); ++i) {
            chosen.push_back(from[i]);
            self(self, i + 1);
            chosen.pop_back();
        }
    };
    walk(walk, 0);
}

TEST(AllHands, EveryHandIsPaidAsTheBestCategoryItCanMake) {
    std::vector<Card> deuces;
    std::vector<Card> naturals;
    for (int index = 0; index < 52; ++index) {
        const Card card = CardOf(index);
        (card.Value == kDeuce ? deuces : naturals).push_back(card);
    }

    std::array<long, kCategoryCount> handsOf{};
    long mismatches = 0;
    // The reference depends only on the naturals and the number of deuces, so it is worked
    // out once for each set of naturals and checked against every choice of deuces.
    for (int d = 0; d <= 4; ++d) {
        ForEachChoice(naturals, 5 - d, [&](const std::vector<Card>& chosenNaturals) {
            const HandCategory expected = ReferenceCategory(chosenNaturals, d);
            ForEachChoice(deuces, d, [&](const std::vector<Card>& chosenDeuces) {
                Hand hand{};
                std::copy(chosenDeuces.begin(), chosenDeuces.end(), hand.begin());
                std::copy(chosenNaturals.begin(), chosenNaturals.end(), hand.begin() + d);
                SortByValue(hand);
                const HandCategory actual = EvaluateHand(hand);
                ++handsOf[actual];
                if (actual != expected && ++mismatches <= 20) {
                    ADD_FAILURE() << FormatCards(hand) << ": evaluated " << actual
                                  << ", the rules give " << expected;
                }
            });
        });
    }
    EXPECT_EQ(mismatches, 0);

    // The published frequencies of the game's ten categories over one deck.
    const std::array<long, kCategoryCount> published{2119728, 4,     48,    480,   624,   2068,
                                                     31552,   12672, 14472, 62232, 355080};
    EXPECT_EQ(handsOf, published);
}

}  // namespace
}  // namespace modcards
