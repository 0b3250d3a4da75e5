// The exact expected pay of a hold and of the best hold of a dealt hand.
#pragma once

#include <optional>

#include "engine/Card.h"
#include "engine/analysis/HoldAdvisor.h"
#include "game/history/HandRecord.h"

namespace history {

struct HoldValues {
    double holdEv = 0;       // expected pay of the hold taken
    double bestEv = 0;       // expected pay of the best hold
    HeldSlots bestHeld = 0;  // the best hold: the first the advisor lists
};

// The values of holding `held` (bit i keeps table position i) on `dealt`, in the pays' credits:
// with an advisor built on GamePays(table), credits won for the stake table[0]. Each is the
// exact mean pay over every draw, rounded once to the nearest double, so equal holds get equal
// values. Nothing for a hand that is not five distinct cards of the deck or a mask above 31.
// Thread-safe as the advisor is: call it from a worker thread while the table goes on.
std::optional<HoldValues> ValueHold(const modcards::analysis::HoldAdvisor& advisor,
                                    const modcards::Hand& dealt, HeldSlots held);

}  // namespace history
