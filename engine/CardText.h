// Cards written as short text ("2c Th Jh Qh Kh"), for tests, tools and the hand history.
#pragma once

#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "engine/Card.h"

namespace modcards {

// Thrown for text that does not name the expected cards; the message names the bad token.
class CardTextError : public std::invalid_argument {
public:
    using std::invalid_argument::invalid_argument;
};

// Cards separated by spaces or commas. A card is a rank (A, 2..9, T or 10, J, Q, K) followed
// by a suit (s, d, c, h), in either case. Repeated cards are an error.
std::vector<Card> ParseCards(std::string_view text);

// Exactly five cards, in the order written (not sorted).
Hand ParseHand(std::string_view text);

// The code 1..52 of a card with Suit 0..3 and Value 1..13; throws CardTextError otherwise.
CardCode CardToCode(const Card& card);

// ParseCards, then each card's code.
std::vector<CardCode> ParseCodes(std::string_view text);

// "Ah", "Td", "2c": rank letter then lower-case suit; "??" for a card outside the deck.
std::string FormatCard(const Card& card);

// The cards' texts joined by single spaces.
std::string FormatCards(std::span<const Card> cards);

}  // namespace modcards
