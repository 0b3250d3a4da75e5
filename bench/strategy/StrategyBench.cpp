// How long perfect-play analysis takes: tables, the whole game, one deal's holds, and charts.
#include <benchmark/benchmark.h>

#include "engine/CardText.h"
#include "engine/Deal.h"
#include "engine/analysis/CategoryTables.h"
#include "engine/analysis/ChartAudit.h"
#include "engine/analysis/ChartBuilder.h"
#include "engine/analysis/ChartLevels.h"
#include "engine/analysis/ChartSamples.h"
#include "engine/analysis/ChartSet.h"
#include "engine/analysis/GameAnalysis.h"
#include "engine/analysis/GameChart.h"
#include "engine/analysis/GameLevels.h"
#include "engine/analysis/HandAnalysis.h"
#include "engine/analysis/HoldAdvisor.h"
#include "engine/analysis/RiskOfRuin.h"

namespace modcards::analysis {
namespace {

// Classifying all 2,598,960 hands and counting every smaller set; argument: threads.
void BM_BuildCategoryTables(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(CategoryTables::Build(static_cast<unsigned>(state.range(0))));
}
BENCHMARK(BM_BuildCategoryTables)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

// The whole game's return from nothing: tables, pay sums and every deal; argument: threads.
void BM_ReturnFromScratch(benchmark::State& state) {
    const auto threads = static_cast<unsigned>(state.range(0));
    for (auto _ : state) {
        const PaySums sums(CategoryTables::Build(threads), GamePays(), threads);
        benchmark::DoNotOptimize(AnalyzeGame(sums, threads));
    }
}
BENCHMARK(BM_ReturnFromScratch)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

// The whole game with the category tables built once beforehand (explicitly cached).
void BM_ReturnWithCachedTables(benchmark::State& state) {
    const auto tables = CategoryTables::Build(2);
    const auto threads = static_cast<unsigned>(state.range(0));
    for (auto _ : state) {
        const PaySums sums(tables, GamePays(), threads);
        benchmark::DoNotOptimize(AnalyzeGame(sums, threads));
    }
}
BENCHMARK(BM_ReturnWithCachedTables)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

// Another pay table's hold values once the category tables are built: what a practice table
// costs before its hint is ready.
void BM_AdvisorForAnotherTable(benchmark::State& state) {
    const auto tables = CategoryTables::Build(2);
    const Pays fullPay = PaysPerUnit({800, 200, 25, 15, 9, 5, 3, 2, 2, 1});
    for (auto _ : state) benchmark::DoNotOptimize(HoldAdvisor(tables, fullPay));
}
BENCHMARK(BM_AdvisorForAnotherTable)->Unit(benchmark::kMillisecond)->UseRealTime();

// One deal's 32 holds, ranked, from an advisor whose tables are built (explicitly cached).
void BM_HoldsOfOneDeal(benchmark::State& state) {
    const HoldAdvisor advisor(GamePays());
    const Hand dealt = ParseHand("Ah 2c 5d 9s Kh");
    for (auto _ : state) benchmark::DoNotOptimize(advisor.RankHolds(dealt));
}
BENCHMARK(BM_HoldsOfOneDeal)->Unit(benchmark::kMicrosecond);

// What the hand analyser shows for one deal: every hold's value, final hands and chart line,
// from an advisor whose tables are built.
void BM_AnalyzeHand(benchmark::State& state) {
    const HoldAdvisor advisor(GamePays());
    const Hand dealt = ParseHand("Ah 2c 5d 9s Kh");
    for (auto _ : state) benchmark::DoNotOptimize(AnalyzeHand(advisor, dealt, &GameChart()));
}
BENCHMARK(BM_AnalyzeHand)->Unit(benchmark::kMicrosecond);

// A new advisor and one deal's holds: what a window pays for its first hint.
void BM_FirstHint(benchmark::State& state) {
    const Hand dealt = ParseHand("Ah 2c 5d 9s Kh");
    for (auto _ : state) {
        const HoldAdvisor advisor(GamePays(), 2);
        benchmark::DoNotOptimize(advisor.BestHold(dealt));
    }
}
BENCHMARK(BM_FirstHint)->Unit(benchmark::kMillisecond)->UseRealTime();

Pays FullPays() {
    return PaysPerUnit({800, 200, 25, 15, 9, 5, 3, 2, 2, 1});
}

// Deriving a chart for the full-pay table, the category tables built beforehand; argument:
// threads. Its first part, gathering every deal's options, is timed apart below.
void BM_ChartForOnePayTable(benchmark::State& state) {
    const PaySums sums(CategoryTables::Build(2), FullPays());
    ChartGoal goal;
    goal.threads = static_cast<unsigned>(state.range(0));
    for (auto _ : state) benchmark::DoNotOptimize(BuildChart(sums, goal));
}
BENCHMARK(BM_ChartForOnePayTable)->Arg(1)->Arg(2)->Unit(benchmark::kSecond)->UseRealTime();

// The part of a chart's derivation that values and names every hold of every deal.
void BM_ChartSamples(benchmark::State& state) {
    const PaySums sums(CategoryTables::Build(2), FullPays());
    for (auto _ : state) benchmark::DoNotOptimize(CollectChartSections(sums, 2));
}
BENCHMARK(BM_ChartSamples)->Unit(benchmark::kMillisecond)->UseRealTime();

// The exact return of a given chart (the game's), played on one deal of each suit class.
void BM_ChartAudit(benchmark::State& state) {
    const PaySums sums(CategoryTables::Build(2), GamePays());
    const auto threads = static_cast<unsigned>(state.range(0));
    for (auto _ : state) benchmark::DoNotOptimize(AuditChart(GameChart(), sums, threads));
}
BENCHMARK(BM_ChartAudit)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

// The chart's hold on every one of the 2,598,960 deals, as --holds-out writes them.
void BM_ChartHoldsOfEveryDeal(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(ChartHoldsOfEveryDeal(GameChart(), 2));
}
BENCHMARK(BM_ChartHoldsOfEveryDeal)->Unit(benchmark::kMillisecond)->UseRealTime();

// Every chart size for full pay, from 5 lines to the full chart, each audited exactly.
void BM_ChartFrontier(benchmark::State& state) {
    const PaySums sums(CategoryTables::Build(2), FullPays());
    for (auto _ : state) benchmark::DoNotOptimize(ChartLevels(sums, kMinChartLines, 2));
}
BENCHMARK(BM_ChartFrontier)->Unit(benchmark::kSecond)->UseRealTime()->Iterations(1);

// A practice table's chart as the chart window first gets it: the category tables, the
// derivation, and the full chart's audit, the rest of the work stopped there.
void BM_NewTableFullChart(benchmark::State& state) {
    for (auto _ : state) {
        const PaySums sums(CategoryTables::Build(2), FullPays(), 2);
        ChartLevels(sums, kMinChartLines, 2, [](const ChartLevel& full, int, int) {
            benchmark::DoNotOptimize(full.audit.cost);
            return false;
        });
    }
}
BENCHMARK(BM_NewTableFullChart)->Unit(benchmark::kSecond)->UseRealTime()->Iterations(1);

// Four levels and the frontier read back from their kept text: a table met again.
void BM_KeptChartsRead(benchmark::State& state) {
    const ChartSet set{GameLevels(), GameFrontier()};
    const std::string text = ChartSetText(GamePays(), set);
    for (auto _ : state) benchmark::DoNotOptimize(ReadChartSet(text, GamePays()));
    state.counters["bytes"] = double(text.size());
}
BENCHMARK(BM_KeptChartsRead)->Unit(benchmark::kMillisecond)->UseRealTime();

// Risk of ruin for full pay over 10,000 hands from 1,000 bets, the game analysed beforehand;
// argument: the goal in bets, 0 for none.
void BM_RiskOfRuin(benchmark::State& state) {
    const PaySums sums(CategoryTables::Build(2), FullPays());
    const std::vector<PayChance> chances = PayChancesOf(FullPays(), AnalyzeGame(sums, 2));
    const Trip trip{1000, 10'000, state.range(0)};
    for (auto _ : state) benchmark::DoNotOptimize(AnalyzeTrip(chances, trip));
}
BENCHMARK(BM_RiskOfRuin)->Arg(0)->Arg(2000)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace modcards::analysis

BENCHMARK_MAIN();
