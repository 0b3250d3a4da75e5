// What a chart builder needs to know of every deal: for each hold pattern the deal offers,
// the hold a chart line of that pattern keeps and its share of the return.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <stop_token>
#include <vector>

#include "engine/analysis/ChartLine.h"
#include "engine/analysis/HoldPatterns.h"
#include "engine/analysis/PaySums.h"

namespace modcards::analysis {

// One way to play a deal: the hold a line covering `cell` keeps, among the deal's holds of
// that pattern.
struct PlayOption {
    std::int32_t cell = 0;  // the pattern, as an index into ChartSection::cells
    std::uint32_t key = 0;  // PreferenceKey: of two options on one line, the larger is kept
    double value = 0;       // expected pay x deals of the suit class / all deals
};

// A deal's option seen from its pattern's side.
struct CellOption {
    std::int32_t deal = 0;
    std::uint32_t key = 0;
    double value = 0;
};

// The deals with one number of deuces, one of each suit class.
struct ChartSection {
    std::vector<HoldPattern> cells;  // every pattern some deal offers
    std::vector<int> baseOfCell;     // index into bases
    std::vector<HoldPattern> bases;  // the patterns with their details cleared
    std::vector<std::vector<int>> cellsOfBase;
    std::vector<std::int64_t> dealStart;  // options of deal i: [dealStart[i], dealStart[i + 1])
    std::vector<double> dealShare;        // deals of the suit class / all deals
    std::vector<PlayOption> options;
    // The options again, grouped by cell and by deal within a cell: a search walks a line's
    // cells, and copies side by side cost it far fewer cache misses than indices into options.
    std::vector<std::int64_t> cellStart;  // options of cell c: [cellStart[c], cellStart[c + 1])
    std::vector<CellOption> byCell;
    double perfect = 0;  // this section's share of the perfect-play return

    std::int32_t DealCount() const { return static_cast<std::int32_t>(dealStart.size()) - 1; }
    std::span<const CellOption> OptionsOfCell(std::int32_t cell) const {
        const auto at = static_cast<std::size_t>(cell);
        return std::span(byCell).subspan(
            static_cast<std::size_t>(cellStart[at]),
            static_cast<std::size_t>(cellStart[at + 1] - cellStart[at]));
    }
};

// Sections for 0..4 deuces dealt.
using ChartSections = std::array<ChartSection, kChartSections>;

// The sections from one deal of each suit class; empty sections when a stop was requested of
// `stop`, within some thousands of deals.
ChartSections CollectChartSections(const PaySums& sums, unsigned threads,
                                   const std::stop_token& stop = {});

}  // namespace modcards::analysis
