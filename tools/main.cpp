// deuceswild-strategy: exact hold values, the game's return under perfect play, and strategy
// charts with their exact cost.
#include <csignal>
#include <cstdio>
#include <exception>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "engine/PayTable.h"
#include "engine/analysis/CategoryTables.h"
#include "engine/analysis/ChartAudit.h"
#include "engine/analysis/ChartBuilder.h"
#include "engine/analysis/ChartLevels.h"
#include "engine/analysis/GameAnalysis.h"
#include "engine/analysis/GameChart.h"
#include "engine/analysis/HoldAdvisor.h"
#include "engine/analysis/RiskOfRuin.h"
#include "game/history/GradingChart.h"
#include "game/history/ReviewReader.h"
#include "tools/HistoryReports.h"
#include "tools/StrategyOptions.h"
#include "tools/StrategyOutput.h"
#include "tools/StrategyReports.h"

namespace {

using namespace modcards;

bool IsGameTable(const analysis::Pays& pays) {
    return pays == analysis::GamePays();
}

// The full chart: the cheapest found within the most lines a chart may have.
analysis::ChartLevel FullChart(const analysis::PaySums& sums, unsigned threads) {
    return analysis::ChartWithin(sums, analysis::kMaxChartLines, threads);
}

// The game's own chart was derived when the program was built; any other is derived now.
std::string Chart(const strategy::StrategyOptions& options) {
    // The output path is settled before the seconds of work, not after them.
    std::optional<strategy::OutputFile> holdsFile;
    if (!options.holdsOut.empty()) holdsFile.emplace(options.holdsOut);
    const analysis::PaySums sums(analysis::CategoryTables::Build(options.threads), options.pays,
                                 options.threads);
    if (options.frontier)
        return strategy::FrontierReport(
            options.pays, analysis::ChartLevels(sums, analysis::kMinChartLines, options.threads),
            options.json);
    const bool game = IsGameTable(options.pays) &&
                      (options.lines == 0 ||
                       options.lines >= static_cast<int>(analysis::GameChart().Lines().size()));
    const analysis::ChartLevel level =
        game ? analysis::ChartLevel{0, analysis::GameChart(), analysis::GameChartAudit()}
        : options.lines > 0 ? analysis::ChartWithin(sums, options.lines, options.threads)
                            : FullChart(sums, options.threads);
    if (holdsFile) holdsFile->Write(analysis::ChartHoldsOfEveryDeal(level.chart, options.threads));
    return strategy::ChartReport(options.pays, level.chart, level.audit, options.json);
}

std::string Risk(const strategy::StrategyOptions& options) {
    const analysis::PaySums sums(analysis::CategoryTables::Build(options.threads), options.pays,
                                 options.threads);
    const analysis::GameAnalysis game =
        analysis::AnalyzeGame(sums, options.threads, analysis::TieBreak::LowerVariance);
    const analysis::Trip trip{options.bankroll, options.hands, options.goal};
    return strategy::RiskReport(
        options.pays, trip, game,
        analysis::AnalyzeTrip(analysis::PayChancesOf(options.pays, game), trip), options.json);
}

// A file error in one line for stderr.
[[noreturn]] void Refuse(const output::FileError& error) {
    std::string words = error.Describe();
    for (char& c : words)
        if (c == '\n') c = ' ';
    throw std::runtime_error(words);
}

std::string History(const strategy::StrategyOptions& options) {
    history::ReviewReader reader(options.historyFile, &analysis::GameChart());
    if (auto error = reader.Check()) Refuse(*error);
    // Leaks at another table than the game's are grouped by that table's own chart, derived
    // now (some seconds).
    std::optional<analysis::ChartLevel> ownChart;
    if (options.leaks && options.paysGiven && !IsGameTable(options.pays))
        ownChart = FullChart(analysis::PaySums(analysis::CategoryTables::Build(options.threads),
                                               options.pays, options.threads),
                             options.threads);
    const analysis::StrategyChart& chart = ownChart ? ownChart->chart : analysis::GameChart();
    const history::ReviewedHands hands{options.player, options.session,
                                       options.paysGiven ? history::PaysText(options.pays) : ""};
    if (options.csv) {
        history::CsvResult csv = reader.Csv(hands);
        if (csv.error) Refuse(*csv.error);
        return std::move(csv.text);
    }
    const history::ReviewResult read =
        ownChart ? reader.Review(hands, GamePayTable()[0],
                                 history::GradingChart{&chart, history::PaysText(options.pays)})
                 : reader.Review(hands, GamePayTable()[0]);
    // Rows that cannot be read are left out and told; the rest is still reviewed.
    if (read.error)
        std::fprintf(stderr, "deuceswild-strategy: %s\n", read.error->Describe().c_str());
    return options.leaks ? strategy::LeaksReport(read.leaks, chart, options.json)
                         : strategy::ReviewReport(read.review, options.json);
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
        case strategy::Command::Risk:
            return Risk(options);
        case strategy::Command::History:
            return History(options);
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
