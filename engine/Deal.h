// Dealing from a fresh deck, turning codes into cards, and sorting a hand by value.
#pragma once

#include <cstdint>
#include <span>

#include "engine/Card.h"
#include "engine/RandomSource.h"

namespace modcards {

// Draws `count` (0..52) distinct codes into codes[1..count] in draw order, from a full
// deck rebuilt and reseeded at every call. Slot 0 and slots above count are untouched.
// `codes` must have at least count + 1 slots.
void DealCodes(std::int16_t count, std::span<std::int16_t> codes, RandomSource& random);

// cards[i] = the card of codes[i] for i = 1..count; a code outside 1..52 leaves cards[i].
void CodesToCards(std::int16_t count, std::span<const std::int16_t> codes, std::span<Card> cards);

// Ascending by Value: five passes over the adjacent pairs, no early stop; stable on Suit.
void SortByValue(Hand& hand);

}  // namespace modcards
