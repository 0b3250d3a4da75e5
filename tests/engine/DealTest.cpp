// Dealing from a fresh deck, codes to cards, and the fixed-pass sort.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <random>
#include <set>
#include <span>
#include <vector>

#include "engine/CardText.h"
#include "engine/Deal.h"

namespace modcards {
namespace {

constexpr std::int16_t kUntouched = -7;

// Plays back fixed values in a loop, or a seeded generator's, and counts reseeds.
class TestRandom final : public RandomSource {
public:
    explicit TestRandom(std::vector<float> values) : values_(std::move(values)) {}
    explicit TestRandom(unsigned seed) : engine_(seed) {}
    void Reseed() override { ++reseeds; }
    float Next() override {
        const std::size_t at = draws++;
        if (values_.empty()) return static_cast<float>(engine_() >> 8) * 0x1p-24f;
        return values_[at % values_.size()];
    }
    int reseeds = 0;
    std::size_t draws = 0;

private:
    std::vector<float> values_;
    std::mt19937 engine_;
};

std::vector<std::int16_t> Deal(std::int16_t count, RandomSource& random) {
    std::vector<std::int16_t> codes(12, kUntouched);
    DealCodes(count, codes, random);
    return codes;
}

TEST(Dealing, DrawsFromAFreshDeckReseededEveryDeal) {
    TestRandom lowest(std::vector{0.0f});
    EXPECT_EQ(Deal(10, lowest),
              (std::vector<std::int16_t>{kUntouched, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, kUntouched}));
    EXPECT_EQ(Deal(0, lowest), std::vector<std::int16_t>(12, kUntouched));
    EXPECT_EQ(lowest.reseeds, 2);
    EXPECT_EQ(lowest.draws, 10u);

    TestRandom highest(std::vector{std::nextafter(1.0f, 0.0f)});
    EXPECT_EQ(Deal(10, highest), (std::vector<std::int16_t>{kUntouched, 52, 51, 50, 49, 48, 47, 46,
                                                            45, 44, 43, kUntouched}));

    // 0.5 of 52 is code 27; 0.5 of the 51 left is 26; 0.99 of 50 is the 50th, code 52 once
    // 26 and 27 are gone; then the last of 49, and the 25th of 48.
    TestRandom script(std::vector{0.5f, 0.5f, 0.99f, 0.999f, 0.52f});
    EXPECT_EQ(Deal(5, script),
              (std::vector<std::int16_t>{kUntouched, 27, 26, 52, 51, 25, kUntouched, kUntouched,
                                         kUntouched, kUntouched, kUntouched, kUntouched}));

    std::vector<std::int16_t> codes(10);
    EXPECT_THROW(DealCodes(53, codes, script), std::out_of_range);
    EXPECT_THROW(DealCodes(10, codes, script), std::out_of_range);
}

// Chi-square over 52 codes (51 degrees of freedom) at every draw position. 150 lies far
// beyond any honest result (p < 1e-10); the seed is fixed, so the test cannot flake.
TEST(Dealing, EveryCodeIsEquallyLikelyAtEveryDrawPosition) {
    constexpr unsigned kSeed = 20240611;
    constexpr int kDeals = 52000;
    TestRandom random(kSeed);
    std::array<std::array<int, 53>, 11> seen{};
    for (int deal = 0; deal < kDeals; ++deal) {
        const auto codes = Deal(10, random);
        const std::set<std::int16_t> distinct(codes.begin() + 1, codes.begin() + 11);
        ASSERT_EQ(distinct.size(), 10u) << "seed " << kSeed << ", deal " << deal;
        ASSERT_TRUE(*distinct.begin() >= 1 && *distinct.rbegin() <= 52) << "seed " << kSeed;
        for (int k = 1; k <= 10; ++k) ++seen[k][codes[k]];
    }
    for (int k = 1; k <= 10; ++k) {
        double chiSquare = 0;
        for (int code = 1; code <= 52; ++code) {
            chiSquare += std::pow(seen[k][code] - kDeals / 52.0, 2) / (kDeals / 52.0);
        }
        EXPECT_LT(chiSquare, 150.0) << "draw " << k << ", seed " << kSeed;
    }
}

TEST(Dealing, ClockSeededSourceStaysBelowOneAndDiffersBetweenDeals) {
    const auto random = MakeClockSeededRandom();
    for (int i = 0; i < 100000; ++i) {
        const float u = random->Next();
        ASSERT_TRUE(u >= 0.0f && u < 1.0f) << u;
    }
    // Two deals within one clock tick: the odds of equal deals are about 1 in 10^16.
    EXPECT_NE(Deal(10, *random), Deal(10, *random));
}

TEST(CodesToCards, MapsEachSuitBlockAndSkipsCodesOutsideTheDeck) {
    const std::array<std::int16_t, 11> codes{99, 1, 13, 14, 39, 40, 52, 0, 53, -1, 27};
    std::array<Card, 11> cards;
    cards.fill(Card{9, 9});
    CodesToCards(10, codes, cards);
    EXPECT_EQ(FormatCards(std::span(cards).subspan(1, 6)), "As Ks Ad Kc Ah Kh");
    EXPECT_EQ(cards[10], (Card{2, 1}));  // Ac
    for (int untouched : {0, 7, 8, 9}) EXPECT_EQ(cards[untouched], (Card{9, 9})) << untouched;
}

TEST(SortByValue, SortsEveryOrderingAndKeepsEqualValuesInTheirOrder) {
    Hand sorted = ParseHand("Kd 2c As 2h Td");
    SortByValue(sorted);
    EXPECT_EQ(FormatCards(sorted), "As 2c 2h Td Kd");

    const Hand hand = ParseHand("9d 9s Kd 9h 3c");
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
