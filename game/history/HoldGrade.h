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
    // The strategy chart's own hold on a deal where the chart is worse than the best by that
    // much: the player followed the chart, and the deal is one of its exceptions.
    ChartException,
};

// Grades a hold by its expected pay and that of the best hold, in the same credits, and
// whether it is the chart's hold. Equal exact values always give equal doubles, so a tie is
// never graded below Best. The trainer may ask for another `threshold`.
constexpr HoldGrade GradeHold(double holdEv, double bestEv, bool chartHold = false,
                              double threshold = kCloseCallCredits) {
    const double cost = bestEv - holdEv;
    if (cost <= 0) return HoldGrade::Best;
    if (cost < threshold) return HoldGrade::CloseCall;
    return chartHold ? HoldGrade::ChartException : HoldGrade::Mistake;
}

}  // namespace history
