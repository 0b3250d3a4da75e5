// The random dealer: ten cards from a fresh deck.
#include "game/DealSource.h"

#include <array>
#include <cstdint>

#include "engine/Deal.h"

DealtCards RandomDealer::Deal() {
    // Slot 0 stays empty: slots 1..5 are the hand in table order, 6..10 the replacements.
    std::array<std::int16_t, 11> codes{};
    std::array<modcards::Card, 11> cards{};
    modcards::DealCodes(10, codes, random_);
    modcards::CodesToCards(10, codes, cards);
    DealtCards dealt;
    for (std::size_t i = 0; i < 5; ++i) {
        dealt.hand[i] = cards[1 + i];
        dealt.reserve[i] = cards[6 + i];
    }
    return dealt;
}
