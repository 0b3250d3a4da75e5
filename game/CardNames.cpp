// Cards in words, for screen readers.
#include "game/CardNames.h"

#include <array>

QString CardName(const modcards::Card& card) {
    static const std::array<const char*, 13> kValues{"Ace",  "Deuce", "Three", "Four", "Five",
                                                     "Six",  "Seven", "Eight", "Nine", "Ten",
                                                     "Jack", "Queen", "King"};
    static const std::array<const char*, 4> kSuits{"spades", "diamonds", "clubs", "hearts"};
    if (card.Value < 1 || card.Value > 13 || card.Suit < 0 || card.Suit > 3)
        return QStringLiteral("Unknown card");
    return QStringLiteral("%1 of %2")
        .arg(QLatin1String(kValues[card.Value - 1]), QLatin1String(kSuits[card.Suit]));
}
