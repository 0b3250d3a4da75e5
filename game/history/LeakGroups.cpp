// Grouping mistakes by the chart lines of the hold taken and the best hold.
#include "game/history/LeakGroups.h"

#include <algorithm>

#include "game/history/HoldGrade.h"
#include "game/history/SessionReview.h"

namespace history {
namespace {

// The one test of what counts as a leak, for the groups and the trend alike.
// The chart's own hold on one of its exceptions is no leak; the chart is asked only about a hand
// costly enough to be a mistake.
bool IsLeak(const HandRecord& hand, const GradingChart& grading) {
    return hand.Cost() >= kCloseCallCredits &&
           GradeHold(hand.holdEv, hand.bestEv, IsChartHold(hand, grading)) == HoldGrade::Mistake;
}

}  // namespace

void Leaks::CountHand(const HandRecord& hand, const GradingChart& grading) {
    if (!hand.Reviewed()) return;
    // A player's sessions never interleave (one table per account), so the last is nearly
    // always the one; the search is for a history written otherwise.
    auto session = std::find_if(sessions.rbegin(), sessions.rend(),
                                [&](const SessionLeaks& s) { return s.session == hand.session; });
    SessionLeaks& into =
        session != sessions.rend() ? *session : sessions.emplace_back(SessionLeaks{hand.session});
    ++into.hands;
    if (IsLeak(hand, grading)) into.mistakesCost += hand.Cost();
}

void Leaks::Fold(const HandRecord& hand, const GradingChart& grading) {
    CountHand(hand, grading);
    if (!hand.Reviewed() || !IsLeak(hand, grading)) return;
    if (!grading.Judges(hand)) {
        ++otherTables;
        return;
    }
    const int yours = grading.chart->LineOfHold(hand.dealt, hand.held);
    const int best = grading.chart->LineOfHold(hand.dealt, hand.bestHeld);
    LeakGroup& group = groups[{yours, best}];
    group.yourLine = yours;
    group.chartLine = best;
    if (group.count == 0 ||
        ListedBefore(hand.Cost(), hand.id, group.example.cost, group.example.id))
        group.example = {hand.id, hand.dealt, hand.held, hand.bestHeld, hand.Cost()};
    ++group.count;
    group.cost += hand.Cost();
}

std::vector<LeakGroup> Leaks::WorstFirst() const {
    std::vector<LeakGroup> sorted;
    sorted.reserve(groups.size());
    for (const auto& [key, group] : groups) sorted.push_back(group);
    std::stable_sort(sorted.begin(), sorted.end(), [](const LeakGroup& a, const LeakGroup& b) {
        if (a.cost != b.cost) return a.cost > b.cost;
        return a.count > b.count;
    });
    return sorted;
}

Leaks GroupLeaks(std::span<const HandRecord> hands, const GradingChart& grading) {
    Leaks leaks;
    for (const HandRecord& hand : hands) leaks.Fold(hand, grading);
    return leaks;
}

Leaks GroupLeaks(std::span<const HandRecord> hands,
                 const modcards::analysis::StrategyChart& chart) {
    return GroupLeaks(hands, GradingChart{&chart, GameGrading().pays});
}

std::string LeakLineText(const modcards::analysis::StrategyChart& chart, int line) {
    if (line < 0 || line >= static_cast<int>(chart.Lines().size())) return "no chart line";
    return chart.Lines()[static_cast<std::size_t>(line)].Text();
}

}  // namespace history
