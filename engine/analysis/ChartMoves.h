// What a chart search weighs: a line placed among others, a part carved out of a line, two
// lines merged, and the gain of each place a line may take.
#pragma once

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <limits>
#include <span>
#include <vector>

#include "engine/analysis/ChartLine.h"
#include "engine/analysis/ChartSamples.h"

namespace modcards::analysis {

// Smaller changes of return are the rounding of sums over thousands of deals, not play.
inline constexpr double kRounding = 1e-10;
inline constexpr int kNoPlace = std::numeric_limits<int>::max();
inline constexpr double kNone = -std::numeric_limits<double>::infinity();

using Ranges = std::array<DetailRange, kDetailCount>;

inline Ranges AllRanges() {
    Ranges ranges;
    for (int d = 0; d < kDetailCount; ++d) ranges[d] = FullRange(static_cast<HoldDetail>(d));
    return ranges;
}

struct Placement {
    int place = 0;
    double gain = kNone;
};

// The gain of inserting a line at each place 0..count among `count` others. A deal plays the
// inserted line when it comes no later than the first other line the deal makes; below the
// section's last line, which every deal makes, a line is never played.
class PlaceGains {
public:
    explicit PlaceGains(int count) : diff_(static_cast<std::size_t>(count) + 2) {}

    void Add(double inserted, int otherPlace, double other, double current) {
        constant_ += other - current;
        const int last = std::min(otherPlace, static_cast<int>(diff_.size()) - 2);
        diff_[0] += inserted - other;
        diff_[static_cast<std::size_t>(last) + 1] -= inserted - other;
    }

    Placement Best() const { return Best(constant_, diff_); }

    // The same for gains kept elsewhere: what every place gains, and how each place's gain
    // differs from the one before it (count + 2 of them, the last never read).
    static Placement Best(double constant, std::span<const double> diff) {
        Placement best;
        double running = constant;
        for (std::size_t place = 0; place + 1 < diff.size(); ++place) {
            running += diff[place];
            if (running > best.gain) best = {static_cast<int>(place), running};
        }
        return best;
    }

private:
    std::vector<double> diff_;
    double constant_ = 0;
};

// The deals that a set of lines can play: each with the set's options and the first line
// outside the set that the deal makes.
struct Gathered {
    std::vector<std::int32_t> deals;
    std::vector<int> otherPlace;
    std::vector<int> otherId;
    std::vector<double> otherValue;
    std::vector<double> current;  // what each deal's play is worth now, side by side
    std::vector<std::size_t> optionStart{0};
    std::vector<PlayOption> options;
    // Each option's pattern as an index into `details`, which holds each pattern once: a part
    // is tried on every pattern once, not on every option.
    std::vector<std::int32_t> patternOf;
    std::vector<std::array<std::uint8_t, kDetailCount>> details;

    std::size_t size() const { return deals.size(); }
};

// A part of a line: its ranges with some details narrowed.
struct Part {
    Ranges ranges{};
    unsigned narrowed = 0;  // bit d for each narrowed detail

    bool Holds(const std::array<std::uint8_t, kDetailCount>& details) const {
        for (unsigned left = narrowed; left != 0; left &= left - 1) {
            const int d = std::countr_zero(left);
            if (details[d] < ranges[d].low || details[d] > ranges[d].high) return false;
        }
        return true;
    }
};

// A part of a line moved to `place`; the rest of the line stays where the line is.
struct Carve {
    double gain = kNone;
    int line = 0;
    Ranges part{};
    int place = 0;
};

// Two lines joined at `place` among the rest, or (second < 0) the first line dropped.
struct Merge {
    double gain = kNone;
    int first = 0;
    int second = -1;
    int place = 0;
};

// The pieces of `whole` outside `part` (part lies inside whole), each a box of ranges.
inline std::vector<Ranges> Subtract(const Ranges& whole, const Ranges& part) {
    std::vector<Ranges> pieces;
    Ranges rest = whole;
    for (int d = 0; d < kDetailCount; ++d) {
        if (part[d] == whole[d]) continue;
        if (part[d].low > whole[d].low) {
            pieces.push_back(rest);
            pieces.back()[d] = {whole[d].low, static_cast<std::uint8_t>(part[d].low - 1)};
        }
        if (part[d].high < whole[d].high) {
            pieces.push_back(rest);
            pieces.back()[d] = {static_cast<std::uint8_t>(part[d].high + 1), whole[d].high};
        }
        rest[d] = part[d];
    }
    return pieces;
}

}  // namespace modcards::analysis
