// The figures of a session review: returns, mistakes, luck and the balance, from recorded hands.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "game/history/GradingChart.h"
#include "game/history/HandRecord.h"
#include "game/history/HoldGrade.h"

namespace history {

// The balance after some hands, counted from the first hand reviewed.
struct BalancePoint {
    std::int64_t actual = 0;  // credits paid less credits staked
    double perfect = 0;       // what perfect play would have expected on the same deals
    friend bool operator==(const BalancePoint&, const BalancePoint&) = default;
};

// The mistakes, and apart the close calls and the chart's exceptions, a review lists: the
// costliest, so that a history of a million hands opens at once; the figures count every one.
inline constexpr std::size_t kListedHands = 1000;

// Every figure is in credits. They always add up:
//   result = PerfectResult() - mistakesCost - closeCallsCost - chartExceptionsCost + luck.
struct SessionReview {
    std::int64_t handsPlayed = 0;
    std::int64_t staked = 0;               // credits wagered
    std::int64_t result = 0;               // credits paid less credits staked
    double heldExpected = 0;               // expected pay of the holds taken, summed
    double perfectExpected = 0;            // expected pay of the best holds, summed
    double mistakesCost = 0;               // expected credits given up by the mistakes
    double closeCallsCost = 0;             // the same for the close calls: a few hundredths at most
    double chartExceptionsCost = 0;        // the same for the chart's own holds where it errs
    double luck = 0;                       // paid less the expected pay of the holds taken
    std::int64_t mistakeCount = 0;         // every mistake, listed or not
    std::int64_t closeCallCount = 0;       // every close call, listed or not
    std::int64_t chartExceptionCount = 0;  // every chart exception, listed or not
    std::int64_t lastHand = 0;             // the id of the last hand reviewed; 0 for none
    // The kListedHands costliest, costliest first; equal costs in the order played.
    std::vector<HandRecord> mistakes;
    std::vector<HandRecord> closeCalls;       // listed apart, never counted as mistakes
    std::vector<HandRecord> chartExceptions;  // the game chart's hold where it errs; apart too
    std::vector<BalancePoint> balance;        // handsPlayed + 1 points, the first {0, 0}
    // The pays of every table the hands were played at (PaysText), in the order first played:
    // more than one, and the figures add up credits of tables that are no one bankroll.
    std::vector<std::string> tables;

    SessionReview() : balance(1) {}

    // Expected pay per credit staked with the holds taken, and with perfect play (0.99 = 99%).
    double HeldReturn() const { return staked > 0 ? heldExpected / staked : 0; }
    double PerfectReturn() const { return staked > 0 ? perfectExpected / staked : 0; }
    // What perfect play would have expected to win (negative: to lose) on the same deals.
    double PerfectResult() const { return perfectExpected - static_cast<double>(staked); }
    friend bool operator==(const SessionReview&, const SessionReview&) = default;
};

// Reviews `hands` in the order played, each staking `stake` credits (the PayTable's entry 0):
// FoldHand of each in turn, so a drill's hands count in nothing. 100,000 hands take a few
// milliseconds.
SessionReview ReviewHands(std::span<const HandRecord> hands, int stake,
                          const GradingChart& grading = GameGrading());

// Counts one more hand (one a review counts: HandRecord::Reviewed), played after every hand of
// `review`, in every figure but the lists; its numbers are read, and its cards only when it
// costs a mistake's amount (IsChartHold).
// Grades its hold by GradeHold, `grading` telling which holds are its chart's own: ties with the
// best are neither mistakes nor close calls.
HoldGrade CountHand(SessionReview& review, const HandRecord& hand, int stake,
                    const GradingChart& grading = GameGrading());

// Whether `hand` costs at least a close call's limit, was played at the table of `grading`'s
// chart and its hold is that chart's: only then are its dealt cards and hold read. A hand of
// repeated cards is no chart's hold.
bool IsChartHold(const HandRecord& hand, const GradingChart& grading = GameGrading());

// Counts one more hand, and lists it when it is among the kListedHands costliest of its grade;
// a drill's hand is left out. Folding hands one by one gives exactly the review of all of them
// at once.
void FoldHand(SessionReview& review, const HandRecord& hand, int stake,
              const GradingChart& grading = GameGrading());

// Whether hand `a` is listed before hand `b` of the same grade: costlier, or as costly and
// played earlier.
bool ListedBefore(double costA, std::int64_t idA, double costB, std::int64_t idB);

// One sentence whose whole numbers add up to the result: "You lost 40 credits: perfect play
// would have expected to lose 10 on these deals, 3 mistakes cost 12 and bad luck cost 18."
// Hands at several tables say their credits are added up: "You lost 40 credits at 2 tables added
// together: ...".
std::string ResultSentence(const SessionReview& review);

}  // namespace history
