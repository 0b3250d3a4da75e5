// Growing a strategy chart section by section, the sections competing for the lines the goal
// allows.
#include "engine/analysis/ChartBuilder.h"

#include <algorithm>
#include <limits>
#include <optional>

#include "engine/analysis/ChartSamples.h"
#include "engine/analysis/ChartSearch.h"
#include "engine/analysis/Parallel.h"

namespace modcards::analysis {

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

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
    while (WrittenLines(searches) < goal.maxLines && !goal.stop.stop_requested()) {
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
            for (auto& search : searches) {
                if (goal.stop.stop_requested()) return;
                search.JudgeEveryLine(goal.minGain, goal.stop);
            }
            fresh = true;
            continue;
        }
        const Carve carve = searches[section].BestCarveOf(best.id, goal.minGain);
        if (carve.gain < goal.minGain || carve.gain < runnerUp) continue;
        searches[section].Apply(carve);
        fresh = false;
    }
}

// The searches refer to the sections, which must outlive them. Each section's first lines are
// placed apart, on the threads.
std::vector<SectionSearch> StartSearches(const ChartSections& sections, unsigned threads) {
    std::array<std::optional<SectionSearch>, kChartSections> started;
    ForEachInterleaved(kChartSections, threads, [&](std::int64_t deuces) {
        const auto at = static_cast<std::size_t>(deuces);
        started[at].emplace(sections[at], static_cast<int>(deuces), threads);
    });
    std::vector<SectionSearch> searches;
    for (auto& search : started) searches.push_back(std::move(*search));
    return searches;
}

// Applies the cheapest merge of any section and returns that section; -1 when no section has
// one costing at most `mostCost`.
int MergeCheapest(std::vector<SectionSearch>& searches, double mostCost) {
    std::vector<Merge> merges;
    for (const auto& search : searches) merges.push_back(search.CheapestMerge());
    const std::size_t section = BestOf(merges);
    if (merges[section].gain == kNone || merges[section].gain < -mostCost) return -1;
    searches[section].Apply(merges[section]);
    return static_cast<int>(section);
}

// False when stopped.
bool Settle(std::vector<SectionSearch>& searches, const ChartGoal& goal) {
    GrowLines(searches, goal);
    while (!goal.stop.stop_requested() &&
           MergeCheapest(searches, WrittenLines(searches) > goal.maxLines ? kInfinity
                                                                          : goal.mergeCost) >= 0) {
    }
    return !goal.stop.stop_requested();
}

StrategyChart Written(std::vector<SectionSearch>& searches) {
    std::vector<ChartLine> lines;
    for (int deuces = kChartSections - 1; deuces >= 0; --deuces) {
        searches[static_cast<std::size_t>(deuces)].Tidy();
        const auto section = searches[static_cast<std::size_t>(deuces)].ChartLines();
        lines.insert(lines.end(), section.begin(), section.end());
    }
    return StrategyChart(std::move(lines));
}

}  // namespace

StrategyChart BuildChart(const PaySums& sums, const ChartGoal& goal) {
    const auto sections = CollectChartSections(sums, goal.threads);
    std::vector<SectionSearch> searches = StartSearches(sections, goal.threads);
    Settle(searches, goal);
    return Written(searches);
}

std::vector<StrategyChart> ChartsDownTo(const PaySums& sums, int fewestLines, const ChartGoal& goal,
                                        const WrittenChart& written) {
    if (goal.stop.stop_requested()) return {};
    return ChartsDownTo(CollectChartSections(sums, goal.threads, goal.stop), fewestLines, goal,
                        written);
}

std::vector<StrategyChart> ChartsDownTo(const ChartSections& sections, int fewestLines,
                                        const ChartGoal& goal, const WrittenChart& written) {
    if (goal.stop.stop_requested()) return {};
    std::vector<SectionSearch> searches = StartSearches(sections, goal.threads);
    if (!Settle(searches, goal)) return {};
    std::vector<StrategyChart> charts{Written(searches)};
    if (written && !written(charts.back())) return charts;
    while (WrittenLines(searches) > fewestLines) {
        if (goal.stop.stop_requested()) return {};
        if (MergeCheapest(searches, kInfinity) < 0) break;
        if (WrittenLines(searches) < static_cast<int>(charts.back().Lines().size())) {
            charts.push_back(Written(searches));
            if (written && !written(charts.back())) break;
        }
    }
    return charts;
}

}  // namespace modcards::analysis
