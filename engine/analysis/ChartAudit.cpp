// Replaying a chart over every deal and summing its exact value.
#include "engine/analysis/ChartAudit.h"

#include <array>

#include "engine/analysis/DealHolds.h"
#include "engine/analysis/Parallel.h"

namespace modcards::analysis {

namespace {

struct AuditTotals {
    std::array<WideInt, kHandSize + 1> chart{};  // by cards held
    std::array<WideInt, kHandSize + 1> perfect{};
    std::vector<std::int64_t> dealsPlayed;
    std::int64_t dealsPlayedWorse = 0;

    void Add(const AuditTotals& other) {
        for (int held = 0; held <= kHandSize; ++held) {
            chart[held] += other.chart[held];
            perfect[held] += other.perfect[held];
        }
        for (std::size_t line = 0; line < dealsPlayed.size(); ++line)
            dealsPlayed[line] += other.dealsPlayed[line];
        dealsPlayedWorse += other.dealsPlayedWorse;
    }
};

void AuditDeal(const StrategyChart& chart, const PaySums& sums, const SuitClass& deal,
               AuditTotals& totals) {
    const auto holdTotals = HoldTotals(sums, RanksOfSubsets(deal.set.cards));
    const unsigned best = BestHold(holdTotals);
    const ChartPlay play = chart.Play(deal.set.cards);
    const int held = HeldCount(play.hold);
    totals.chart[held] += static_cast<WideInt>(deal.weight) * holdTotals[play.hold];
    totals.perfect[HeldCount(best)] += static_cast<WideInt>(deal.weight) * holdTotals[best];
    totals.dealsPlayed[static_cast<std::size_t>(play.line)] += deal.weight;
    if (CompareHoldValues(holdTotals[play.hold], held, holdTotals[best], HeldCount(best)) < 0)
        totals.dealsPlayedWorse += deal.weight;
}

}  // namespace

ChartAudit AuditChart(const StrategyChart& chart, const PaySums& sums, unsigned threads) {
    const std::vector<SuitClass>& deals = sums.tables().DealClasses();
    const std::int64_t slices = std::max(1u, threads);
    std::vector<AuditTotals> partial(static_cast<std::size_t>(slices));
    for (auto& totals : partial) totals.dealsPlayed.assign(chart.Lines().size(), 0);
    ForEachSlice(slices, threads, [&](std::int64_t begin, std::int64_t end) {
        for (std::int64_t slice = begin; slice < end; ++slice)
            for (std::size_t d = static_cast<std::size_t>(slice); d < deals.size();
                 d += static_cast<std::size_t>(slices))
                AuditDeal(chart, sums, deals[d], partial[static_cast<std::size_t>(slice)]);
    });
    AuditTotals all = partial.front();
    for (std::size_t i = 1; i < partial.size(); ++i) all.Add(partial[i]);

    const WideInt divisor = WideInt{kDealCount} * sums.pays().unit;
    std::array<WideInt, kHandSize + 1> lost{};
    for (int held = 0; held <= kHandSize; ++held) lost[held] = all.perfect[held] - all.chart[held];
    ChartAudit audit;
    audit.chartReturn = OverAllDraws(all.chart, divisor);
    audit.perfectReturn = OverAllDraws(all.perfect, divisor);
    audit.cost = OverAllDraws(lost, divisor);
    audit.dealsPlayed = std::move(all.dealsPlayed);
    audit.dealsPlayedWorse = all.dealsPlayedWorse;
    return audit;
}

}  // namespace modcards::analysis
