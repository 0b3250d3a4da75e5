// Deuces-wild hand evaluation: the ten detectors and the category they settle on.
#pragma once

#include <cstdint>

#include "engine/Card.h"

namespace modcards {

// 0 no paying hand; 1..10 in the order EvaluateHand tries them.
using HandCategory = std::int16_t;
enum : HandCategory {
    kNoPayingHand = 0,
    kNaturalRoyalFlush = 1,
    kFourDeuces = 2,
    kDeuceRoyalFlush = 3,
    kFiveOfAKind = 4,
    kStraightFlush = 5,
    kFourOfAKind = 6,
    kFullHouse = 7,
    kFlush = 8,
    kStraight = 9,
    kThreeOfAKind = 10,
};
constexpr int kCategoryCount = 11;  // codes 0..10

// Every detector takes a hand sorted by SortByValue and answers 1 or 0.
std::int16_t IsNaturalRoyal(const Hand& hand);
std::int16_t IsFourDeuces(const Hand& hand);
std::int16_t IsDeuceRoyal(const Hand& hand);
std::int16_t IsFiveOfAKind(const Hand& hand);
std::int16_t IsStraightFlush(const Hand& hand);
std::int16_t IsFourOfAKind(const Hand& hand);
std::int16_t IsFullHouse(const Hand& hand);
std::int16_t IsFlush(const Hand& hand);
std::int16_t IsStraight(const Hand& hand);
std::int16_t IsThreeOfAKind(const Hand& hand);

// The first category 1..10 whose detector answers 1, else 0. The hand may be in any order: the
// detectors are asked about a sorted copy.
HandCategory EvaluateHand(Hand hand);

}  // namespace modcards
