// Perfect play over every deal, summed exactly per number of cards held.
#include "engine/analysis/GameAnalysis.h"

#include <cmath>
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

// Sum of the squared pays over a hold's draws, from how many end in each category.
WideInt SquaredPays(const Pays& pays, const CategoryCounts& counts) {
    WideInt total = 0;
    for (int c = 1; c < kCategoryCount; ++c)
        total += static_cast<WideInt>(counts[c]) * pays.perCategory[c] * pays.perCategory[c];
    return total;
}

// The best hold, and how its draws end; holds tied with it are weighed by spread.
unsigned PlayedHold(const PaySums& sums, const SubsetRanks& ranks,
                    const std::array<std::int64_t, kHoldCount>& holdTotals, TieBreak ties,
                    CategoryCounts& finals) {
    const TopHolds top = BestHolds(holdTotals);
    unsigned best = top.holds[0];
    finals = HoldCategoryCounts(sums.tables(), ranks, best);
    if (top.count == 1) return best;
    // Listed in HoldComesFirst order, so on equal spread the one found first stays.
    WideInt bestSquares = SquaredPays(sums.pays(), finals);
    for (int i = 1; i < top.count; ++i) {
        const unsigned hold = top.holds[static_cast<std::size_t>(i)];
        const CategoryCounts counts = HoldCategoryCounts(sums.tables(), ranks, hold);
        const WideInt squares = SquaredPays(sums.pays(), counts);
        // Per draw: squares / DrawCount(held), compared across the two holds.
        const WideInt mine = squares * DrawCount(HeldCount(best));
        const WideInt theirs = bestSquares * DrawCount(HeldCount(hold));
        if (ties == TieBreak::LowerVariance ? mine < theirs : mine > theirs) {
            best = hold;
            finals = counts;
            bestSquares = squares;
        }
    }
    return best;
}

void PlayDeal(const PaySums& sums, const SuitClass& deal, TieBreak ties, PlayTotals& totals) {
    const SubsetRanks ranks = RanksOfSubsets(deal.set.cards);
    const auto holdTotals = HoldTotals(sums, ranks);
    CategoryCounts finals{};
    const unsigned best = PlayedHold(sums, ranks, holdTotals, ties, finals);
    const int held = HeldCount(best);
    totals.pay[held] += static_cast<WideInt>(deal.weight) * holdTotals[best];
    for (int c = 0; c < kCategoryCount; ++c)
        totals.finals[held][c] += static_cast<WideInt>(deal.weight) * finals[c];
}

}  // namespace

double GameAnalysis::Variance() const {
    const long double mean = expectedReturn.ToDouble();
    return static_cast<double>(static_cast<long double>(secondMoment.ToDouble()) - mean * mean);
}

double GameAnalysis::StandardDeviation() const {
    return std::sqrt(Variance());
}

GameAnalysis AnalyzeGame(const PaySums& sums, unsigned threads, TieBreak ties) {
    const std::vector<SuitClass>& deals = sums.tables().DealClasses();
    const std::int64_t slices = std::max(1u, threads);
    std::vector<PlayTotals> partial(static_cast<std::size_t>(slices));
    ForEachSlice(slices, threads, [&](std::int64_t begin, std::int64_t end) {
        for (std::int64_t slice = begin; slice < end; ++slice) {
            // Interleaved so that every slice gets deals of every shape.
            auto& totals = partial[static_cast<std::size_t>(slice)];
            for (std::size_t d = static_cast<std::size_t>(slice); d < deals.size();
                 d += static_cast<std::size_t>(slices))
                PlayDeal(sums, deals[d], ties, totals);
        }
    });
    PlayTotals all;
    for (const auto& totals : partial) all.Add(totals);

    GameAnalysis analysis;
    analysis.ties = ties;
    const Pays& pays = sums.pays();
    analysis.expectedReturn = OverAllDraws(all.pay, WideInt{kDealCount} * pays.unit);
    std::array<WideInt, kHandSize + 1> squares{};
    for (int c = 0; c < kCategoryCount; ++c) {
        std::array<WideInt, kHandSize + 1> byHeld{};
        for (int held = 0; held <= kHandSize; ++held) {
            byHeld[held] = all.finals[held][c];
            squares[held] += all.finals[held][c] * pays.perCategory[c] * pays.perCategory[c];
        }
        analysis.finalCategory[c] = OverAllDraws(byHeld, kDealCount);
    }
    analysis.secondMoment = OverAllDraws(squares, WideInt{kDealCount} * pays.unit * pays.unit);
    return analysis;
}

}  // namespace modcards::analysis
