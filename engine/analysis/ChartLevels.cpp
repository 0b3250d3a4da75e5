// Every chart size audited exactly, and the cheapest within each budget kept.
#include "engine/analysis/ChartLevels.h"

#include <algorithm>

#include "engine/analysis/ChartBuilder.h"

namespace modcards::analysis {

namespace {

// The finer search's least gain for a line: a hundred times less than a first search's.
constexpr double kFineGain = 1e-9;

bool Cheaper(const ChartAudit& a, const ChartAudit& b) {
    // Products of the exact parts could overflow with a fine unit; doubles tell charts apart.
    return a.chartReturn.ToDouble() > b.chartReturn.ToDouble();
}

}  // namespace

std::vector<ChartLevel> ChartLevels(const PaySums& sums, int fewestLines, unsigned threads,
                                    const ChartProgress& progress, std::stop_token stop) {
    ChartGoal goal;
    goal.threads = threads;
    goal.stop = stop;
    const int fewest = std::max(fewestLines, kMinChartLines);
    // Both searches merge down to the shortest chart whatever the budgets asked for, so that a
    // budget gets the same chart asked alone as in the whole frontier. Each chart is audited as
    // soon as it is written, so that the full chart is told of before the shorter ones are
    // merged; the total is a guess until the merging ends, one chart per line at most.
    std::vector<StrategyChart> charts;
    std::vector<ChartAudit> audits;
    bool stopped = false;
    const auto audit = [&](const StrategyChart& chart) {
        charts.push_back(chart);
        audits.push_back(AuditChart(chart, sums, threads));
        if (stop.stop_requested()) return false;
        const int lines = static_cast<int>(chart.Lines().size());
        const int done = static_cast<int>(audits.size());
        const int total = done + std::max(0, lines - kMinChartLines);
        stopped = progress && !progress({lines, chart, audits.back()}, done, total);
        return !stopped;
    };
    // Both searches start from the same deals' options.
    const ChartSections sections = CollectChartSections(sums, threads, stop);
    ChartsDownTo(sections, kMinChartLines, goal, audit);
    if (stopped || stop.stop_requested()) return {};

    // A finer search, slower, grows a longer and cheaper chart. Merging down, it goes on while
    // its charts beat the first search's cheapest within as many lines, and keeps those that
    // beat it by the first search's least gain for each line they have more, as the first
    // search asks of each line it writes.
    const std::size_t first = charts.size();
    const auto rivalOf = [&](int lines) {
        std::size_t rival = first;
        for (std::size_t i = 0; i < first; ++i)
            if (static_cast<int>(charts[i].Lines().size()) <= lines &&
                (rival == first || Cheaper(audits[i], audits[rival])))
                rival = i;
        return rival;
    };
    ChartGoal fine = goal;
    fine.minGain = kFineGain;
    fine.mergeCost = 0;
    ChartsDownTo(sections, kMinChartLines, fine, [&](const StrategyChart& chart) {
        const ChartAudit audited = AuditChart(chart, sums, threads);
        if (stop.stop_requested()) return false;
        const int lines = static_cast<int>(chart.Lines().size());
        const std::size_t rival = rivalOf(lines);
        if (rival < first && !Cheaper(audited, audits[rival])) return false;
        const int more =
            rival < first ? std::max(1, lines - static_cast<int>(charts[rival].Lines().size())) : 0;
        if (rival < first &&
            audits[rival].cost.ToDouble() - audited.cost.ToDouble() < more * goal.minGain)
            return true;
        charts.push_back(chart);
        audits.push_back(audited);
        const int done = static_cast<int>(audits.size());
        stopped = progress && !progress({lines, chart, audited}, done, done);
        return !stopped;
    });
    if (stopped || stop.stop_requested()) return {};

    int longest = 0;
    for (const StrategyChart& chart : charts)
        longest = std::max(longest, static_cast<int>(chart.Lines().size()));
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
