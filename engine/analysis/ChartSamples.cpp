// Gathering every deal's play options, one deal of each suit class, on a few threads.
#include "engine/analysis/ChartSamples.h"

#include <algorithm>
#include <unordered_map>

#include "engine/analysis/DealHolds.h"
#include "engine/analysis/Parallel.h"

namespace modcards::analysis {

namespace {

constexpr int kBaseBits = 13;

// A pattern in 33 bits: its base (kind and counts) below kBaseBits, its details above. A made
// hand counts as five cards kept whether its odd cards are or not (SameBase).
std::uint64_t PackPattern(const HoldPattern& p) {
    const std::uint64_t kept = p.kind == HoldKind::Made ? kHandSize : p.kept;
    return static_cast<std::uint64_t>(p.kind) | kept << 4 | std::uint64_t{p.deucesKept} << 7 |
           std::uint64_t{p.deucesThrown} << 10 | std::uint64_t{p.details[kGaps]} << 13 |
           std::uint64_t{p.details[kLowest]} << 15 | std::uint64_t{p.details[kAce]} << 19 |
           std::uint64_t{p.details[kTen]} << 20 | std::uint64_t{p.details[kSuitMates]} << 21 |
           std::uint64_t{p.details[kMade]} << 23 | std::uint64_t{p.details[kRunMates]} << 27 |
           std::uint64_t{p.details[kThrown]} << 29;
}

HoldPattern UnpackPattern(std::uint64_t code) {
    const auto bits = [code](int shift, int width) {
        return static_cast<std::uint8_t>((code >> shift) & ((1u << width) - 1));
    };
    HoldPattern pattern;
    pattern.kind = static_cast<HoldKind>(bits(0, 4));
    pattern.kept = bits(4, 3);
    pattern.deucesKept = bits(7, 3);
    pattern.deucesThrown = bits(10, 3);
    pattern.details = {bits(13, 2), bits(15, 4), bits(19, 1), bits(20, 1),
                       bits(21, 2), bits(23, 4), bits(27, 2), bits(29, 4)};
    return pattern;
}

// Options as a thread gathers them: cells hold packed patterns until the sections are joined.
struct RawSection {
    std::vector<std::int64_t> dealStart{0};
    std::vector<double> dealShare;
    std::vector<PlayOption> options;
    std::vector<std::uint64_t> codes;  // each option's packed pattern
    double perfect = 0;
};

void CollectDeal(const PaySums& sums, const SuitClass& deal, std::array<RawSection, 5>& raw) {
    const DealtIndices& cards = deal.set.cards;
    const auto patterns = ClassifyHolds(cards);
    const auto totals = HoldTotals(sums, RanksOfSubsets(cards));
    const double scale = static_cast<double>(deal.weight) / static_cast<double>(kDealCount) /
                         static_cast<double>(sums.pays().unit);
    RawSection& section = raw[static_cast<std::size_t>(DeucesIn(cards))];

    // The hold each pattern's line would keep: the first by KeptFirst among its holds.
    std::array<std::uint64_t, kHoldCount> codes{};
    std::array<unsigned, kHoldCount> kept{};
    std::array<std::uint32_t, kHoldCount> keys{};
    int count = 0;
    double best = 0;
    for (unsigned hold = 0; hold < kHoldCount; ++hold) {
        const double value = static_cast<double>(totals[hold]) /
                             static_cast<double>(DrawCount(HeldCount(hold))) * scale;
        best = std::max(best, value);
        const std::uint64_t code = PackPattern(patterns[hold]);
        const std::uint32_t key = PreferenceKey(cards, hold, patterns[hold]);
        int at = 0;
        while (at < count && codes[at] != code) ++at;
        if (at == count) {
            codes[count++] = code;
        } else if (!KeptFirst(cards, hold, key, kept[at], keys[at])) {
            continue;
        }
        kept[at] = hold;
        keys[at] = key;
    }
    for (int at = 0; at < count; ++at) {
        const unsigned hold = kept[at];
        const double value = static_cast<double>(totals[hold]) /
                             static_cast<double>(DrawCount(HeldCount(hold))) * scale;
        section.options.push_back({0, keys[at], value});
        section.codes.push_back(codes[at]);
    }
    section.dealStart.push_back(static_cast<std::int64_t>(section.options.size()));
    section.dealShare.push_back(static_cast<double>(deal.weight) / static_cast<double>(kDealCount));
    section.perfect += best;
}

// Joins the threads' options and numbers the patterns densely, bases first.
ChartSection JoinSection(std::vector<RawSection*> parts) {
    ChartSection section;
    std::unordered_map<std::uint64_t, std::int32_t> cellOfCode;
    std::unordered_map<std::uint64_t, int> baseOfCode;
    section.dealStart.push_back(0);
    for (RawSection* part : parts) {
        section.perfect += part->perfect;
        section.dealShare.insert(section.dealShare.end(), part->dealShare.begin(),
                                 part->dealShare.end());
        for (std::size_t deal = 0; deal + 1 < part->dealStart.size(); ++deal) {
            for (std::int64_t i = part->dealStart[deal]; i < part->dealStart[deal + 1]; ++i) {
                PlayOption option = part->options[static_cast<std::size_t>(i)];
                const std::uint64_t code = part->codes[static_cast<std::size_t>(i)];
                auto [cell, isNew] =
                    cellOfCode.emplace(code, static_cast<std::int32_t>(section.cells.size()));
                if (isNew) {
                    const HoldPattern pattern = UnpackPattern(code);
                    const std::uint64_t baseCode = code & ((1u << kBaseBits) - 1);
                    auto [base, newBase] =
                        baseOfCode.emplace(baseCode, static_cast<int>(section.bases.size()));
                    if (newBase) {
                        HoldPattern plain = pattern;
                        plain.details = {};
                        section.bases.push_back(plain);
                        section.cellsOfBase.emplace_back();
                    }
                    section.cells.push_back(pattern);
                    section.baseOfCell.push_back(base->second);
                    section.cellsOfBase[static_cast<std::size_t>(base->second)].push_back(
                        cell->second);
                }
                option.cell = cell->second;
                section.options.push_back(option);
            }
            section.dealStart.push_back(static_cast<std::int64_t>(section.options.size()));
        }
    }
    // A counting sort: cells' counts become their starts, then each deal's options are placed.
    section.cellStart.assign(section.cells.size() + 1, 0);
    for (const PlayOption& option : section.options)
        ++section.cellStart[static_cast<std::size_t>(option.cell) + 1];
    for (std::size_t c = 1; c < section.cellStart.size(); ++c)
        section.cellStart[c] += section.cellStart[c - 1];
    std::vector<std::int64_t> next(section.cellStart.begin(), section.cellStart.end() - 1);
    section.byCell.resize(section.options.size());
    for (std::int32_t deal = 0; deal < section.DealCount(); ++deal) {
        for (std::int64_t i = section.dealStart[static_cast<std::size_t>(deal)];
             i < section.dealStart[static_cast<std::size_t>(deal) + 1]; ++i) {
            const PlayOption& option = section.options[static_cast<std::size_t>(i)];
            std::int64_t& at = next[static_cast<std::size_t>(option.cell)];
            section.byCell[static_cast<std::size_t>(at++)] = {deal, option.key, option.value};
        }
    }
    return section;
}

}  // namespace

ChartSections CollectChartSections(const PaySums& sums, unsigned threads,
                                   const std::stop_token& stop) {
    const std::vector<SuitClass>& deals = sums.tables().DealClasses();
    const std::int64_t slices = std::max(1u, threads);
    std::vector<std::array<RawSection, kChartSections>> raw(static_cast<std::size_t>(slices));
    constexpr std::size_t kDealsBetweenStops = 4096;  // a few milliseconds
    ForEachSlice(slices, threads, [&](std::int64_t begin, std::int64_t end) {
        std::size_t collected = 0;
        for (std::int64_t slice = begin; slice < end; ++slice)
            for (std::size_t d = static_cast<std::size_t>(slice); d < deals.size();
                 d += static_cast<std::size_t>(slices)) {
                if (++collected % kDealsBetweenStops == 0 && stop.stop_requested()) return;
                CollectDeal(sums, deals[d], raw[static_cast<std::size_t>(slice)]);
            }
    });
    if (stop.stop_requested()) return {};
    ChartSections sections;
    ForEachInterleaved(kChartSections, threads, [&](std::int64_t s) {
        std::vector<RawSection*> parts;
        for (auto& slice : raw) parts.push_back(&slice[static_cast<std::size_t>(s)]);
        sections[static_cast<std::size_t>(s)] = JoinSection(parts);
    });
    return sections;
}

}  // namespace modcards::analysis
