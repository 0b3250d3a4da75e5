// Deuces-wild rules by example: each hand is written as cards and paid as one category.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <vector>

#include "engine/CardText.h"
#include "engine/Deal.h"
#include "engine/HandEvaluation.h"

namespace modcards {
namespace {

struct Example {
    const char* cards;
    HandCategory expected;
};

// Each example in each of its 120 orders: the evaluation sorts a copy of its own.
void ExpectCategories(const std::vector<Example>& examples) {
    for (const Example& example : examples) {
        const Hand given = ParseHand(example.cards);
        std::array<int, 5> order{0, 1, 2, 3, 4};
        do {
            Hand hand;
            for (std::size_t i = 0; i < 5; ++i) hand[i] = given[std::size_t(order[i])];
            ASSERT_EQ(EvaluateHand(hand), example.expected) << example.cards;
        } while (std::next_permutation(order.begin(), order.end()));
    }
}

TEST(HandRules, NaturalHandsPayAtFaceValue) {
    ExpectCategories({{"Ah Th Jh Qh Kh", kNaturalRoyalFlush},
                      {"As Th Jh Qh Kh", kStraight},
                      {"9c 4c 4s 9d 4h", kFullHouse},
                      {"Js Jd 4h 7c 9s", kNoPayingHand},
                      {"Js Jd 4h 4c 9s", kNoPayingHand}});
}

// Examples only: AllHandsTest checks every hand against the rules.
TEST(HandRules, DeucesStandForWhateverPaysMost) {
    ExpectCategories({
        {"2s 2d 2c 2h 7d", kFourDeuces},
        {"2c 2d 2s Th Kh", kDeuceRoyalFlush},
        {"2c 9h Jh Qh Kh", kStraightFlush},
        {"Ah 3h 4h 5h 2c", kStraightFlush},
        {"2c 2d 2s 8h 8d", kFiveOfAKind},
        {"2c 2d 2s 5h 7s", kFourOfAKind},
        {"2c 8h 8d Ks Kd", kFullHouse},
        {"2c 8h 8d 4s Ks", kThreeOfAKind},
        {"2c 2d 4h 5s 7d", kStraight},
        {"2c 3h 7h 9h Kh", kFlush},
    });
}

TEST(HandRules, AcePlaysLowOrHighButStraightsNeverWrap) {
    ExpectCategories({{"2c As 3h 4d 5h", kStraight},
                      {"2c As 3h 4d 6h", kNoPayingHand},
                      {"2c Js Qh Kd Ah", kStraight},
                      {"As 2d 3h 4c 5s", kStraight},
                      {"Qs Kd Ah 2c 3s", kNoPayingHand}});
}

// Each detector judges the hand alone; the order of EvaluateHand settles overlaps.
TEST(HandRules, DetectorsAnswerForTheirOwnCategoryAlone) {
    const auto detectors = {IsNaturalRoyal,  IsFourDeuces,  IsDeuceRoyal, IsFiveOfAKind,
                            IsStraightFlush, IsFourOfAKind, IsFullHouse,  IsFlush,
                            IsStraight,      IsThreeOfAKind};
    const std::vector<std::pair<const char*, std::vector<std::int16_t>>> examples{
        {"Ah Th Jh Qh Kh", {1, 0, 1, 0, 1, 0, 0, 1, 1, 0}},
        {"2s 2d 2c 2h 7d", {0, 1, 0, 0, 1, 1, 0, 1, 1, 1}},
        {"2c 8h 8d 8s 8c", {0, 0, 0, 1, 0, 1, 1, 0, 0, 1}},
        {"Js Jd 4h 7c 9s", {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
    };
    for (const auto& [cards, expected] : examples) {
        Hand hand = ParseHand(cards);
        SortByValue(hand);
        std::vector<std::int16_t> answers;
        for (const auto detector : detectors) answers.push_back(detector(hand));
        EXPECT_EQ(answers, expected) << cards;
    }
}

}  // namespace
}  // namespace modcards
