// Dealing from a fresh deck, codes to cards, and the fixed-pass sort.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>
#include <random>
#include <set>
#include <vector>

#include "engine/CardText.h"
#include "engine/Deal.h"

namespace modcards {
namespace {

constexpr std::int16_t kUntouched = -7;

// Plays back the given values in a loop and counts how it is used.
class ScriptedRandom final : public RandomSource {
  public:
    explicit ScriptedRandom(std::vector<float> values) : values_(std::move(values)) {}
    void Reseed() override {
        ++reseeds;
        draws_since_reseed = 0;
    }
    float Next() override {
        ++draws_since_reseed;
        return values_[next_++ % values_.size()];
    }
    int reseeds = 0;
    int draws_since_reseed = 0;

  private:
    std::vector<float> values_;
    std::size_t next_ = 0;
};

// A reproducible uniform source for statistical checks.
class SeededRandom final : public RandomSource {
  public:
    explicit SeededRandom(unsigned seed) : engine_(seed) {}
    void Reseed() override {}
    float Next() override { return static_cast<float>(engine_() >> 8) * (1.0f / 16777216.0f); }

  private:
    std::mt19937 engine_;
};

std::array<std::int16_t, 12> Deal(std::int16_t count, RandomSource& random) {
    std::array<std::int16_t, 12> codes;
    codes.fill(kUntouched);
    DealCodes(count, codes, random);
    return codes;
}

TEST(Dealing, ExtremeRandomValuesTakeTheEndsOfTheDeck) {
    ScriptedRandom lowest({0.0f});
    EXPECT_EQ(Deal(10, lowest), (std::array<std::int16_t, 12>{kUntouched, 1, 2, 3, 4, 5, 6, 7, 8, 9,
                                                              10, kUntouched}));

    ScriptedRandom highest({std::nextafter(1.0f, 0.0f)});
    EXPECT_EQ(Deal(10, highest), (std::array<std::int16_t, 12>{kUntouched, 52, 51, 50, 49, 48, 47,
                                                               46, 45, 44, 43, kUntouched}));
}

TEST(Dealing, DrawsCloseTheGapsLeftByEarlierCards) {
    // 0.5 of 52 is the 27th code; 0.5 of the 51 left is the 26th; 0.99 of 50 the 50th, which
    // is 52 once 26 and 27 are gone; then the last of 49, and the 25th of 48.
    ScriptedRandom script({0.5f, 0.5f, 0.99f, 0.999f, 0.52f});
    const auto codes = Deal(5, script);
    EXPECT_EQ(std::vector<std::int16_t>(codes.begin() + 1, codes.begin() + 6),
              (std::vector<std::int16_t>{27, 26, 52, 51, 25}));
}

TEST(Dealing, ReseedsOnceBeforeEveryDealAndDrawsOncePerCode) {
    ScriptedRandom script({0.25f});
    Deal(10, script);
    Deal(0, script);
    EXPECT_EQ(script.reseeds, 2);
    EXPECT_EQ(script.draws_since_reseed, 0);

    const auto codes = Deal(0, script);
    EXPECT_TRUE(std::all_of(codes.begin(), codes.end(), [](auto c) { return c == kUntouched; }));
    std::array<std::int16_t, 53> wholeDeck{};
    DealCodes(52, wholeDeck, script);
    EXPECT_EQ(script.draws_since_reseed, 52);
    std::sort(wholeDeck.begin() + 1, wholeDeck.end());
    for (std::int16_t p = 1; p <= 52; ++p) EXPECT_EQ(wholeDeck[p], p);
}

TEST(Dealing, RejectsCountsAndArraysOutsideTheDeck) {
    ScriptedRandom script({0.0f});
    std::array<std::int16_t, 60> codes{};
    EXPECT_THROW(DealCodes(53, codes, script), std::out_of_range);
    EXPECT_THROW(DealCodes(-1, codes, script), std::out_of_range);
    EXPECT_THROW(DealCodes(10, std::span(codes).first(10), script), std::out_of_range);
}

// Chi-square over 52 codes (51 degrees of freedom) at every draw position. 150 lies far
// beyond any honest result (p < 1e-10); the seed is fixed, so the test cannot flake.
TEST(Dealing, EveryCodeIsEquallyLikelyAtEveryDrawPosition) {
    constexpr unsigned kSeed = 20240611;
    constexpr int kDeals = 52000;
    SeededRandom random(kSeed);
    std::array<std::array<int, 53>, 11> seen{};
    for (int deal = 0; deal < kDeals; ++deal) {
        const auto codes = Deal(10, random);
        const std::set<std::int16_t> distinct(codes.begin() + 1, codes.begin() + 11);
        ASSERT_EQ(distinct.size(), 10u) << "seed " << kSeed << ", deal " << deal;
        ASSERT_GE(*distinct.begin(), 1);
        ASSERT_LE(*distinct.rbegin(), 52);
        for (int k = 1; k <= 10; ++k) ++seen[k][codes[k]];
    }
    const double expected = kDeals / 52.0;
    for (int k = 1; k <= 10; ++k) {
        double chiSquare = 0;
        for (int code = 1; code <= 52; ++code) {
            chiSquare += std::pow(seen[k][code] - expected, 2) / expected;
        }
        EXPECT_LT(chiSquare, 150.0) << "draw " << k << ", seed " << kSeed;
    }
}

TEST(Dealing, ClockSeededSourceStaysBelowOneAndDiffersBetweenDeals) {
    const auto random = MakeClockSeededRandom();
    for (int i = 0; i < 100000; ++i) {
        const float u = random->Next();
        ASSERT_GE(u, 0.0f);
        ASSERT_LT(u, 1.0f);
    }
    // Two deals within one clock tick: the odds of equal deals are about 1 in 10^16.
    EXPECT_NE(Deal(10, *random), Deal(10, *random));
}

TEST(CodesToCards, MapsEachSuitBlockAndSkipsCodesOutsideTheDeck) {
    const std::array<std::int16_t, 11> codes{99, 1, 13, 14, 39, 40, 52, 0, 53, -1, 27};
    std::array<Card, 11> cards;
    cards.fill(Card{9, 9});
    CodesToCards(10, codes, cards);
    const Card untouched{9, 9};
    const std::array<Card, 11> expected{untouched, {0, 1},    {0, 13},   {1, 1},    {2, 13}, {3, 1},
                                        {3, 13},   untouched, untouched, untouched, {2, 1}};
    EXPECT_EQ(cards, expected);
}

TEST(CodesToCards, EveryCodeNamesTheCardWrittenForIt) {
    std::array<std::int16_t, 53> codes{};
    std::iota(codes.begin(), codes.end(), 0);
    std::array<Card, 53> cards{};
    CodesToCards(52, codes, cards);
    for (std::int16_t code = 1; code <= 52; ++code) EXPECT_EQ(CardToCode(cards[code]), code);
    EXPECT_EQ(FormatCard(cards[1]), "As");
    EXPECT_EQ(FormatCard(cards[52]), "Kh");
}

TEST(SortByValue, OrdersByValueAndKeepsEqualValuesInTheirOrder) {
    Hand hand = ParseHand("Kd 2c As 2h Td");
    SortByValue(hand);
    EXPECT_EQ(FormatCards(hand), "As 2c 2h Td Kd");

    Hand ascending = ParseHand("Ah 2s 5d 5c Kc");
    SortByValue(ascending);
    EXPECT_EQ(FormatCards(ascending), "Ah 2s 5d 5c Kc");

    Hand sameValue{{{3, 7}, {1, 7}, {0, 7}, {2, 7}, {3, 7}}};
    const Hand before = sameValue;
    SortByValue(sameValue);
    EXPECT_EQ(sameValue, before);
}

TEST(SortByValue, SortsEveryOrderingOfAHandStably) {
    Hand hand = ParseHand("Kd 9s 9h As 3c");
    std::array<int, 5> order{0, 1, 2, 3, 4};
    do {
        Hand shuffled;
        for (int i = 0; i < 5; ++i) shuffled[i] = hand[order[i]];
        Hand expected = shuffled;
        std::stable_sort(expected.begin(), expected.end(),
                         [](const Card& a, const Card& b) { return a.Value < b.Value; });
        SortByValue(shuffled);
        EXPECT_EQ(shuffled, expected) << FormatCards(shuffled);
    } while (std::next_permutation(order.begin(), order.end()));
}

}  // namespace
}  // namespace modcards
