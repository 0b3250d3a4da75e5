// The best holds of a dealt hand and the trainer's verdict on a hold, in credits of one stake.
#pragma once

#include <cstdint>
#include <vector>

#include "engine/Card.h"
#include "engine/analysis/HoldAdvisor.h"
#include "game/history/HoldGrade.h"

struct HoldHint {
    modcards::HoldMask kept = 0;  // bit i set: keep the card at table position i
    double credits = 0;           // expected pay of the hold, in credits, for one stake
    int rank = 0;                 // 1 for the best; holds of equal value share a rank
    bool tied = false;            // another hold of the hand has the same value
    bool Keeps(int slot) const { return (kept >> slot) & 1u; }
};

// The first `count` holds of the hand in table order, best first (at most 32).
std::vector<HoldHint> TopHolds(const modcards::analysis::HoldAdvisor& advisor,
                               const modcards::Hand& dealt, std::size_t count);

struct HoldVerdict {
    HoldHint played;
    HoldHint best;
    // Graded on the exact values, as the session review grades the hand: a hold of the best
    // value is right, whichever of several equal holds it is, and a close call is no mistake.
    history::HoldGrade grade = history::HoldGrade::Best;
    bool IsMistake() const { return grade == history::HoldGrade::Mistake; }
    double CreditsLost() const { return best.credits - played.credits; }
};

// How the hold `played` (a slot mask as in HoldHint) compares with the best hold of the hand.
HoldVerdict JudgeHold(const modcards::analysis::HoldAdvisor& advisor, const modcards::Hand& dealt,
                      modcards::HoldMask played);
