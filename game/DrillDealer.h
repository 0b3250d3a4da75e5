// The deals of a drill: deals on which the player's habitual hold and the right one compete,
// for the leak group the plan says is due, chosen from all deals by their exact hold values.
#pragma once

#include <map>
#include <vector>

#include "engine/analysis/HoldAdvisor.h"
#include "engine/analysis/StrategyChart.h"
#include "game/DealSource.h"
#include "game/history/DrillBoxes.h"

// Whether `dealt` teaches `group`: its best hold fits the group's chart line, and a hold fitting
// the group's own line is there and worse than the best by a mistake's cost.
bool DealFitsLeak(const modcards::analysis::HoldAdvisor& advisor,
                  const modcards::analysis::StrategyChart& chart, const modcards::Hand& dealt,
                  history::LeakKey group);

class DrillDealer final : public DealSource {
public:
    // Deals for plan.Next() (the plan must not be empty); the advisor is built on the pays the
    // drill is played at, and the chart is the one the groups were made on. Everything given
    // outlives this object.
    DrillDealer(const history::DrillPlan& plan, const modcards::analysis::HoldAdvisor& advisor,
                const modcards::analysis::StrategyChart& chart, modcards::RandomSource& random);

    // A deal of the group due, its lesson set. Random deals are tried, a bounded number;
    // deals met that fit another group are kept for it. A group too rare to meet gets its
    // costliest deal again, its suits renamed and its cards in another order.
    DealtCards Deal() override;

    // Random deals tried for one deal at most.
    static constexpr int kTries = 3000;

private:
    std::vector<history::LeakKey> GroupsOfDeal(const modcards::Hand& dealt) const;
    modcards::Hand Disguised(const modcards::Hand& deal);
    DealtCards WithReserve(const modcards::Hand& hand, history::LeakKey group);
    int Below(int count);  // a random whole number 0..count-1

    const history::DrillPlan& plan_;
    const modcards::analysis::HoldAdvisor& advisor_;
    const modcards::analysis::StrategyChart& chart_;
    modcards::RandomSource& random_;
    std::map<history::LeakKey, std::vector<modcards::Hand>> found_;  // met for a later deal
};
