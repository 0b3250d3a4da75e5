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

using Cards = std::vector<Card>;

Card CardOf(int index) {  // 0..51
    return Card{static_cast<std::int16_t>(index / 13), static_cast<std::int16_t>(index % 13 + 1)};
}

// The best category of five cards at face value. Repeated cards are allowed, since a wild
// card may copy one already in the hand; a royal flush here is the kind made with deuces.
HandCategory FaceValueCategory(const Cards& cards) {
    std::array<int, 14> countOf{};
    std::array<int, 5> values{};
    bool oneSuit = true;
    for (int i = 0; i < 5; ++i) {
        values[i] = cards[i].Value;
        ++countOf[values[i]];
        oneSuit = oneSuit && cards[i].Suit == cards[0].Suit;
    }
    std::sort(values.begin(), values.end());
    std::sort(countOf.begin(), countOf.end(), std::greater<>());
    const bool royal = values == std::array<int, 5>{1, 10, 11, 12, 13};
    const bool straight = countOf[0] == 1 && (values[4] - values[0] == 4 || royal);
    if (royal && oneSuit) return kDeuceRoyalFlush;
    if (countOf[0] == 5) return kFiveOfAKind;
    if (straight && oneSuit) return kStraightFlush;
    if (countOf[0] == 4) return kFourOfAKind;
    if (countOf[0] == 3 && countOf[1] == 2) return kFullHouse;
    if (oneSuit) return kFlush;
    if (straight) return kStraight;
    return countOf[0] == 3 ? kThreeOfAKind : kNoPayingHand;
}

// Every card for each wild card; they are interchangeable, so each choice is tried once.
HandCategory BestWithWildCards(Cards& cards, int wild, int firstIndex) {
    if (wild == 0) return FaceValueCategory(cards);
    int best = kCategoryCount;  // below every real code when read as "no pay"
    for (int index = firstIndex; index < 52 && best != kDeuceRoyalFlush; ++index) {
        cards.push_back(CardOf(index));
        const HandCategory found = BestWithWildCards(cards, wild - 1, index);
        if (found != kNoPayingHand) best = std::min<int>(best, found);
        cards.pop_back();
    }
    return static_cast<HandCategory>(best == kCategoryCount ? kNoPayingHand : best);
}

HandCategory ReferenceCategory(Cards naturals, int deuces) {
    if (deuces == 4) return kFourDeuces;
    const HandCategory best = BestWithWildCards(naturals, deuces, 0);
    if (best == kDeuceRoyalFlush && deuces == 0) return kNaturalRoyalFlush;
    return best;
}

// Calls visit(chosen) for every choice of `size` cards of `from`.
template <typename Visit>
void ForEachChoice(const Cards& from, std::size_t size, Visit visit, std::size_t start = 0,
                   Cards chosen = {}) {
    if (chosen.size() == size) return visit(chosen);
    for (std::size_t i = start; i < from.size(); ++i) {
        chosen.push_back(from[i]);
        ForEachChoice(from, size, visit, i + 1, chosen);
        chosen.pop_back();
    }
}

TEST(AllHands, EveryHandIsPaidAsTheBestCategoryItCanMake) {
    Cards deuces, naturals;
    for (int index = 0; index < 52; ++index) {
        (CardOf(index).Value == kDeuce ? deuces : naturals).push_back(CardOf(index));
    }
    std::array<long, kCategoryCount> handsOf{};
    long mismatches = 0;
    // The rules see only the naturals and the number of deuces, so the reference is worked
    // out once for each set of naturals and checked against every choice of deuces.
    for (std::size_t d = 0; d <= 4; ++d) {
        ForEachChoice(naturals, 5 - d, [&](const Cards& chosenNaturals) {
            const HandCategory expected = ReferenceCategory(chosenNaturals, static_cast<int>(d));
            ForEachChoice(deuces, d, [&](const Cards& chosenDeuces) {
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
    // The game's published frequencies over one deck, no paying hand first.
    EXPECT_EQ(handsOf, (std::array<long, kCategoryCount>{2119728, 4, 48, 480, 624, 2068, 31552,
                                                         12672, 14472, 62232, 355080}));
}

}  // namespace
}  // namespace modcards
