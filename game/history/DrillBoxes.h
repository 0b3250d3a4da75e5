// Spaced repetition of leak groups: each group the player drills sits in a box, 1 to 5; a right
// answer moves it up a box and spaces it out, a wrong one sends it back to box 1.
#pragma once

#include <cstdint>
#include <map>
#include <vector>

#include "game/history/LeakGroups.h"

namespace history {

inline constexpr int kTopBox = 5;

// One group's place: its box, and the number of drills the player must have answered before it
// comes up again.
struct DrillBox {
    LeakKey group;
    int box = 1;
    std::int64_t due = 0;
    friend bool operator==(const DrillBox&, const DrillBox&) = default;
};

// How many drills a group in `box` waits after a right answer: 0 in box 1, then 2, 4, 8, 16.
std::int64_t DrillSpacing(int box);

// The group's box after an answer, the player having answered `asked` drills with this one.
DrillBox AfterAnswer(DrillBox box, bool right, std::int64_t asked);

// A drill is answered right by a hold that is no mistake, as the review grades it: the best, a
// close call, or the chart's own hold on one of its exceptions.
bool DrillAnsweredRight(const HandRecord& hand);

// A player's boxes as History.db keeps them, and how many drills they have answered in all.
struct DrillState {
    std::int64_t asked = 0;
    std::vector<DrillBox> boxes;
};

// Which group comes next: of the player's leak groups, the due ones, lowest box first, then the
// costliest; when none is due, the one due soonest. A group never drilled is due in box 1.
class DrillPlan {
public:
    // `groups` worst first (Leaks::WorstFirst).
    DrillPlan(std::vector<LeakGroup> groups, const DrillState& stored);

    bool Empty() const { return groups_.empty(); }
    const std::vector<LeakGroup>& Groups() const { return groups_; }
    // The group to drill next; Empty() must be false.
    const LeakGroup& Next() const;
    // An answer for `group`: its box moves as AfterAnswer says.
    void Answer(LeakKey group, bool right);
    DrillBox BoxOf(LeakKey group) const;
    std::int64_t Asked() const { return asked_; }

private:
    std::vector<LeakGroup> groups_;
    std::map<LeakKey, DrillBox> boxes_;
    std::int64_t asked_ = 0;
};

}  // namespace history
