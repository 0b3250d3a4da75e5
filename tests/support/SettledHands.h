// A hand as the table settles it, for tests and benchmarks that make history rows directly: the
// final cards evaluated and paid by the game's pay table.
#pragma once

#include "engine/Card.h"
#include "engine/HandEvaluation.h"
#include "engine/PayTable.h"
#include "game/history/SettledHand.h"

inline history::SettledHand SettledByTheTable(const modcards::Hand& dealt, modcards::HoldMask held,
                                              const modcards::Hand& finalHand) {
    history::SettledHand hand{dealt, held, finalHand};
    hand.category = modcards::EvaluateHand(finalHand);
    hand.pay = modcards::PayOf(hand.payTable, modcards::HandCategory(hand.category));
    return hand;
}
