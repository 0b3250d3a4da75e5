// deuceswild-strategy: exact hold values and the game's return under perfect play.
#include <cstdio>
#include <exception>
#include <string_view>
#include <vector>

#include "engine/analysis/CategoryTables.h"
#include "engine/analysis/GameAnalysis.h"
#include "engine/analysis/HoldAdvisor.h"
#include "tools/StrategyOptions.h"
#include "tools/StrategyReports.h"

namespace {

using namespace modcards;

std::string Run(const strategy::StrategyOptions& options) {
    switch (options.command) {
        case strategy::Command::Help:
            return strategy::HelpText();
        case strategy::Command::DealCounts:
            return strategy::DealCountsReport(
                analysis::CategoryTables::Build(options.threads)->DealCounts(), options.json);
        case strategy::Command::Return: {
            const analysis::PaySums sums(analysis::CategoryTables::Build(options.threads),
                                         options.pays);
            return strategy::ReturnReport(
                options.pays, analysis::AnalyzeGame(sums, options.threads), options.json);
        }
        case strategy::Command::Hold:
            return strategy::HoldReport(
                options.dealt, analysis::HoldAdvisor(options.pays, options.threads), options.json);
    }
    return {};
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    strategy::StrategyOptions options;
    try {
        options = strategy::ParseStrategyOptions(args);
    } catch (const strategy::UsageError& error) {
        std::fprintf(stderr, "deuceswild-strategy: %s\n", error.what());
        return 2;
    }
    try {
        const std::string out = Run(options);
        std::fwrite(out.data(), 1, out.size(), stdout);
        return std::fflush(stdout) == 0 ? 0 : 1;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "deuceswild-strategy: %s\n", error.what());
        return 1;
    }
}
