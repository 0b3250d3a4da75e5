// Cards in words: "Ace of spades" for screen readers, "A♠" for the hint panel.
#pragma once

#include <QString>

#include "engine/Card.h"

// "Ace of spades", "Deuce of hearts", "Ten of clubs"; "Unknown card" outside the deck.
QString CardName(const modcards::Card& card);

// As a card's corner shows it: "A♠", "10♥"; "?" outside the deck.
QString ShortCard(const modcards::Card& card);
