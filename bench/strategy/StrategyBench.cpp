// How long perfect-play analysis takes: tables, the whole game, and one deal's holds.
#include <benchmark/benchmark.h>

#include "engine/CardText.h"
#include "engine/Deal.h"
#include "engine/analysis/CategoryTables.h"
#include "engine/analysis/GameAnalysis.h"
#include "engine/analysis/HoldAdvisor.h"

namespace modcards::analysis {
namespace {

Pays GameTablePays() {
    PayTable table{};
    InitTables(table);
    return GamePays(table);
}

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
        const PaySums sums(CategoryTables::Build(threads), GameTablePays());
        benchmark::DoNotOptimize(AnalyzeGame(sums, threads));
    }
}
BENCHMARK(BM_ReturnFromScratch)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

// The whole game with the category tables built once beforehand (explicitly cached).
void BM_ReturnWithCachedTables(benchmark::State& state) {
    const auto tables = CategoryTables::Build(2);
    const auto threads = static_cast<unsigned>(state.range(0));
    for (auto _ : state) {
        const PaySums sums(tables, GameTablePays());
        benchmark::DoNotOptimize(AnalyzeGame(sums, threads));
    }
}
BENCHMARK(BM_ReturnWithCachedTables)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

// One deal's 32 holds, ranked, from an advisor whose tables are built (explicitly cached).
void BM_HoldsOfOneDeal(benchmark::State& state) {
    const HoldAdvisor advisor(GameTablePays());
    const Hand dealt = ParseHand("Ah 2c 5d 9s Kh");
    for (auto _ : state) benchmark::DoNotOptimize(advisor.RankHolds(dealt));
}
BENCHMARK(BM_HoldsOfOneDeal)->Unit(benchmark::kMicrosecond);

// A new advisor and one deal's holds: what a window pays for its first hint.
void BM_FirstHint(benchmark::State& state) {
    const Hand dealt = ParseHand("Ah 2c 5d 9s Kh");
    for (auto _ : state) {
        const HoldAdvisor advisor(GameTablePays(), 2);
        benchmark::DoNotOptimize(advisor.BestHold(dealt));
    }
}
BENCHMARK(BM_FirstHint)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace modcards::analysis

BENCHMARK_MAIN();
