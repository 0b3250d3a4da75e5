// Cards in words, for screen readers: "Ace of spades".
#pragma once

#include <QString>

#include "engine/Card.h"

// "Ace of spades", "Deuce of hearts", "Ten of clubs"; "Unknown card" outside the deck.
QString CardName(const modcards::Card& card);
