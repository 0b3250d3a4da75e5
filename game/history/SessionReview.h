// The figures of a session review: returns, mistakes, luck and the balance, from recorded hands.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "game/history/HandRecord.h"

namespace history {

// The balance after some hands, counted from the first hand reviewed.
struct BalancePoint {
    std::int64_t actual = 0;  // credits paid less credits staked
    double perfect = 0;       // what perfect play would have expected on the same deals
};

// Every figure is in credits. They always add up:
//   result = PerfectResult() - mistakesCost - closeCallsCost - chartExceptionsCost + luck.
struct SessionReview {
    std::int64_t handsPlayed = 0;
    std::int64_t staked = 0;             // credits wagered
    std::int64_t result = 0;             // credits paid less credits staked
    double heldExpected = 0;             // expected pay of the holds taken, summed
    double perfectExpected = 0;          // expected pay of the best holds, summed
    double mistakesCost = 0;             // expected credits given up by the mistakes
    double closeCallsCost = 0;           // the same for the close calls: a few hundredths at most
    double chartExceptionsCost = 0;      // the same for the chart's own holds where it errs
    double luck = 0;                     // paid less the expected pay of the holds taken
    std::vector<HandRecord> mistakes;    // costliest first; equal costs in the order played
    std::vector<HandRecord> closeCalls;  // listed apart, never counted as mistakes
    std::vector<HandRecord> chartExceptions;  // the game chart's hold where it errs; apart too
    std::vector<BalancePoint> balance;        // handsPlayed + 1 points, the first {0, 0}

    // Expected pay per credit staked with the holds taken, and with perfect play (0.99 = 99%).
    double HeldReturn() const { return staked > 0 ? heldExpected / staked : 0; }
    double PerfectReturn() const { return staked > 0 ? perfectExpected / staked : 0; }
    // What perfect play would have expected to win (negative: to lose) on the same deals.
    double PerfectResult() const { return perfectExpected - static_cast<double>(staked); }
};

// Reviews `hands` in the order played, each staking `stake` credits (the PayTable's entry 0).
// Grades each hold by GradeHold, the game chart telling which holds are its own; ties with
// the best are neither mistakes nor close calls.
// 100,000 hands take a few milliseconds.
SessionReview ReviewHands(std::span<const HandRecord> hands, int stake);

// One sentence whose whole numbers add up to the result: "You lost 40 credits: perfect play
// would have expected to lose 10 on these deals, 3 mistakes cost 12 and bad luck cost 18."
std::string ResultSentence(const SessionReview& review);

}  // namespace history
