// Growing a strategy chart: every move (a line placed, carved, merged or dropped) is judged by
// the exact change it makes to the return of its section's deals.
#include "engine/analysis/ChartBuilder.h"

#include <algorithm>
#include <limits>

#include "engine/analysis/ChartSamples.h"
#include "engine/analysis/Parallel.h"

namespace modcards::analysis {

namespace {

constexpr int kSections = 5;
// Smaller changes of return are the rounding of sums over thousands of deals, not play.
constexpr double kRounding = 1e-10;
constexpr int kNoPlace = std::numeric_limits<int>::max();
constexpr double kNone = -std::numeric_limits<double>::infinity();

using Ranges = std::array<DetailRange, kDetailCount>;

Ranges AllRanges() {
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

    // A deal the inserted line cannot play.
    void AddUnmoved(double other, double current) { constant_ += other - current; }

    Placement Best() const {
        Placement best;
        double running = constant_;
        for (std::size_t place = 0; place + 1 < diff_.size(); ++place) {
            running += diff_[place];
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
    std::vector<std::size_t> optionStart{0};
    std::vector<PlayOption> options;
    std::vector<std::array<std::uint8_t, kDetailCount>> details;  // of each option's pattern

    std::size_t size() const { return deals.size(); }
};

// A part of a line: its ranges with one or two details narrowed.
struct Part {
    Ranges ranges{};
    int first = -1;  // the narrowed details; -1 for none
    int second = -1;

    bool Holds(const std::array<std::uint8_t, kDetailCount>& details) const {
        return (first < 0 || (details[first] >= ranges[first].low &&
                              details[first] <= ranges[first].high)) &&
               (second < 0 || (details[second] >= ranges[second].low &&
                               details[second] <= ranges[second].high));
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
std::vector<Ranges> Subtract(const Ranges& whole, const Ranges& part) {
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

class SectionSearch {
public:
    SectionSearch(const ChartSection& section, int deuces, unsigned threads)
        : s_(section), deuces_(deuces), threads_(threads) {
        StartWithOneLinePerBase();
    }

    // Lines some deal plays, and the last line: the lines a chart writes.
    int PlayedCount() const {
        int count = 0;
        for (const Line& line : lines_) count += Played(line);
        return count;
    }

    // Moves lines to their best places until none gains by moving. Given a base, unplayed
    // lines of other bases are left where they are: after a carve only that base's lines are
    // new, and a line that no deal plays seldom wins a place back.
    void Reorder(int base = -1) {
        for (int sweep = 0; sweep < 50; ++sweep) {
            bool moved = false;
            for (int place = 0; place < LineCount(); ++place) {
                const Line& line = lines_[static_cast<std::size_t>(place)];
                if (IsLast(place) || (base >= 0 && line.base != base && !Played(line))) continue;
                const Gathered gathered = Gather({line.id});
                if (gathered.size() == 0) continue;
                const Placement best = Reinsert(gathered, place);
                if (best.gain <= kRounding || best.place == place) continue;
                MoveLine(gathered, place, best.place);
                moved = true;
            }
            ParkUnplayed();
            if (!moved) break;
        }
    }

    // The line whose best carve was last judged to gain most, that gain, and the next best
    // line's; a line never judged counts as gaining everything.
    struct Likeliest {
        int id = -1;
        double gain = kNone;
        double runnerUp = kNone;
    };
    Likeliest LikeliestCarve() const {
        Likeliest likeliest;
        for (int place = 0; place < LineCount(); ++place) {
            if (IsLast(place)) continue;
            const int id = lines_[static_cast<std::size_t>(place)].id;
            const double estimate = estimate_[static_cast<std::size_t>(id)];
            if (estimate > likeliest.gain) {
                likeliest.runnerUp = likeliest.gain;
                likeliest.id = id;
                likeliest.gain = estimate;
            } else {
                likeliest.runnerUp = std::max(likeliest.runnerUp, estimate);
            }
        }
        return likeliest;
    }

    // The best part to carve out of one line, judged now; it becomes the line's estimate.
    Carve BestCarveOf(int id, double minGain) {
        const int place = placeOfId_[static_cast<std::size_t>(id)];
        const Line& line = lines_[static_cast<std::size_t>(place)];
        const Gathered gathered = Gather({id});
        const std::vector<Part> parts = PartsToTry(line, gathered, minGain);
        // Parts are judged apart on the threads; ties go to the part listed first.
        const std::int64_t slices = std::max(1u, threads_);
        std::vector<Carve> bests(static_cast<std::size_t>(slices));
        ForEachSlice(slices, threads_, [&](std::int64_t begin, std::int64_t end) {
            for (std::int64_t slice = begin; slice < end; ++slice) {
                Carve& best = bests[static_cast<std::size_t>(slice)];
                for (auto p = static_cast<std::size_t>(parts.size() * slice / slices);
                     p < parts.size() * static_cast<std::size_t>(slice + 1) / slices; ++p) {
                    const Placement placed = CarveGain(gathered, place, parts[p]);
                    if (placed.gain > best.gain) best = {placed.gain, place, parts[p].ranges, placed.place};
                }
            }
        });
        Carve best;
        for (const Carve& carve : bests)
            if (carve.gain > best.gain) best = carve;
        estimate_[static_cast<std::size_t>(id)] = best.gain;
        return best;
    }

    void JudgeEveryLine(double minGain) {
        Reorder();
        for (int place = 0; place < LineCount(); ++place)
            if (!IsLast(place)) BestCarveOf(lines_[static_cast<std::size_t>(place)].id, minGain);
    }

    void Apply(const Carve& carve) {
        const Line whole = lines_[static_cast<std::size_t>(carve.line)];
        std::vector<Line> lines;
        for (int place = 0; place <= LineCount(); ++place) {
            if (place == carve.place) lines.push_back(NewLine(whole.base, carve.part));
            if (place == LineCount()) break;
            if (place != carve.line) {
                lines.push_back(lines_[static_cast<std::size_t>(place)]);
                continue;
            }
            for (const Ranges& piece : Subtract(whole.ranges, carve.part))
                lines.push_back(NewLine(whole.base, piece));
        }
        Rebuild(std::move(lines), whole.base);
    }

    // The merge of two lines of one pattern, or the dropping of a line, that costs least.
    Merge CheapestMerge() const {
        Merge best;
        for (int first = 0; first < LineCount(); ++first) {
            if (IsLast(first) || !Played(lines_[static_cast<std::size_t>(first)])) continue;
            const Gathered alone = Gather({lines_[static_cast<std::size_t>(first)].id});
            double dropGain = 0;
            for (std::size_t i = 0; i < alone.size(); ++i)
                dropGain += alone.otherValue[i] - dealValue_[static_cast<std::size_t>(alone.deals[i])];
            if (dropGain > best.gain) best = {dropGain, first, -1, 0};
            for (int second = first + 1; second < LineCount(); ++second) {
                if (!Neighbours(first, second)) continue;
                const Placement placed = MergeGain(first, second);
                if (placed.gain > best.gain) best = {placed.gain, first, second, placed.place};
            }
        }
        return best;
    }

    void Apply(const Merge& merge) {
        const Line first = lines_[static_cast<std::size_t>(merge.first)];
        std::vector<Line> lines;
        for (int place = 0; place < LineCount(); ++place)
            if (place != merge.first && place != merge.second)
                lines.push_back(lines_[static_cast<std::size_t>(place)]);
        if (merge.second >= 0) {
            Ranges joined = first.ranges;
            const Ranges& other = lines_[static_cast<std::size_t>(merge.second)].ranges;
            for (int d = 0; d < kDetailCount; ++d)
                joined[d] = {std::min(joined[d].low, other[d].low),
                             std::max(joined[d].high, other[d].high)};
            lines.insert(lines.begin() + merge.place, NewLine(first.base, joined));
        }
        Rebuild(std::move(lines), first.base);
    }

    // Neighbouring lines that no deal tells apart swap into the order a reader expects, the
    // line worth more per deal first. No deal's play changes.
    void Tidy() {
        ParkUnplayed();
        std::vector<double> worth(placeOfId_.size(), 0);
        std::vector<double> share(placeOfId_.size(), 0);
        for (std::size_t deal = 0; deal < dealId_.size(); ++deal) {
            worth[static_cast<std::size_t>(dealId_[deal])] += dealValue_[deal];
            share[static_cast<std::size_t>(dealId_[deal])] += s_.dealShare[deal];
        }
        for (std::size_t id = 0; id < worth.size(); ++id)
            if (share[id] > 0) worth[id] /= share[id];
        for (bool swapped = true; swapped;) {
            swapped = false;
            for (int place = 0; place + 1 < LineCount(); ++place) {
                const Line& upper = lines_[static_cast<std::size_t>(place)];
                const Line& lower = lines_[static_cast<std::size_t>(place) + 1];
                if (!Played(lower) || IsLast(place + 1) ||
                    worth[static_cast<std::size_t>(lower.id)] <=
                        worth[static_cast<std::size_t>(upper.id)] ||
                    SharesDeal(upper, lower))
                    continue;
                std::swap(lines_[static_cast<std::size_t>(place)],
                          lines_[static_cast<std::size_t>(place) + 1]);
                Renumber();
                swapped = true;
            }
        }
    }

    // The written lines, each saying no more than it takes to name the holds it plays.
    std::vector<ChartLine> ChartLines() const {
        std::vector<ChartLine> written;
        for (int place = 0; place < LineCount(); ++place) {
            const Line& line = lines_[static_cast<std::size_t>(place)];
            if (!Played(line)) continue;
            ChartLine chartLine;
            chartLine.deuces = deuces_;
            chartLine.pattern = s_.bases[static_cast<std::size_t>(line.base)];
            chartLine.ranges = FewestWords(line, place);
            written.push_back(chartLine);
        }
        return written;
    }

private:
    struct Line {
        int id = 0;
        int base = 0;
        Ranges ranges = AllRanges();
    };

    int LineCount() const { return static_cast<int>(lines_.size()); }
    bool IsLast(int place) const { return lines_[static_cast<std::size_t>(place)].base == lastBase_; }
    bool Played(const Line& line) const {
        return line.base == lastBase_ || dealsOfId_[static_cast<std::size_t>(line.id)] > 0;
    }
    int PlaceOfCell(std::int32_t cell) const {
        const int id = idOfCell_[static_cast<std::size_t>(cell)];
        return id < 0 ? -1 : placeOfId_[static_cast<std::size_t>(id)];
    }
    const HoldPattern& Cell(std::int32_t cell) const { return s_.cells[static_cast<std::size_t>(cell)]; }

    bool Covers(const Line& line, std::int32_t cell) const {
        if (s_.baseOfCell[static_cast<std::size_t>(cell)] != line.base) return false;
        const HoldPattern& pattern = Cell(cell);
        for (int d = 0; d < kDetailCount; ++d)
            if (UsesDetail(pattern.kind, static_cast<HoldDetail>(d)) &&
                (pattern.details[d] < line.ranges[d].low || pattern.details[d] > line.ranges[d].high))
                return false;
        return true;
    }

    Line NewLine(int base, const Ranges& ranges) {
        placeOfId_.push_back(-1);
        dealsOfId_.push_back(0);
        estimate_.push_back(std::numeric_limits<double>::infinity());
        return Line{static_cast<int>(placeOfId_.size()) - 1, base, ranges};
    }

    // The last line, which every deal makes, then one unplayed line per other base: Reorder
    // places each, the likeliest first (how close its holds come to the best, on average).
    void StartWithOneLinePerBase() {
        const HoldPattern last = LastLineOfSection(deuces_).pattern;
        std::vector<double> dealBest(static_cast<std::size_t>(s_.DealCount()), 0);
        for (std::size_t i = 0; i < s_.options.size(); ++i) {
            double& best = dealBest[static_cast<std::size_t>(s_.dealOfOption[i])];
            best = std::max(best, s_.options[i].value);
        }
        std::vector<std::pair<double, int>> scored;
        for (int base = 0; base < static_cast<int>(s_.bases.size()); ++base) {
            if (SameBase(s_.bases[static_cast<std::size_t>(base)], last)) {
                lastBase_ = base;
                continue;
            }
            double closeness = 0;
            double offers = 0;
            for (const int cell : s_.cellsOfBase[static_cast<std::size_t>(base)]) {
                for (const std::int64_t i : s_.optionsOfCell[static_cast<std::size_t>(cell)]) {
                    const double best = dealBest[static_cast<std::size_t>(s_.dealOfOption[i])];
                    closeness += best > 0 ? s_.options[static_cast<std::size_t>(i)].value / best : 1;
                    ++offers;
                }
            }
            scored.push_back({-closeness / offers, base});
        }
        std::sort(scored.begin(), scored.end());
        std::vector<Line> lines{NewLine(lastBase_, AllRanges())};
        for (const auto& [score, base] : scored) lines.push_back(NewLine(base, AllRanges()));
        idOfCell_.assign(s_.cells.size(), -1);
        stamp_.assign(static_cast<std::size_t>(s_.DealCount()), 0);
        slot_.assign(static_cast<std::size_t>(s_.DealCount()), 0);
        dealValue_.assign(static_cast<std::size_t>(s_.DealCount()), 0);
        dealId_.assign(static_cast<std::size_t>(s_.DealCount()), -1);
        lines_ = std::move(lines);
        Renumber();
        for (int base = 0; base < static_cast<int>(s_.bases.size()); ++base) CoverBase(base);
        for (std::int32_t deal = 0; deal < s_.DealCount(); ++deal) Replay(deal);
        Reorder();
    }

    void Renumber() {
        for (int place = 0; place < LineCount(); ++place)
            placeOfId_[static_cast<std::size_t>(lines_[static_cast<std::size_t>(place)].id)] = place;
    }

    // Gives each cell of `base` the first line covering it.
    void CoverBase(int base) {
        for (const int cell : s_.cellsOfBase[static_cast<std::size_t>(base)]) {
            idOfCell_[static_cast<std::size_t>(cell)] = -1;
            for (const Line& line : lines_) {
                if (line.base == base && Covers(line, cell)) {
                    idOfCell_[static_cast<std::size_t>(cell)] = line.id;
                    break;
                }
            }
        }
    }

    // Works out again which line a deal plays.
    void Replay(std::int32_t deal) {
        int place = kNoPlace;
        std::uint32_t key = 0;
        int id = -1;
        double value = 0;
        for (std::int64_t i = s_.dealStart[static_cast<std::size_t>(deal)];
             i < s_.dealStart[static_cast<std::size_t>(deal) + 1]; ++i) {
            const PlayOption& option = s_.options[static_cast<std::size_t>(i)];
            const int at = PlaceOfCell(option.cell);
            if (at < 0 || at > place || (at == place && option.key < key)) continue;
            place = at;
            key = option.key;
            id = idOfCell_[static_cast<std::size_t>(option.cell)];
            value = option.value;
        }
        Play(deal, id, value);
    }

    void Play(std::int32_t deal, int id, double value) {
        const auto at = static_cast<std::size_t>(deal);
        if (dealId_[at] >= 0) --dealsOfId_[static_cast<std::size_t>(dealId_[at])];
        dealId_[at] = id;
        dealValue_[at] = value;
        ++dealsOfId_[static_cast<std::size_t>(id)];
    }

    // New lines for one base: cells and deals of that base are worked out again.
    void Rebuild(std::vector<Line> lines, int base) {
        lines_ = std::move(lines);
        Renumber();
        CoverBase(base);
        for (const int cell : s_.cellsOfBase[static_cast<std::size_t>(base)])
            for (const std::int64_t i : s_.optionsOfCell[static_cast<std::size_t>(cell)])
                Replay(s_.dealOfOption[static_cast<std::size_t>(i)]);
        Reorder(base);
    }

    // Unplayed lines go below the last line, where they change nothing and no longer stand in
    // the way of a line that should move down.
    void ParkUnplayed() {
        std::vector<Line> parked;
        std::vector<Line> kept;
        for (const Line& line : lines_) (Played(line) ? kept : parked).push_back(line);
        kept.insert(kept.end(), parked.begin(), parked.end());
        lines_ = std::move(kept);
        Renumber();
    }

    Gathered Gather(std::initializer_list<int> ids) const {
        const auto inSet = [&ids](int id) {
            return std::find(ids.begin(), ids.end(), id) != ids.end();
        };
        const int base =
            lines_[static_cast<std::size_t>(placeOfId_[static_cast<std::size_t>(*ids.begin())])].base;
        // Each deal once, with its options of these lines side by side.
        Gathered gathered;
        std::vector<std::int64_t> picked;
        ++generation_;
        for (const int cell : s_.cellsOfBase[static_cast<std::size_t>(base)]) {
            if (!inSet(idOfCell_[static_cast<std::size_t>(cell)])) continue;
            for (const std::int64_t i : s_.optionsOfCell[static_cast<std::size_t>(cell)]) {
                const auto deal = static_cast<std::size_t>(s_.dealOfOption[static_cast<std::size_t>(i)]);
                if (stamp_[deal] != generation_) {
                    stamp_[deal] = generation_;
                    slot_[deal] = static_cast<std::int32_t>(gathered.deals.size());
                    gathered.deals.push_back(static_cast<std::int32_t>(deal));
                    gathered.optionStart.push_back(0);
                }
                ++gathered.optionStart[static_cast<std::size_t>(slot_[deal]) + 1];
                picked.push_back(i);
            }
        }
        for (std::size_t g = 1; g < gathered.optionStart.size(); ++g)
            gathered.optionStart[g] += gathered.optionStart[g - 1];
        gathered.options.resize(picked.size());
        gathered.details.resize(picked.size());
        std::vector<std::size_t> next(gathered.optionStart.begin(), gathered.optionStart.end() - 1);
        for (const std::int64_t i : picked) {
            const auto slot = static_cast<std::size_t>(
                slot_[static_cast<std::size_t>(s_.dealOfOption[static_cast<std::size_t>(i)])]);
            const PlayOption& option = s_.options[static_cast<std::size_t>(i)];
            gathered.details[next[slot]] = Cell(option.cell).details;
            gathered.options[next[slot]++] = option;
        }
        for (const std::int32_t deal : gathered.deals) AddDeal(gathered, deal, inSet);
        return gathered;
    }

    template <typename InSet>
    void AddDeal(Gathered& gathered, std::int32_t deal, const InSet& inSet) const {
        const auto at = static_cast<std::size_t>(deal);
        int place = kNoPlace;
        int id = -1;
        double value = 0;
        if (!inSet(dealId_[at])) {
            id = dealId_[at];
            place = placeOfId_[static_cast<std::size_t>(id)];
            value = dealValue_[at];
        } else {
            std::uint32_t key = 0;
            for (std::int64_t i = s_.dealStart[at]; i < s_.dealStart[at + 1]; ++i) {
                const PlayOption& option = s_.options[static_cast<std::size_t>(i)];
                const int optionId = idOfCell_[static_cast<std::size_t>(option.cell)];
                if (optionId < 0 || inSet(optionId)) continue;
                const int optionPlace = placeOfId_[static_cast<std::size_t>(optionId)];
                if (optionPlace > place || (optionPlace == place && option.key < key)) continue;
                place = optionPlace;
                key = option.key;
                id = optionId;
                value = option.value;
            }
        }
        gathered.otherPlace.push_back(place);
        gathered.otherId.push_back(id);
        gathered.otherValue.push_back(value);
    }

    static const PlayOption* KeptOption(const Gathered& gathered, std::size_t deal) {
        const PlayOption* kept = nullptr;
        for (std::size_t o = gathered.optionStart[deal]; o < gathered.optionStart[deal + 1]; ++o)
            if (!kept || gathered.options[o].key > kept->key) kept = &gathered.options[o];
        return kept;
    }

    // The line at `place` taken out and put back at its best place among the others.
    Placement Reinsert(const Gathered& gathered, int place) const {
        PlaceGains gains(LineCount() - 1);
        for (std::size_t i = 0; i < gathered.size(); ++i) {
            const int other = gathered.otherPlace[i];
            gains.Add(KeptOption(gathered, i)->value, other > place ? other - 1 : other,
                      gathered.otherValue[i], dealValue_[static_cast<std::size_t>(gathered.deals[i])]);
        }
        return gains.Best();
    }

    void MoveLine(const Gathered& gathered, int from, int to) {
        const Line line = lines_[static_cast<std::size_t>(from)];
        lines_.erase(lines_.begin() + from);
        lines_.insert(lines_.begin() + to, line);
        Renumber();
        for (std::size_t i = 0; i < gathered.size(); ++i) {
            const int other = gathered.otherPlace[i];
            const int otherAfter = other == kNoPlace ? kNoPlace : placeOfId_[static_cast<std::size_t>(gathered.otherId[i])];
            if (to < otherAfter)
                Play(gathered.deals[i], line.id, KeptOption(gathered, i)->value);
            else
                Play(gathered.deals[i], gathered.otherId[i], gathered.otherValue[i]);
        }
    }

    // The parts worth trying to carve out of a line: each half of one detail's values; for an
    // unplayed line that could gain enough, also each quarter cut by two details.
    std::vector<Part> PartsToTry(const Line& line, const Gathered& gathered, double minGain) const {
        std::vector<std::vector<DetailRange>> halves(kDetailCount);
        const HoldKind kind = s_.bases[static_cast<std::size_t>(line.base)].kind;
        for (int d = 0; d < kDetailCount; ++d) {
            if (!UsesDetail(kind, static_cast<HoldDetail>(d))) continue;
            const std::vector<std::uint8_t> values = ValuesOf(line, static_cast<HoldDetail>(d));
            for (std::size_t v = 0; v + 1 < values.size(); ++v) {
                halves[d].push_back({line.ranges[d].low, values[v]});
                halves[d].push_back({values[v + 1], line.ranges[d].high});
            }
        }
        std::vector<Part> parts;
        for (int d = 0; d < kDetailCount; ++d) {
            for (const DetailRange& half : halves[d]) {
                parts.push_back({line.ranges, d});
                parts.back().ranges[d] = half;
            }
        }
        if (Played(line) || UpperBound(gathered) < minGain) return parts;
        for (int a = 0; a < kDetailCount; ++a)
            for (int b = a + 1; b < kDetailCount; ++b)
                for (const DetailRange& first : halves[a])
                    for (const DetailRange& second : halves[b]) {
                        parts.push_back({line.ranges, a, b});
                        parts.back().ranges[a] = first;
                        parts.back().ranges[b] = second;
                    }
        return parts;
    }

    // No part of a line can gain more than every deal taking the line's best option.
    double UpperBound(const Gathered& gathered) const {
        double bound = 0;
        for (std::size_t i = 0; i < gathered.size(); ++i) {
            double best = kNone;
            for (std::size_t o = gathered.optionStart[i]; o < gathered.optionStart[i + 1]; ++o)
                best = std::max(best, gathered.options[o].value);
            bound += std::max(0.0, best - dealValue_[static_cast<std::size_t>(gathered.deals[i])]);
        }
        return bound;
    }

    // The part moves to its best place; the rest of the line stays at `place`.
    Placement CarveGain(const Gathered& gathered, int place, const Part& part) const {
        PlaceGains gains(LineCount());
        for (std::size_t i = 0; i < gathered.size(); ++i) {
            const PlayOption* moving = nullptr;
            const PlayOption* staying = nullptr;
            for (std::size_t o = gathered.optionStart[i]; o < gathered.optionStart[i + 1]; ++o) {
                const PlayOption* option = &gathered.options[o];
                const PlayOption*& side = part.Holds(gathered.details[o]) ? moving : staying;
                if (!side || option->key > side->key) side = option;
            }
            int otherPlace = gathered.otherPlace[i];
            double otherValue = gathered.otherValue[i];
            if (staying && place < otherPlace) {
                otherPlace = place;
                otherValue = staying->value;
            }
            const double current = dealValue_[static_cast<std::size_t>(gathered.deals[i])];
            if (moving)
                gains.Add(moving->value, otherPlace, otherValue, current);
            else
                gains.AddUnmoved(otherValue, current);
        }
        return gains.Best();
    }

    // The values of `detail` among the line's cells, ascending.
    std::vector<std::uint8_t> ValuesOf(const Line& line, HoldDetail detail) const {
        std::vector<std::uint8_t> values;
        for (const int cell : s_.cellsOfBase[static_cast<std::size_t>(line.base)])
            if (Covers(line, cell)) values.push_back(Cell(cell).details[detail]);
        std::sort(values.begin(), values.end());
        values.erase(std::unique(values.begin(), values.end()), values.end());
        return values;
    }

    // Two played lines of one pattern that differ in one detail only, with no line of that
    // pattern between their ranges of it: their union is again a line.
    bool Neighbours(int a, int b) const {
        const Line& first = lines_[static_cast<std::size_t>(a)];
        const Line& second = lines_[static_cast<std::size_t>(b)];
        if (first.base != second.base || !Played(second)) return false;
        int differing = -1;
        for (int d = 0; d < kDetailCount; ++d) {
            if (first.ranges[d] == second.ranges[d]) continue;
            if (differing >= 0) return false;
            differing = d;
        }
        if (differing < 0) return false;
        const DetailRange joined{
            std::min(first.ranges[differing].low, second.ranges[differing].low),
            std::max(first.ranges[differing].high, second.ranges[differing].high)};
        for (const Line& line : lines_) {
            if (line.id == first.id || line.id == second.id || line.base != first.base) continue;
            bool sameElsewhere = true;
            for (int d = 0; d < kDetailCount; ++d)
                sameElsewhere = sameElsewhere && (d == differing || line.ranges[d] == first.ranges[d]);
            if (sameElsewhere && line.ranges[differing].low <= joined.high &&
                line.ranges[differing].high >= joined.low)
                return false;
        }
        return true;
    }

    // Both lines taken out and their union put at its best place among the others.
    Placement MergeGain(int first, int second) const {
        const Gathered gathered =
            Gather({lines_[static_cast<std::size_t>(first)].id, lines_[static_cast<std::size_t>(second)].id});
        PlaceGains gains(LineCount() - 2);
        for (std::size_t i = 0; i < gathered.size(); ++i) {
            const int other = gathered.otherPlace[i];
            const int remaining = other == kNoPlace ? other : other - (other > first) - (other > second);
            gains.Add(KeptOption(gathered, i)->value, remaining, gathered.otherValue[i],
                      dealValue_[static_cast<std::size_t>(gathered.deals[i])]);
        }
        return gains.Best();
    }

    // True when deals that play the line at `place` (a deal playing an earlier line has its
    // cell covered by it) keep their play when the line covers the cells inside `ranges`.
    bool SamePlay(const Line& line, int place, const Ranges& ranges) const {
        const Line widened{line.id, line.base, ranges};
        for (const int cell : s_.cellsOfBase[static_cast<std::size_t>(line.base)]) {
            if (!Covers(widened, cell)) continue;
            const int at = PlaceOfCell(cell);
            const bool ownOrEarlier =
                at == place ||
                (at >= 0 && at < place && Played(lines_[static_cast<std::size_t>(at)]));
            if (!ownOrEarlier) return false;
        }
        return true;
    }

    // The line's ranges with as few details narrowed as keep every deal's play, each narrowed
    // range as wide as it may be; details are tried in the order a player reads them best.
    Ranges FewestWords(const Line& line, int place) const {
        static constexpr std::array<HoldDetail, kDetailCount> kPreferred = {
            kAce, kTen, kGaps, kLowest, kSuitMates};
        Ranges tight = AllRanges();
        for (const HoldDetail detail : kPreferred) {
            const std::vector<std::uint8_t> values = ValuesOf(line, detail);
            if (!values.empty()) tight[detail] = {values.front(), values.back()};
        }
        const HoldKind kind = s_.bases[static_cast<std::size_t>(line.base)].kind;
        Ranges best = line.ranges;
        int bestWords = 2 * kDetailCount + 2;
        for (unsigned kept = 0; kept < (1u << kDetailCount); ++kept) {
            Ranges ranges = AllRanges();
            for (int i = 0; i < kDetailCount; ++i)
                if (kept & (1u << i)) ranges[kPreferred[i]] = tight[kPreferred[i]];
            if (!SamePlay(line, place, ranges)) continue;
            // Named royal ranks read plainest: they win a tie of words.
            const auto words = [&](const Ranges& r) {
                ChartLine written;
                written.pattern = s_.bases[static_cast<std::size_t>(line.base)];
                written.ranges = r;
                return 2 * written.Words() - (written.NamesRanks() ? 1 : 0);
            };
            // Open-ended reads easier, unless it names more ranks.
            for (const HoldDetail detail : kPreferred) {
                if (!UsesDetail(kind, detail) || ranges[detail] == FullRange(detail)) continue;
                for (const bool low : {true, false}) {
                    Ranges open = ranges;
                    (low ? open[detail].low : open[detail].high) =
                        low ? FullRange(detail).low : FullRange(detail).high;
                    if (words(open) <= words(ranges) && SamePlay(line, place, open)) ranges = open;
                }
            }
            if (words(ranges) >= bestWords) continue;
            const int count = words(ranges);
            best = ranges;
            bestWords = count;
        }
        return best;
    }

    // True when a deal that plays `upper` also makes `lower`.
    bool SharesDeal(const Line& upper, const Line& lower) const {
        for (const int cell : s_.cellsOfBase[static_cast<std::size_t>(lower.base)]) {
            if (idOfCell_[static_cast<std::size_t>(cell)] != lower.id) continue;
            for (const std::int64_t i : s_.optionsOfCell[static_cast<std::size_t>(cell)])
                if (dealId_[static_cast<std::size_t>(s_.dealOfOption[static_cast<std::size_t>(i)])] == upper.id)
                    return true;
        }
        return false;
    }

    const ChartSection& s_;
    int deuces_;
    unsigned threads_;
    int lastBase_ = -1;            // the pattern of LastLineOfSection
    std::vector<Line> lines_;      // in chart order; unplayed lines below the last line
    std::vector<int> placeOfId_;   // by line id
    std::vector<std::int64_t> dealsOfId_;
    std::vector<int> idOfCell_;    // the line covering each cell, -1 for none
    std::vector<double> dealValue_;
    std::vector<int> dealId_;      // the line each deal plays
    std::vector<double> estimate_;  // by line id: the gain of its best carve when last judged
    // Scratch for Gather: a deal's slot among the gathered ones, valid when stamped.
    mutable std::vector<std::uint32_t> stamp_;
    mutable std::vector<std::int32_t> slot_;
    mutable std::uint32_t generation_ = 0;
};

int WrittenLines(const std::vector<SectionSearch>& searches) {
    int total = 0;
    for (const auto& search : searches) total += search.PlayedCount();
    return total;
}

template <typename Move>
std::size_t BestOf(const std::vector<Move>& moves) {
    return static_cast<std::size_t>(
        std::max_element(moves.begin(), moves.end(),
                         [](const Move& a, const Move& b) { return a.gain < b.gain; }) -
        moves.begin());
}

// Carves lines while the goal allows. Judging every line after every carve would take long, so
// each line keeps the gain its best carve had when last judged: the line judged best is judged
// again, and carved if it still beats every other line's last judgement. Before giving up,
// every line is judged afresh.
void GrowLines(std::vector<SectionSearch>& searches, const ChartGoal& goal) {
    bool fresh = false;
    while (WrittenLines(searches) < goal.maxLines) {
        std::size_t section = 0;
        SectionSearch::Likeliest best;
        double runnerUp = kNone;
        for (std::size_t s = 0; s < searches.size(); ++s) {
            const auto likeliest = searches[s].LikeliestCarve();
            if (likeliest.gain > best.gain) {
                runnerUp = std::max({runnerUp, best.gain, likeliest.runnerUp});
                best = likeliest;
                section = s;
            } else {
                runnerUp = std::max(runnerUp, likeliest.gain);
            }
        }
        if (best.gain < goal.minGain) {
            if (fresh) return;
            for (auto& search : searches) search.JudgeEveryLine(goal.minGain);
            fresh = true;
            continue;
        }
        const Carve carve = searches[section].BestCarveOf(best.id, goal.minGain);
        if (carve.gain < goal.minGain || carve.gain < runnerUp) continue;
        searches[section].Apply(carve);
        fresh = false;
    }
}

}  // namespace

StrategyChart BuildChart(const PaySums& sums, const ChartGoal& goal) {
    const std::array<ChartSection, kSections> sections = CollectChartSections(sums, goal.threads);
    std::vector<SectionSearch> searches;
    for (int deuces = 0; deuces < kSections; ++deuces)
        searches.emplace_back(sections[static_cast<std::size_t>(deuces)], deuces, goal.threads);

    GrowLines(searches, goal);
    while (true) {
        std::vector<Merge> merges;
        for (const auto& search : searches) merges.push_back(search.CheapestMerge());
        const std::size_t section = BestOf(merges);
        if (merges[section].gain < -goal.mergeCost && WrittenLines(searches) <= goal.maxLines)
            break;
        searches[section].Apply(merges[section]);
    }

    std::vector<ChartLine> lines;
    for (int deuces = kSections - 1; deuces >= 0; --deuces) {
        searches[static_cast<std::size_t>(deuces)].Tidy();
        const auto section = searches[static_cast<std::size_t>(deuces)].ChartLines();
        lines.insert(lines.end(), section.begin(), section.end());
    }
    return StrategyChart(std::move(lines));
}

}  // namespace modcards::analysis
