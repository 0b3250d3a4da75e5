// How long a drill takes to choose its deals: 20 deals, the plan moving on with each answer,
// after the analysis tables are built; for a player with two habits, and for one whose mistakes
// are scattered over many groups, some rare.
#include <benchmark/benchmark.h>

#include <random>

#include "bench/history/LargeHistory.h"
#include "engine/analysis/GameChart.h"
#include "game/DrillDealer.h"
#include "game/history/LeakGroups.h"
#include "tests/game/history/PlantedHabits.h"

namespace {

class SeededRandom final : public modcards::RandomSource {
public:
    void Reseed() override {}
    float Next() override { return float(engine_() >> 8) / 16777216.0f; }

private:
    std::mt19937 engine_{5};
};

void ChooseTwentyDeals(benchmark::State& state, const std::vector<history::LeakGroup>& groups) {
    const auto& chart = modcards::analysis::GameChart();
    GameAdvisor();  // built before the clock starts
    SeededRandom random;
    for (auto _ : state) {
        history::DrillPlan plan(groups, {});
        DrillDealer dealer(plan, GameAdvisor(), chart, random);
        for (int deal = 0; deal < 20; ++deal) {
            const DealtCards dealt = dealer.Deal();
            plan.Answer(*dealt.lesson, deal % 4 != 0);
        }
    }
    state.counters["groups"] = double(groups.size());
}

void BM_TwentyDrillDealsOfTwoHabits(benchmark::State& state) {
    ChooseTwentyDeals(
        state, history::GroupLeaks(history_test::Played().rows, modcards::analysis::GameChart())
                   .WorstFirst());
}
BENCHMARK(BM_TwentyDrillDealsOfTwoHabits)->Unit(benchmark::kMillisecond);

void BM_TwentyDrillDealsOfScatteredMistakes(benchmark::State& state) {
    bench_history::HandMaker maker;
    const history::Session session{1, "Alice", bench_history::kNow};
    std::vector<history::HandRecord> rows;
    for (int i = 0; i < 20000; ++i) rows.push_back(bench_history::RowOf(session, maker.Next()));
    ChooseTwentyDeals(state,
                      history::GroupLeaks(rows, modcards::analysis::GameChart()).WorstFirst());
}
BENCHMARK(BM_TwentyDrillDealsOfScatteredMistakes)->Unit(benchmark::kMillisecond);

}  // namespace
