// Replaying a chart over every deal and summing its exact value.
#include "engine/analysis/ChartAudit.h"

#include <algorithm>
#include <array>

#include "engine/analysis/DealHolds.h"
#include "engine/analysis/Parallel.h"

namespace modcards::analysis {

namespace {

// A hold's value as its total over its draws, compared exactly across numbers held.
struct HoldValue {
    std::int64_t total = 0;
    int held = 0;
    bool Below(const HoldValue& other) const {
        return CompareHoldValues(total, held, other.total, other.held) < 0;
    }
};

struct LineTotals {
    HoldValue lowest;
    HoldValue highest;
    std::size_t example = kNoDeal;  // the index of the first deal class playing the line
    static constexpr std::size_t kNoDeal = static_cast<std::size_t>(-1);

    void Add(const HoldValue& value, std::size_t deal) {
        if (example == kNoDeal || value.Below(lowest)) lowest = value;
        if (example == kNoDeal || highest.Below(value)) highest = value;
        example = std::min(example, deal);
    }
    void Add(const LineTotals& other) {
        if (other.example == kNoDeal) return;
        Add(other.lowest, other.example);
        Add(other.highest, other.example);
    }
};

struct AuditTotals {
    std::array<WideInt, kHandSize + 1> chart{};  // by cards held
    std::array<WideInt, kHandSize + 1> perfect{};
    std::vector<std::int64_t> dealsPlayed;
    std::vector<LineTotals> lines;
    std::int64_t dealsPlayedWorse = 0;

    void Add(const AuditTotals& other) {
        for (int held = 0; held <= kHandSize; ++held) {
            chart[held] += other.chart[held];
            perfect[held] += other.perfect[held];
        }
        for (std::size_t line = 0; line < dealsPlayed.size(); ++line)
            dealsPlayed[line] += other.dealsPlayed[line];
        for (std::size_t line = 0; line < lines.size(); ++line) lines[line].Add(other.lines[line]);
        dealsPlayedWorse += other.dealsPlayedWorse;
    }
};

void AuditDeal(const StrategyChart& chart, const PaySums& sums, const SuitClass& deal,
               std::size_t index, AuditTotals& totals) {
    const auto holdTotals = HoldTotals(sums, RanksOfSubsets(deal.set.cards));
    const unsigned best = BestHold(holdTotals);
    const ChartPlay play = chart.Play(deal.set.cards);
    const int held = HeldCount(play.hold);
    totals.chart[held] += static_cast<WideInt>(deal.weight) * holdTotals[play.hold];
    totals.perfect[HeldCount(best)] += static_cast<WideInt>(deal.weight) * holdTotals[best];
    totals.dealsPlayed[static_cast<std::size_t>(play.line)] += deal.weight;
    totals.lines[static_cast<std::size_t>(play.line)].Add({holdTotals[play.hold], held}, index);
    if (CompareHoldValues(holdTotals[play.hold], held, holdTotals[best], HeldCount(best)) < 0)
        totals.dealsPlayedWorse += deal.weight;
}

}  // namespace

ChartAudit AuditChart(const StrategyChart& chart, const PaySums& sums, unsigned threads) {
    const std::vector<SuitClass>& deals = sums.tables().DealClasses();
    const std::int64_t slices = std::max(1u, threads);
    std::vector<AuditTotals> partial(static_cast<std::size_t>(slices));
    for (auto& totals : partial) {
        totals.dealsPlayed.assign(chart.Lines().size(), 0);
        totals.lines.resize(chart.Lines().size());
    }
    ForEachSlice(slices, threads, [&](std::int64_t begin, std::int64_t end) {
        for (std::int64_t slice = begin; slice < end; ++slice)
            for (std::size_t d = static_cast<std::size_t>(slice); d < deals.size();
                 d += static_cast<std::size_t>(slices))
                AuditDeal(chart, sums, deals[d], d, partial[static_cast<std::size_t>(slice)]);
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
    const auto perUnitBet = [&](const HoldValue& value) {
        return Fraction::Of(value.total, WideInt{DrawCount(value.held)} * sums.pays().unit);
    };
    for (const LineTotals& line : all.lines) {
        LineWorth worth;
        if (line.example != LineTotals::kNoDeal) {
            worth = {perUnitBet(line.lowest), perUnitBet(line.highest),
                     deals[line.example].set.cards, true};
        }
        audit.worth.push_back(worth);
    }
    return audit;
}

}  // namespace modcards::analysis
