// How likely a bankroll is to go broke, or to reach a goal, playing one whole bet a hand: an
// exact dynamic program over whole-bet bankrolls, and the long-run ruin in closed form.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "engine/analysis/GameAnalysis.h"
#include "engine/analysis/Pays.h"

namespace modcards::analysis {

// One hand pays `pay` bets (the stake included, so 0 loses the bet) with this probability.
struct PayChance {
    std::int64_t pay = 0;
    double probability = 0;
};

// One hand's pays under the play `game` describes, by final hand, equal pays merged. Throws
// std::invalid_argument when a pay is not a whole number of bets.
std::vector<PayChance> PayChancesOf(const Pays& pays, const GameAnalysis& game);

struct Trip {
    std::int64_t bankroll = 0;  // whole bets
    std::int64_t hands = 0;     // at most this many hands
    std::int64_t goal = 0;      // stop on reaching this many bets or more; 0 for no goal
};

// The risks levels bankroll_for answers: 1%, 5% and 10%.
inline constexpr std::array<double, 3> kRiskLevels = {0.01, 0.05, 0.10};

struct TripRisk {
    double broke = 0;  // of being unable to stake within the trip's hands
    double goal = 0;   // of reaching the goal first (0 without a goal)
    // Of going broke some day, playing on forever without a goal: q^bankroll, where q is the
    // root in (0, 1] of q = sum of p_k q^pay_k; 1 when the return is at most 1.
    double longRunRuin = 1;
    double q = 1;
    // The least bankroll whose chance of going broke within the trip's hands (no goal) is at
    // most each of kRiskLevels.
    std::array<std::int64_t, kRiskLevels.size()> bankrollFor{};
};

// Chances of going broke within `hands` hands from every bankroll 0..hands + 1 (beyond, it
// cannot happen). Chances below 1e-30 are taken as 0, which keeps the work near the
// bankrolls that matter; the error stays far below 1e-20.
std::vector<double> BrokeWithin(const std::vector<PayChance>& chances, std::int64_t hands);

// The root q of q = sum of p_k q^pay_k in (0, 1]: 1 when the return is at most 1.
double LongRunRuinBase(const std::vector<PayChance>& chances);

// Everything above for one trip. Takes time in proportion to hands times the goal (hands times
// hands without a goal, less where the chance of going broke is negligible). Throws
// std::invalid_argument for a negative figure.
TripRisk AnalyzeTrip(const std::vector<PayChance>& chances, const Trip& trip);

// The trip hand by hand: after n = 0..hands hands, the chance of having gone broke and of
// having reached the goal (0 without one). The last entries are AnalyzeTrip's broke and goal.
struct TripCourse {
    std::vector<double> broke;
    std::vector<double> goal;
};

// Takes the time AnalyzeTrip takes for the chances of going broke. `goOn` is asked before each
// hand's step; when it answers false the course stops short, with fewer entries. Throws
// std::invalid_argument for a negative figure.
TripCourse CourseOfTrip(const std::vector<PayChance>& chances, const Trip& trip,
                        const std::function<bool()>& goOn = {});

}  // namespace modcards::analysis
