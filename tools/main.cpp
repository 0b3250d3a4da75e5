// deuceswild-strategy: exact hold values, the game's return under perfect play, and strategy
// charts with their exact cost.
#include <csignal>
#include <cstdio>
#include <exception>
#include <string_view>
#include <vector>

#include "engine/analysis/CategoryTables.h"
#include "engine/analysis/ChartAudit.h"
#include "engine/analysis/ChartBuilder.h"
#include "engine/analysis/GameAnalysis.h"
#include "engine/analysis/GameChart.h"
#include "engine/analysis/HoldAdvisor.h"
#include "tools/StrategyOptions.h"
#include "tools/StrategyOutput.h"
#include "tools/StrategyReports.h"

namespace {

using namespace modcards;

bool IsGameTable(const analysis::Pays& pays) {
    return pays == analysis::GamePays();
}

// The game's own chart was derived when the program was built; any other is derived now.
std::string Chart(const strategy::StrategyOptions& options) {
    const analysis::PaySums sums(analysis::CategoryTables::Build(options.threads), options.pays,
                                 options.threads);
    const bool game = IsGameTable(options.pays);
    analysis::ChartGoal goal;
    goal.threads = options.threads;
    const analysis::StrategyChart chart = game ? analysis::GameChart() : BuildChart(sums, goal);
    const analysis::ChartAudit audit =
        game ? analysis::GameChartAudit() : AuditChart(chart, sums, options.threads);
    if (!options.holdsOut.empty()) {
        const std::vector<std::uint8_t> holds =
            analysis::ChartHoldsOfEveryDeal(chart, options.threads);
        strategy::WriteFileWhole(options.holdsOut, holds);
    }
    return strategy::ChartReport(options.pays, chart, audit, options.json);
}

std::string Run(const strategy::StrategyOptions& options) {
    switch (options.command) {
        case strategy::Command::Help:
            return strategy::HelpText();
        case strategy::Command::Version:
            return strategy::VersionText();
        case strategy::Command::DealCounts:
            return strategy::DealCountsReport(
                analysis::CategoryTables::Build(options.threads)->DealCounts(), options.json);
        case strategy::Command::Return: {
            const analysis::PaySums sums(analysis::CategoryTables::Build(options.threads),
                                         options.pays, options.threads);
            return strategy::ReturnReport(
                options.pays, analysis::AnalyzeGame(sums, options.threads, options.ties),
                options.json);
        }
        case strategy::Command::Hold:
            // The game's chart names the holds of its own table only.
            return strategy::HoldReport(
                options.dealt, analysis::HoldAdvisor(options.pays, options.threads), options.json,
                IsGameTable(options.pays) ? &analysis::GameChart() : nullptr, options.detail);
        case strategy::Command::Chart:
            return Chart(options);
    }
    return {};
}

}  // namespace

int main(int argc, char** argv) {
    // A reader that goes away then shows as a write error with a message, not a silent death.
    std::signal(SIGPIPE, SIG_IGN);
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    strategy::StrategyOptions options;
    try {
        options = strategy::ParseStrategyOptions(args);
    } catch (const strategy::UsageError& error) {
        std::fprintf(stderr, "deuceswild-strategy: %s\n", error.what());
        return 2;
    }
    try {
        strategy::WriteAll(stdout, Run(options), "the output");
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "deuceswild-strategy: %s\n", error.what());
        return 1;
    }
}
