// The words the session review shows its leak groups and their trend with.
#pragma once

#include <QString>
#include <cstdint>

#include "engine/analysis/StrategyChart.h"
#include "game/history/LeakGroups.h"

// "You played “A pair” where “Three to a royal flush” comes first: 4 times, 13.30 credits";
// a hold no line names is "a hold on no chart line".
QString LeakSentence(const modcards::analysis::StrategyChart& chart,
                     const history::LeakGroup& group);

// The group's costliest deal: "Costliest: K♥ 2♣ Q♥ 7♠ 5♦, you kept K♥ for 2♣ (0.42 credits)".
QString LeakExampleText(const history::LeakGroup& group);

// "Session 12: 3.25 credits per 100 hands, over 240 hands".
QString SessionLeaksText(const history::SessionLeaks& session);

// Said under the groups when mistakes at other tables than the game's are left out of them:
// "2 mistakes at practice tables are left out: the groups are lines of the game's own chart,
// which plays the game's table only."
QString OtherTablesLeaksText(std::int64_t mistakes);
