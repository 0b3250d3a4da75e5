// Whether a hold was a mistake: the one rule the session review and the trainer share.
#pragma once

namespace history {

// A hold worth less than the best by under this many credits (for the 5-credit stake) is a
// close call, not a mistake. Over all 2,598,960 deals, one in 153 has a runner-up this close,
// and a player who always took it would give up 0.00003 credits a hand: 3 credits in 100,000
// hands, under a thousandth of the house edge. Flagging such holds would only be noise.
inline constexpr double kCloseCallCredits = 0.01;

enum class HoldGrade {
    Best,       // no hold is worth more; several equal holds are all best
    CloseCall,  // worth less than the best, by under kCloseCallCredits
    Mistake,    // worth less than the best by kCloseCallCredits or more
};

// Grades a hold by its expected pay and that of the best hold, in the same credits. Equal
// exact values always give equal doubles, so a tie is never graded below Best.
constexpr HoldGrade GradeHold(double holdEv, double bestEv) {
    const double cost = bestEv - holdEv;
    if (cost <= 0) return HoldGrade::Best;
    return cost < kCloseCallCredits ? HoldGrade::CloseCall : HoldGrade::Mistake;
}

}  // namespace history
