// The steps of one hand that need no window: dealing ten cards, the draw, the shown balance.
#pragma once

#include <QString>
#include <array>
#include <cstdint>

#include "engine/Card.h"
#include "engine/RandomSource.h"

struct DealtCards {
    modcards::Hand hand;     // the five cards for the table, in dealt order
    modcards::Hand reserve;  // reserve[i] replaces hand[i] when it is not held
};

// Ten distinct cards from a fresh deck: the first five dealt are the hand, the next five the
// reserve.
DealtCards DealTenCards(modcards::RandomSource& random);

// Hold values per position, 0 or 1, as the hold buttons have them.
using HoldValues = std::array<int, 5>;

// The hand after the draw, still in table order: every position held 0 takes its reserve card.
modcards::Hand DrawCards(const modcards::Hand& hand, const modcards::Hand& reserve,
                         const HoldValues& holds);

// A shown balance changed by `amount`: the text read as a whole number, written back in decimal
// with a minus sign when negative. Text that is not a number counts as 0.
QString AddToBalanceText(const QString& balance, std::int32_t amount);
