// How fast EvaluateHand classifies every five-card hand of one deck, sorted beforehand.
#include <benchmark/benchmark.h>

#include <vector>

#include "engine/Deal.h"
#include "engine/HandEvaluation.h"

namespace {

using modcards::Card;
using modcards::Hand;

std::vector<Hand> AllSortedHands() {
    std::vector<Hand> hands;
    hands.reserve(2598960);
    auto card = [](int index) {
        return Card{static_cast<std::int16_t>(index / 13),
                    static_cast<std::int16_t>(index % 13 + 1)};
    };
    for (int a = 0; a < 52; ++a)
        for (int b = a + 1; b < 52; ++b)
            for (int c = b + 1; c < 52; ++c)
                for (int d = c + 1; d < 52; ++d)
                    for (int e = d + 1; e < 52; ++e) {
                        Hand hand{card(a), card(b), card(c), card(d), card(e)};
                        modcards::SortByValue(hand);
                        hands.push_back(hand);
                    }
    return hands;
}

void BM_EvaluateAllHands(benchmark::State& state) {
    const std::vector<Hand> hands = AllSortedHands();
    for (auto _ : state) {
        long paid = 0;
        for (const Hand& hand : hands) paid += modcards::EvaluateHand(hand);
        benchmark::DoNotOptimize(paid);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(hands.size()));
}
BENCHMARK(BM_EvaluateAllHands)->Unit(benchmark::kMillisecond);

}  // namespace
