// Hold values from the subset tables against a slow walk over every draw of the 47 unseen cards.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <bit>
#include <vector>

#include "engine/CardText.h"
#include "engine/Deal.h"
#include "engine/analysis/HoldAdvisor.h"
#include "tests/engine/analysis/SharedTables.h"

namespace modcards::analysis {
namespace {

// Sum of the pays over every way to refill the discarded slots from the unseen cards.
std::int64_t DirectTotalPay(const Hand& dealt, unsigned slots, const Pays& pays) {
    std::vector<Card> unseen;
    for (int index = 0; index < kDeckSize; ++index) {
        const Card card = CardOfIndex(index);
        if (std::find(dealt.begin(), dealt.end(), card) == dealt.end()) unseen.push_back(card);
    }
    std::vector<Card> kept;
    for (int slot = 0; slot < 5; ++slot)
        if (slots & (1u << slot)) kept.push_back(dealt[slot]);
    const int drawn = 5 - static_cast<int>(kept.size());

    std::int64_t total = 0;
    std::array<int, 5> pick{};
    for (int i = 0; i < drawn; ++i) pick[i] = i;
    while (true) {
        Hand hand;
        std::copy(kept.begin(), kept.end(), hand.begin());
        for (int i = 0; i < drawn; ++i) hand[kept.size() + i] = unseen[pick[i]];
        SortByValue(hand);
        total += pays.perCategory[EvaluateHand(hand)];
        // Next combination of `drawn` positions out of the unseen cards, in lexical order.
        int i = drawn - 1;
        while (i >= 0 && pick[i] == static_cast<int>(unseen.size()) - drawn + i) --i;
        if (i < 0) break;
        ++pick[i];
        for (int j = i + 1; j < drawn; ++j) pick[j] = pick[j - 1] + 1;
    }
    return total;
}

const RankedHold& HoldWithSlots(const std::array<RankedHold, kHoldCount>& holds, unsigned slots) {
    return *std::find_if(holds.begin(), holds.end(),
                         [slots](const RankedHold& hold) { return hold.keptSlots == slots; });
}

TEST(HoldValues, EveryHoldMatchesAWalkOverAllDraws) {
    const Pays pays = FullPays();
    const HoldAdvisor advisor(SharedTables(), pays);
    // A lone deuce, two deuces with a flush draw, and a pat natural royal.
    for (const char* text : {"Ah 2c 5d 9s Kh", "7h 2c 8h 2d 9h", "Th Jh Qh Kh Ah"}) {
        SCOPED_TRACE(text);
        const Hand dealt = ParseHand(text);
        const auto holds = advisor.RankHolds(dealt);
        for (unsigned slots = 0; slots < kHoldCount; ++slots) {
            const RankedHold& hold = HoldWithSlots(holds, slots);
            EXPECT_EQ(hold.totalPay, DirectTotalPay(dealt, slots, pays)) << "slots " << slots;
            EXPECT_EQ(hold.drawCount, DrawCount(std::popcount(slots)));
        }
    }
}

TEST(HoldValues, ListedBestFirstWithTiesSharingARank) {
    const Pays pays = FullPays();
    const HoldAdvisor advisor(SharedTables(), pays);
    const auto holds = advisor.RankHolds(ParseHand("3c 5d 9s Jh Kd"));
    EXPECT_EQ(holds[0].rank, 1);
    for (int i = 1; i < kHoldCount; ++i) {
        const int order =
            CompareHoldValues(holds[i - 1].totalPay, std::popcount(holds[i - 1].keptSlots),
                              holds[i].totalPay, std::popcount(holds[i].keptSlots));
        EXPECT_GE(order, 0);
        EXPECT_EQ(holds[i].rank == holds[i - 1].rank, order == 0) << "place " << i;
        EXPECT_EQ(holds[i].ExpectedPay(pays) == holds[i - 1].ExpectedPay(pays), order == 0);
    }
}

TEST(HoldValues, FollowTheCardsWhateverTheirOrder) {
    const HoldAdvisor advisor(SharedTables(), FullPays());
    // Four to a natural royal: keep the four hearts wherever they sit.
    EXPECT_EQ(advisor.BestHold(ParseHand("Th Jh Qh Kh 3s")), 0b01111);
    EXPECT_EQ(advisor.BestHold(ParseHand("3s Kh Th Qh Jh")), 0b11110);
    // A royal flush made with a deuce pays more than drawing to the natural one.
    EXPECT_EQ(advisor.BestHold(ParseHand("Th 2s Qh Kh Jh")), 0b11111);
    // Four deuces stand pat or keep the deuces: worth the same, so the more cards kept wins.
    EXPECT_EQ(advisor.BestHold(ParseHand("2s 2h 9c 2d 2c")), 0b11111);
    // Suit symmetry: renaming the suits changes nothing.
    const auto a = advisor.RankHolds(ParseHand("4h 5h 6h 8c Ks"));
    const auto b = advisor.RankHolds(ParseHand("4d 5d 6d 8s Kc"));
    for (int i = 0; i < kHoldCount; ++i) {
        EXPECT_EQ(a[i].keptSlots, b[i].keptSlots);
        EXPECT_EQ(a[i].totalPay, b[i].totalPay);
    }
}

TEST(HoldValues, RefuseHandsThatCannotBeDealt) {
    const HoldAdvisor advisor(SharedTables(), FullPays());
    EXPECT_THROW(advisor.RankHolds(ParseHand("Ah Ah 5d 9s Kh")), std::invalid_argument);
    Hand offDeck = ParseHand("Ah 2c 5d 9s Kh");
    offDeck[2].Value = 14;
    EXPECT_THROW(advisor.RankHolds(offDeck), std::invalid_argument);
}

}  // namespace
}  // namespace modcards::analysis
