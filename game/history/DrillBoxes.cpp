// The boxes of spaced repetition and the order groups are drilled in.
#include "game/history/DrillBoxes.h"

#include <algorithm>
#include <tuple>

#include "game/history/HoldGrade.h"
#include "game/history/SessionReview.h"

namespace history {

std::int64_t DrillSpacing(int box) {
    return box <= 1 ? 0 : std::int64_t{1} << (std::min(box, kTopBox) - 1);
}

DrillBox AfterAnswer(DrillBox box, bool right, std::int64_t asked) {
    box.box = right ? std::min(box.box + 1, kTopBox) : 1;
    box.due = asked + DrillSpacing(box.box);
    return box;
}

bool DrillAnsweredRight(const HandRecord& hand) {
    return GradeHold(hand.holdEv, hand.bestEv, IsChartHold(hand)) != HoldGrade::Mistake;
}

DrillPlan::DrillPlan(std::vector<LeakGroup> groups, const DrillState& stored)
    : groups_(std::move(groups)), asked_(stored.asked) {
    for (const DrillBox& box : stored.boxes) boxes_[box.group] = box;
}

DrillBox DrillPlan::BoxOf(LeakKey group) const {
    const auto found = boxes_.find(group);
    return found != boxes_.end() ? found->second : DrillBox{group};
}

const LeakGroup& DrillPlan::Next() const {
    // Ordered by: not due yet, then when due (for those not due), then box; the costliest first
    // among equals, as the groups are listed.
    const auto order = [this](const LeakGroup& group) {
        const DrillBox box = BoxOf(KeyOf(group));
        const bool waiting = box.due > asked_;
        return std::tuple{waiting, waiting ? box.due : 0, box.box};
    };
    return *std::min_element(
        groups_.begin(), groups_.end(),
        [&](const LeakGroup& a, const LeakGroup& b) { return order(a) < order(b); });
}

void DrillPlan::Answer(LeakKey group, bool right) {
    ++asked_;
    boxes_[group] = AfterAnswer(BoxOf(group), right, asked_);
}

}  // namespace history
