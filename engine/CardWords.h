// The one table of rank and suit names: words for screen readers, indices for the hint panel,
// letters for card text ("Ah 2c").
#pragma once

#include <array>
#include <string_view>

#include "engine/Card.h"

namespace modcards {

struct RankWords {
    std::string_view word;   // "Ace", "Deuce", ... "King"
    std::string_view index;  // as printed in a card's corner: "A", "2", ... "10", "J"
    char letter;             // one character: 'A', '2', ... 'T', 'J'
};

struct SuitWords {
    std::string_view word;     // "spades"
    std::u16string_view sign;  // "♠"
    char letter;               // 's'
};

// Indexed by Value - 1.
inline constexpr std::array<RankWords, 13> kRankWords{{{"Ace", "A", 'A'},
                                                       {"Deuce", "2", '2'},
                                                       {"Three", "3", '3'},
                                                       {"Four", "4", '4'},
                                                       {"Five", "5", '5'},
                                                       {"Six", "6", '6'},
                                                       {"Seven", "7", '7'},
                                                       {"Eight", "8", '8'},
                                                       {"Nine", "9", '9'},
                                                       {"Ten", "10", 'T'},
                                                       {"Jack", "J", 'J'},
                                                       {"Queen", "Q", 'Q'},
                                                       {"King", "K", 'K'}}};

// Indexed by Suit, see SuitIndex.
inline constexpr std::array<SuitWords, 4> kSuitWords{{{"spades", u"\u2660", 's'},
                                                      {"diamonds", u"\u2666", 'd'},
                                                      {"clubs", u"\u2663", 'c'},
                                                      {"hearts", u"\u2665", 'h'}}};

constexpr const RankWords& RankOf(const Card& card) {
    return kRankWords[card.Value - 1];
}
constexpr const SuitWords& SuitOf(const Card& card) {
    return kSuitWords[card.Suit];
}

}  // namespace modcards
