// A player's own play as a model for the risk of ruin: perfect play's pays, every win made
// rarer by one share, so that a hand returns what the player's holds returned on average.
#pragma once

#include <vector>

#include "engine/analysis/RiskOfRuin.h"

namespace modcards::analysis {

// `perfect` with every chance of a pay above 0 scaled by 1 - cost / return and the rest put on
// losing the bet, where return is perfect's mean pay and `costPerBet` the expected pay the
// player gives up a hand, per bet. No cost (or less) leaves `perfect` as it is; a cost of the
// whole return or more loses every hand.
std::vector<PayChance> WithMeasuredCost(const std::vector<PayChance>& perfect, double costPerBet);

}  // namespace modcards::analysis
