// Every chart size audited exactly, and the cheapest within each budget kept.
#include "engine/analysis/ChartLevels.h"

#include <algorithm>

#include "engine/analysis/ChartBuilder.h"

namespace modcards::analysis {

namespace {

bool Cheaper(const ChartAudit& a, const ChartAudit& b) {
    // Products of the exact parts could overflow with a fine unit; doubles tell charts apart.
    return a.chartReturn.ToDouble() > b.chartReturn.ToDouble();
}

}  // namespace

std::vector<ChartLevel> ChartLevels(const PaySums& sums, int fewestLines, unsigned threads,
                                    const ChartProgress& progress) {
    ChartGoal goal;
    goal.threads = threads;
    const int fewest = std::max(fewestLines, kMinChartLines);
    // Each chart is audited as soon as it is written, so that the full chart is told of before
    // the shorter ones are merged; the total is a guess until the merging ends, one chart per
    // line at most.
    std::vector<ChartAudit> audits;
    bool stopped = false;
    const auto audit = [&](const StrategyChart& chart) {
        audits.push_back(AuditChart(chart, sums, threads));
        const int lines = static_cast<int>(chart.Lines().size());
        const int done = static_cast<int>(audits.size());
        const int total = done + std::max(0, lines - fewest);
        stopped = progress && !progress({lines, chart, audits.back()}, done, total);
        return !stopped;
    };
    std::vector<StrategyChart> charts = ChartsDownTo(sums, fewest, goal, audit);
    if (stopped) return {};

    const int longest = static_cast<int>(charts.front().Lines().size());
    std::vector<ChartLevel> levels;
    for (int budget = std::min(fewest, longest); budget <= longest; ++budget) {
        std::size_t best = charts.size();
        for (std::size_t i = 0; i < charts.size(); ++i)
            if (static_cast<int>(charts[i].Lines().size()) <= budget &&
                (best == charts.size() || Cheaper(audits[i], audits[best])))
                best = i;
        if (best < charts.size()) levels.push_back({budget, charts[best], audits[best]});
    }
    return levels;
}

ChartLevel ChartWithin(const PaySums& sums, int lines, unsigned threads) {
    return ChartLevels(sums, lines, threads).front();
}

std::vector<FrontierPoint> FrontierOf(const std::vector<ChartLevel>& levels) {
    std::vector<FrontierPoint> frontier;
    for (const ChartLevel& level : levels)
        frontier.push_back({level.lines, level.audit.chartReturn, level.audit.cost});
    return frontier;
}

std::array<std::size_t, kLevelCosts.size() + 1> LevelBudgets(
    const std::vector<FrontierPoint>& frontier) {
    std::array<std::size_t, kLevelCosts.size() + 1> chosen{};
    const std::size_t full = frontier.size() - 1;
    for (std::size_t level = 0; level < kLevelCosts.size(); ++level) {
        chosen[level] = full;
        for (std::size_t i = 0; i < frontier.size(); ++i)
            if (frontier[i].cost.ToDouble() <= kLevelCosts[level]) {
                chosen[level] = i;
                break;
            }
    }
    chosen.back() = full;
    return chosen;
}

}  // namespace modcards::analysis
