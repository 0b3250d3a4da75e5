// The lines of one chart section, and every move that grows, orders and trims them, each judged
// by the exact change it makes to the return of the section's deals.
#pragma once

#include <array>
#include <initializer_list>
#include <stop_token>
#include <vector>

#include "engine/analysis/ChartLine.h"
#include "engine/analysis/ChartMoves.h"
#include "engine/analysis/ChartSamples.h"

namespace modcards::analysis {

// Lines in chart order, unplayed lines kept below the section's last line in case a part of
// them is worth writing. Lines have ids that stay when they move.
class SectionSearch {
public:
    SectionSearch(const ChartSection& section, int deuces, unsigned threads);

    // Lines some deal plays, and the last line: the lines a chart writes.
    int PlayedCount() const;

    // What the section's deals return played by the lines now, as a share of all deals.
    double Return() const;

    // Moves lines to their best places until none gains by moving. Given a base, unplayed
    // lines of other bases are left where they are: after a carve only that base's lines are
    // new, and a line that no deal plays seldom wins a place back.
    void Reorder(int base = -1);

    // The line whose best carve was last judged to gain most, that gain, and the next best
    // line's; a line never judged counts as gaining everything.
    struct Likeliest {
        int id = -1;
        double gain = kNone;
        double runnerUp = kNone;
    };
    Likeliest LikeliestCarve() const;

    // The best part to carve out of one line, judged now; it becomes the line's estimate.
    Carve BestCarveOf(int id, double minGain);

    // Every line placed afresh (unplayed ones too), then each line's best carve judged; a stop
    // leaves the lines not yet judged with their last judgement.
    void JudgeEveryLine(double minGain, const std::stop_token& stop = {});

    // The part becomes a line at its place; the rest of the carved line stays where it was.
    // Then lines move while any gains by moving. Returns the change of return the carve made
    // before they moved.
    double Apply(const Carve& carve);

    // The merge of two lines of one pattern, or the dropping of a line, that costs least.
    Merge CheapestMerge() const;

    // The two lines become one at the merge's place, or the dropped line goes. Then lines move
    // as after a carve; returns the change the merge made before they moved.
    double Apply(const Merge& merge);

    // Neighbouring lines that no deal tells apart swap into the order a reader expects, the
    // line worth more per deal first. No deal's play changes.
    void Tidy();

    // The written lines, each saying no more than it takes to name the holds it plays.
    std::vector<ChartLine> ChartLines() const;

private:
    struct Line {
        int id = 0;
        int base = 0;
        Ranges ranges = AllRanges();
    };

    int LineCount() const { return static_cast<int>(lines_.size()); }
    bool IsLast(int place) const {
        return lines_[static_cast<std::size_t>(place)].base == lastBase_;
    }
    bool Played(const Line& line) const {
        return line.base == lastBase_ || dealsOfId_[static_cast<std::size_t>(line.id)] > 0;
    }
    int PlaceOfCell(std::int32_t cell) const {
        return placeOfCell_[static_cast<std::size_t>(cell)];
    }
    const HoldPattern& Cell(std::int32_t cell) const {
        return s_.cells[static_cast<std::size_t>(cell)];
    }

    bool Covers(const Line& line, std::int32_t cell) const;

    Line NewLine(int base, const Ranges& ranges);

    // The last line, which every deal makes, then one unplayed line per other base: Reorder
    // places each, the likeliest first (how close its holds come to the best, on average).
    void StartWithOneLinePerBase();

    void Renumber();

    // Gives each cell of `base` the first line covering it.
    void CoverBase(int base);

    // Works out again which line a deal plays.
    void Replay(std::int32_t deal);

    void Play(std::int32_t deal, int id, double value);

    // New lines for one base: cells and deals of that base are worked out again, and lines
    // reordered. Returns the change of return before the reordering.
    double Rebuild(std::vector<Line> lines, int base);

    // Unplayed lines go below the last line, where they change nothing and no longer stand in
    // the way of a line that should move down.
    void ParkUnplayed();

    // Moving or merging lines needs only the option a line covering all of a deal's keeps;
    // carving needs them all.
    enum class Gathering { AllOptions, KeptOnly };
    Gathered Gather(std::initializer_list<int> ids, Gathering what = Gathering::AllOptions) const;

    // The places of the one or two lines gathered.
    struct GatheredPlaces {
        std::array<int, 2> places{kNoPlace, kNoPlace};
        bool Holds(int place) const { return place == places[0] || place == places[1]; }
    };

    // The first line outside the set that the deal in `slot` makes, and what its play is worth
    // now. Reads the search only: slots may be filled on several threads.
    void FindOther(Gathered& gathered, std::size_t slot, const GatheredPlaces& set) const;

    // Orders a gathered deal's options as a line keeps them: the largest key first.
    static void KeptFirst(Gathered& gathered, std::size_t deal);
    // The option a line covering all of them keeps.
    static const PlayOption* KeptOption(const Gathered& gathered, std::size_t deal);

    // The line at `place` taken out and put back at its best place among the others.
    Placement Reinsert(const Gathered& gathered, int place) const;

    void MoveLine(const Gathered& gathered, int from, int to);

    // The parts worth trying to carve out of a line: each half of one detail's values; for an
    // unplayed line that could gain enough, also each quarter cut by two details.
    std::vector<Part> PartsToTry(const Line& line, const Gathered& gathered, double minGain) const;

    // No part of a line can gain more than every deal taking the line's best option.
    double UpperBound(const Gathered& gathered) const;

    // The values of `detail` among the line's cells, ascending.
    std::vector<std::uint8_t> ValuesOf(const Line& line, HoldDetail detail) const;

    // Two played lines of one pattern whose smallest box of ranges holding both holds no hold
    // of another line: that box is again a line.
    bool Neighbours(int a, int b) const;

    // Both lines taken out and their union put at its best place among the others.
    Placement MergeGain(int first, int second) const;

    // True when deals that play the line at `place` (a deal playing an earlier line has its
    // cell covered by it) keep their play when the line covers the cells inside `ranges`.
    bool SamePlay(const Line& line, int place, const Ranges& ranges) const;

    // The line's ranges with as few details narrowed as keep every deal's play, each narrowed
    // range as wide as it may be; details are tried in the order a player reads them best.
    Ranges FewestWords(const Line& line, int place) const;

    // True when a deal that plays `upper` also makes `lower`.
    bool SharesDeal(const Line& upper, const Line& lower) const;

    const ChartSection& s_;
    int deuces_;
    unsigned threads_;
    int lastBase_ = -1;                    // the pattern of LastLineOfSection
    std::vector<unsigned> detailsOfBase_;  // bit d when the base's kind uses detail d
    std::vector<Line> lines_;              // in chart order; unplayed lines below the last line
    std::vector<int> placeOfId_;           // by line id
    std::vector<std::int64_t> dealsOfId_;
    std::vector<int> idOfCell_;     // the line covering each cell, -1 for none
    std::vector<int> placeOfCell_;  // that line's place, -1 for none
    std::vector<double> dealValue_;
    std::vector<int> dealId_;       // the line each deal plays
    std::vector<double> estimate_;  // by line id: the gain of its best carve when last judged
    // Scratch for Gather: a deal's slot among the gathered ones, valid when stamped.
    mutable std::vector<std::uint32_t> stamp_;
    mutable std::vector<std::int32_t> slot_;
    mutable std::vector<std::int32_t> patternOfCell_;  // a gathered cell's index in its patterns
    mutable std::uint32_t generation_ = 0;
};

}  // namespace modcards::analysis
