// A strategy chart: ranked hold patterns in sections by the deuces dealt. A deal is played by
// the first line of its section that one of its holds fits.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/Card.h"
#include "engine/analysis/ChartLine.h"
#include "engine/analysis/DealHolds.h"
#include "engine/analysis/HoldPatterns.h"

namespace modcards::analysis {

// What the chart does with one deal: the index of the line played (into Lines()) and the hold.
struct ChartPlay {
    int line = 0;
    unsigned hold = 0;  // mask over the ascending places of the deal
};

// What the chart does with a hand given in slot order.
struct ChartHandPlay {
    int line = 0;
    HoldMask keptSlots = 0;  // bit i set: keep slot i of the hand as given
};

// A hold in the chart's words. Kept cards that make no pattern together are named by their
// largest part that does, the others after it: "A pair" and ", plus a king".
struct HoldName {
    int line = -1;     // the line covering the hold or its named part; -1 for none
    std::string text;  // that line's text, or the pattern's own words when no line covers it
    std::string rest;  // ", plus a king and a 7" for cards kept beside the named part, or empty
};

// A plain value: playing it needs no analysis tables, so a window can hold and use one.
class StrategyChart {
public:
    // Lines in reading order: the sections for 4, 3, 2, 1 and 0 deuces, each present and
    // ending with LastLineOfSection. Throws std::invalid_argument otherwise.
    explicit StrategyChart(std::vector<ChartLine> lines);

    const std::vector<ChartLine>& Lines() const { return lines_; }

    // The line a deal plays, and its hold: among the holds fitting that line the one with the
    // higher cards, then the one leaving fewer cards of its suit (see KeptFirst).
    ChartPlay Play(const DealtIndices& dealt) const;
    ChartPlay Play(const DealtIndices& dealt,
                   const std::array<HoldPattern, kHoldCount>& patterns) const;

    // Play for five distinct cards in any order. Throws std::invalid_argument as SortDeal does.
    ChartHandPlay PlayHand(const Hand& dealt) const;

    // The line whose words name this hold of the hand (whether or not the chart plays it), or
    // -1 when no line of the hand's section covers it.
    int LineOfHold(const Hand& dealt, HoldMask keptSlots) const;

    // The hold in the chart's words (see HoldName).
    HoldName NameHold(const Hand& dealt, HoldMask keptSlots) const;

    // NameHold's text and rest together.
    std::string HoldText(const Hand& dealt, HoldMask keptSlots) const;

    // The line covering a pattern of a deal with `deuces` deuces, or -1.
    int LineOfPattern(const HoldPattern& pattern, int deuces) const;

private:
    std::vector<ChartLine> lines_;
    // For each section and hold kind, the lines that may cover it, in reading order.
    std::array<std::array<std::vector<int>, 13>, 5> linesByKind_;
};

// The chart's hold on every one of the 2,598,960 deals: one byte per deal, the deals in
// lexicographic order of their card codes c1 < ... < c5, bit i set when the card with the
// i-th lowest code is kept.
std::vector<std::uint8_t> ChartHoldsOfEveryDeal(const StrategyChart& chart, unsigned threads);

}  // namespace modcards::analysis
