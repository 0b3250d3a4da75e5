// Mistakes grouped by what they teach: the chart line the player's hold fits, against the line
// of the best hold; and the cost of mistakes session by session.
#pragma once

#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "engine/analysis/StrategyChart.h"
#include "game/history/GradingChart.h"
#include "game/history/HandRecord.h"
#include "game/history/LeakKey.h"

namespace history {

// One deal of a group, as the review shows it.
struct LeakExample {
    std::int64_t id = 0;  // the hand's row
    modcards::Hand dealt{};
    HeldSlots held = 0;
    HeldSlots bestHeld = 0;
    double cost = 0;
    friend bool operator==(const LeakExample&, const LeakExample&) = default;
};

// Mistakes whose holds fit the same pair of chart lines.
struct LeakGroup {
    int yourLine = kNoChartLine;   // the line the hold taken fits
    int chartLine = kNoChartLine;  // the line the best hold fits
    std::int64_t count = 0;
    double cost = 0;      // expected credits given up, summed, for the 5-credit stake
    LeakExample example;  // the costliest of the group (the earliest of equal costs)
    friend bool operator==(const LeakGroup&, const LeakGroup&) = default;
};

inline LeakKey KeyOf(const LeakGroup& group) {
    return {group.yourLine, group.chartLine};
}

// The cost of one session's mistakes.
struct SessionLeaks {
    std::int64_t session = 0;
    std::int64_t hands = 0;  // every hand of the session reviewed
    double mistakesCost = 0;
    double PerHundredHands() const { return hands > 0 ? 100 * mistakesCost / hands : 0; }
    friend bool operator==(const SessionLeaks&, const SessionLeaks&) = default;
};

// One session's drills of one group.
struct DrillTally {
    std::int64_t session = 0;
    std::int64_t asked = 0;
    std::int64_t right = 0;
    friend bool operator==(const DrillTally&, const DrillTally&) = default;
};

// Leak groups and the trend, folded hand by hand in the order played.
struct Leaks {
    std::map<std::pair<int, int>, LeakGroup> groups;  // by {yourLine, chartLine}
    std::vector<SessionLeaks> sessions;               // in the order first played
    // The drills of each group, session by session in the order played (ReviewReader fills it).
    std::map<LeakKey, std::vector<DrillTally>> drills;
    // Mistakes at other tables than the chart's: counted in their sessions, in no group, as the
    // groups are the chart's lines.
    std::int64_t otherTables = 0;

    // A drill's hands (mode kDrillMode) are no leaks and count in no session: they were chosen.
    // Counts `hand` in its session; a mistake (GradeHold) at the table of `grading`'s chart also
    // in its group of that chart's lines: only then are the hand's cards and holds read.
    void Fold(const HandRecord& hand, const GradingChart& grading);
    // Counts `hand` in its session only: for a hand that is no mistake.
    void CountHand(const HandRecord& hand, const GradingChart& grading = GameGrading());
    // The groups, the costliest total first; equal totals by count, then by chart line.
    std::vector<LeakGroup> WorstFirst() const;
    friend bool operator==(const Leaks&, const Leaks&) = default;
};

// Leaks of `hands`, in the order played, graded and grouped by `grading`. 100,000 hands take a
// few milliseconds.
Leaks GroupLeaks(std::span<const HandRecord> hands, const GradingChart& grading);
// The same on `chart` as the chart of the game's table.
Leaks GroupLeaks(std::span<const HandRecord> hands, const modcards::analysis::StrategyChart& chart);

// The text of a group's line: the chart line's words, or "no chart line".
std::string LeakLineText(const modcards::analysis::StrategyChart& chart, int line);

}  // namespace history
