// Growing a strategy chart section by section, the sections competing for the lines the goal
// allows.
#include "engine/analysis/ChartBuilder.h"

#include <algorithm>

#include "engine/analysis/ChartSamples.h"
#include "engine/analysis/ChartSearch.h"

namespace modcards::analysis {

namespace {

constexpr int kSections = 5;

int WrittenLines(const std::vector<SectionSearch>& searches) {
    int total = 0;
    for (const auto& search : searches) total += search.PlayedCount();
    return total;
}

template <typename Move>
std::size_t BestOf(const std::vector<Move>& moves) {
    return static_cast<std::size_t>(
        std::max_element(moves.begin(), moves.end(),
                         [](const Move& a, const Move& b) { return a.gain < b.gain; }) -
        moves.begin());
}

// Carves lines while the goal allows. Judging every line after every carve would take long, so
// each line keeps the gain its best carve had when last judged: the line judged best is judged
// again, and carved if it still beats every other line's last judgement. Before giving up,
// every line is judged afresh.
void GrowLines(std::vector<SectionSearch>& searches, const ChartGoal& goal) {
    bool fresh = false;
    while (WrittenLines(searches) < goal.maxLines) {
        std::size_t section = 0;
        SectionSearch::Likeliest best;
        double runnerUp = kNone;
        for (std::size_t s = 0; s < searches.size(); ++s) {
            const auto likeliest = searches[s].LikeliestCarve();
            if (likeliest.gain > best.gain) {
                runnerUp = std::max({runnerUp, best.gain, likeliest.runnerUp});
                best = likeliest;
                section = s;
            } else {
                runnerUp = std::max(runnerUp, likeliest.gain);
            }
        }
        if (best.gain < goal.minGain) {
            if (fresh) return;
            for (auto& search : searches) search.JudgeEveryLine(goal.minGain);
            fresh = true;
            continue;
        }
        const Carve carve = searches[section].BestCarveOf(best.id, goal.minGain);
        if (carve.gain < goal.minGain || carve.gain < runnerUp) continue;
        searches[section].Apply(carve);
        fresh = false;
    }
}

}  // namespace

StrategyChart BuildChart(const PaySums& sums, const ChartGoal& goal) {
    const std::array<ChartSection, kSections> sections = CollectChartSections(sums, goal.threads);
    std::vector<SectionSearch> searches;
    for (int deuces = 0; deuces < kSections; ++deuces)
        searches.emplace_back(sections[static_cast<std::size_t>(deuces)], deuces, goal.threads);

    GrowLines(searches, goal);
    while (true) {
        std::vector<Merge> merges;
        for (const auto& search : searches) merges.push_back(search.CheapestMerge());
        const std::size_t section = BestOf(merges);
        if (merges[section].gain < -goal.mergeCost && WrittenLines(searches) <= goal.maxLines)
            break;
        searches[section].Apply(merges[section]);
    }

    std::vector<ChartLine> lines;
    for (int deuces = kSections - 1; deuces >= 0; --deuces) {
        searches[static_cast<std::size_t>(deuces)].Tidy();
        const auto section = searches[static_cast<std::size_t>(deuces)].ChartLines();
        lines.insert(lines.end(), section.begin(), section.end());
    }
    return StrategyChart(std::move(lines));
}

}  // namespace modcards::analysis
