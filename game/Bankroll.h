// The bankroll's questions in credits, as the player asks them, and their answers in words.
#pragma once

#include <QString>
#include <cstdint>

#include "engine/analysis/RiskOfRuin.h"

// A trip as the player gives it: credits to start with, hands at most, and credits to stop at
// (0 for none). Each hand stakes one bet of `stake` credits.
struct BankrollAsk {
    std::int64_t bankroll = 0;
    std::int64_t hands = 0;
    std::int64_t goal = 0;
    friend bool operator==(const BankrollAsk&, const BankrollAsk&) = default;
};

// Why the ask cannot be worked out, in words; empty when it can. Keeps the work to seconds.
inline constexpr std::int64_t kMostBankrollHands = 10000;
inline constexpr std::int64_t kMostBankrollCredits = 1000000;
inline constexpr std::int64_t kMostGoalBets = 20000;
QString BankrollAskProblem(const BankrollAsk& ask, int stake);

// The ask in whole bets: the credits beyond the last whole bet are never staked, but count
// toward the goal.
modcards::analysis::Trip TripInBets(const BankrollAsk& ask, int stake);

// What the player's play is taken to be, in one sentence, with their measured cost.
QString MeasuredPlaySentence(double costPerHand, std::int64_t handsMeasured, int stake);

// "Playing as you do, you last all 1,000 hands 62.3% of the time and reach 400 credits first
// 12.1%; with perfect play 70.1% and 14.0%." from the last entries of each course.
QString BankrollSentence(const BankrollAsk& ask, const modcards::analysis::TripCourse& yours,
                         const modcards::analysis::TripCourse& perfect);
