// Card codes and cards: how the engine writes a playing card down.
#pragma once

#include <array>
#include <cstdint>

namespace modcards {

// 1..52: spades 1-13, diamonds 14-26, clubs 27-39, hearts 40-52; ace first in each block.
using CardCode = std::int16_t;

enum SuitIndex : std::int16_t { Spades = 0, Diamonds = 1, Clubs = 2, Hearts = 3 };

struct Card {
    std::int16_t Suit = 0;   // 0..3, see SuitIndex
    std::int16_t Value = 0;  // 1 ace, 2 deuce (wild), 3..10, 11 jack, 12 queen, 13 king
    friend bool operator==(const Card&, const Card&) = default;
};

// True for the 52 cards of the deck: a suit 0..3 and a value 1..13.
constexpr bool IsInDeck(const Card& card) {
    return card.Suit >= 0 && card.Suit <= 3 && card.Value >= 1 && card.Value <= 13;
}

// Five cards, slots 0..4. The detectors expect them sorted by SortByValue.
using Hand = std::array<Card, 5>;

// A hold: bit i set keeps the card at slot i (0 = leftmost).
using HoldMask = std::uint8_t;

constexpr std::int16_t kDeuce = 2;

}  // namespace modcards
