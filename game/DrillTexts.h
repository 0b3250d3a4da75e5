// The words of a drill: the verdict on each answer, the tally, and each group's drills in the
// review.
#pragma once

#include <QString>
#include <cstdint>
#include <vector>

#include "engine/Card.h"
#include "game/HoldHints.h"
#include "game/history/LeakGroups.h"

// "Right: you kept …" with the hold's worth, or "Wrong: it cost 0.42 credits." with the best hold
// and the one played side by side, as the trainer words them.
QString DrillVerdictText(const modcards::Hand& dealt, const HoldVerdict& verdict);

// "Drill: 3 right of 5".
QString DrillTallyText(std::int64_t right, std::int64_t asked);

// Said when the player has no leak to drill: they stay at their table.
QString NoLeaksText();

// A group's drills for the review: "Drills: 3 right of 5 (session 4: 1 of 2; session 5: 2 of 3)",
// or "Drills: none yet".
QString GroupDrillsText(const std::vector<history::DrillTally>& tallies);
