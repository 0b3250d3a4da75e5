// One line of a strategy chart: a hold pattern, perhaps narrowed by some of its details.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/analysis/HoldPatterns.h"

namespace modcards::analysis {

// A chart has one section for each number of deuces dealt, 0..4.
inline constexpr int kChartSections = 5;

// The values a detail may take, both ends included.
struct DetailRange {
    std::uint8_t low = 0;
    std::uint8_t high = 0;
    friend bool operator==(const DetailRange&, const DetailRange&) = default;
};

// Every value a detail can take: gaps 0-3, lowest card 1-14, ace and ten 0-1, suit mates 0-2,
// made hand 0-10.
DetailRange FullRange(HoldDetail detail);

struct ChartLine {
    int deuces = 0;       // the chart section: deuces dealt, 0..4
    HoldPattern pattern;  // kind and counts; its details are not read
    std::array<DetailRange, kDetailCount> ranges{
        FullRange(kGaps),      FullRange(kLowest), FullRange(kAce),      FullRange(kTen),
        FullRange(kSuitMates), FullRange(kMade),   FullRange(kRunMates), FullRange(kThrown)};

    // True when a hold of that pattern, dealt with `deuces` deuces, plays this line.
    bool Covers(const HoldPattern& hold, int dealtDeuces) const;

    // "Three to a straight flush, one gap, lowest card 5 or higher".
    std::string Text() const;

    // How many details the text names: a small royal draw named by its ranks ("jack and
    // queen") counts one for each set of ranks.
    int Words() const;

    // True when the text names the ranks of a small royal draw.
    bool NamesRanks() const;

    friend bool operator==(const ChartLine&, const ChartLine&) = default;
};

// The line every deal of a section can play: keep the deuces only, or discard everything.
ChartLine LastLineOfSection(int deuces);

// "Two deuces dealt", "No deuce dealt".
std::string SectionTitle(int deuces);

// How to read a chart, a sentence per entry, for whoever shows one.
std::vector<std::string> ChartReadingNotes();

}  // namespace modcards::analysis
