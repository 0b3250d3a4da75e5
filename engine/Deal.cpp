// Dealing from a fresh deck, turning codes into cards, and sorting a hand by value.
#include "engine/Deal.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <stdexcept>
#include <string>

namespace modcards {

namespace {

constexpr std::int16_t kDeckSize = 52;
constexpr std::int16_t kCardsPerSuit = 13;

void RequireSlots(std::int16_t count, std::size_t slots, const char* what) {
    if (count < 0 || count > kDeckSize) {
        throw std::out_of_range(std::string(what) + ": count " + std::to_string(count) +
                                " is outside 0..52");
    }
    if (slots < static_cast<std::size_t>(count) + 1) {
        throw std::out_of_range(std::string(what) + ": " + std::to_string(slots) +
                                " slots cannot hold codes 1.." + std::to_string(count));
    }
}

// Position 1..remaining chosen by u. The product is taken in double, where it is exact, so a
// u just below 1 can never round up to `remaining`; the clamp only guards a faulty source.
std::int16_t DrawPosition(std::int16_t remaining, float u) {
    const auto r = static_cast<long>(std::floor(static_cast<double>(remaining) * u)) + 1;
    return static_cast<std::int16_t>(std::clamp<long>(r, 1, remaining));
}

}  // namespace

void DealCodes(std::int16_t count, std::span<std::int16_t> codes, RandomSource& random) {
    RequireSlots(count, codes.size(), "DealCodes");

    // deck[1..remaining] holds the codes not yet drawn, ascending; slot 0 is unused.
    std::array<std::int16_t, kDeckSize + 1> deck{};
    for (std::int16_t p = 1; p <= kDeckSize; ++p) deck[p] = p;
    std::int16_t remaining = kDeckSize;

    random.Reseed();
    for (std::int16_t k = 1; k <= count; ++k) {
        const std::int16_t r = DrawPosition(remaining, random.Next());
        codes[k] = deck[r];
        for (std::int16_t p = r; p < remaining; ++p) deck[p] = deck[p + 1];
        --remaining;
    }
}

void CodesToCards(std::int16_t count, std::span<const std::int16_t> codes, std::span<Card> cards) {
    RequireSlots(count, std::min(codes.size(), cards.size()), "CodesToCards");
    for (std::int16_t i = 1; i <= count; ++i) {
        const std::int16_t c = codes[i];
        if (c < 1 || c > kDeckSize) continue;
        const auto suit = static_cast<std::int16_t>((c - 1) / kCardsPerSuit);
        cards[i] = Card{suit, static_cast<std::int16_t>(c - kCardsPerSuit * suit)};
    }
}

void SortByValue(Hand& hand) {
    for (int pass = 0; pass < 5; ++pass) {
        for (std::size_t i = 0; i + 1 < hand.size(); ++i) {
            if (hand[i].Value > hand[i + 1].Value) {
                const Card first = hand[i];
                hand[i] = hand[i + 1];
                hand[i + 1] = first;
            }
        }
    }
}

}  // namespace modcards
