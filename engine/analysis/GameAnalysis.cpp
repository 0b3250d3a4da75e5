// Perfect play over every deal, summed exactly per number of cards held.
#include "engine/analysis/GameAnalysis.h"

#include <vector>

#include "engine/analysis/DealHolds.h"
#include "engine/analysis/Parallel.h"

namespace modcards::analysis {

namespace {

// Sums kept per number of held cards, since each has its own number of draws.
struct PlayTotals {
    std::array<WideInt, kHandSize + 1> pay{};
    std::array<std::array<WideInt, kCategoryCount>, kHandSize + 1> finals{};

    void Add(const PlayTotals& other) {
        for (int held = 0; held <= kHandSize; ++held) {
            pay[held] += other.pay[held];
            for (int c = 0; c < kCategoryCount; ++c) finals[held][c] += other.finals[held][c];
        }
    }
};

void PlayDeal(const PaySums& sums, const SuitClass& deal, PlayTotals& totals) {
    const SubsetRanks ranks = RanksOfSubsets(deal.set.cards);
    const auto holdTotals = HoldTotals(sums, ranks);
    const unsigned best = BestHold(holdTotals);
    const int held = HeldCount(best);
    totals.pay[held] += static_cast<WideInt>(deal.weight) * holdTotals[best];
    const CategoryCounts finals = HoldCategoryCounts(sums.tables(), ranks, best);
    for (int c = 0; c < kCategoryCount; ++c)
        totals.finals[held][c] += static_cast<WideInt>(deal.weight) * finals[c];
}

}  // namespace

GameAnalysis AnalyzeGame(const PaySums& sums, unsigned threads) {
    const std::vector<SuitClass>& deals = sums.tables().DealClasses();
    const std::int64_t slices = std::max(1u, threads);
    std::vector<PlayTotals> partial(static_cast<std::size_t>(slices));
    ForEachSlice(slices, threads, [&](std::int64_t begin, std::int64_t end) {
        for (std::int64_t slice = begin; slice < end; ++slice) {
            // Interleaved so that every slice gets deals of every shape.
            auto& totals = partial[static_cast<std::size_t>(slice)];
            for (std::size_t d = static_cast<std::size_t>(slice); d < deals.size();
                 d += static_cast<std::size_t>(slices))
                PlayDeal(sums, deals[d], totals);
        }
    });
    PlayTotals all;
    for (const auto& totals : partial) all.Add(totals);

    GameAnalysis analysis;
    analysis.expectedReturn = OverAllDraws(all.pay, WideInt{kDealCount} * sums.pays().unit);
    for (int c = 0; c < kCategoryCount; ++c) {
        std::array<WideInt, kHandSize + 1> byHeld{};
        for (int held = 0; held <= kHandSize; ++held) byHeld[held] = all.finals[held][c];
        analysis.finalCategory[c] = OverAllDraws(byHeld, kDealCount);
    }
    return analysis;
}

}  // namespace modcards::analysis
