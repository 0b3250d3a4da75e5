// Moves of a chart section's lines: placing, carving, merging and dropping.
#include "engine/analysis/ChartSearch.h"

#include <algorithm>
#include <bit>
#include <span>

#include "engine/analysis/ChartCarves.h"
#include "engine/analysis/Parallel.h"

namespace modcards::analysis {
namespace {

// The section's tables are indexed by ints (places, ids, cells, deals): one conversion.
template <class Index>
constexpr std::size_t At(Index i) {
    return static_cast<std::size_t>(i);
}

}  // namespace

SectionSearch::SectionSearch(const ChartSection& section, int deuces, unsigned threads)
    : s_(section), deuces_(deuces), threads_(threads) {
    for (const HoldPattern& base : s_.bases) {
        unsigned used = 0;
        for (int d = 0; d < kDetailCount; ++d)
            if (UsesDetail(base.kind, static_cast<HoldDetail>(d))) used |= 1u << d;
        detailsOfBase_.push_back(used);
    }
    StartWithOneLinePerBase();
}

int SectionSearch::PlayedCount() const {
    int count = 0;
    for (const Line& line : lines_) count += Played(line);
    return count;
}

double SectionSearch::Return() const {
    double total = 0;
    for (const double value : dealValue_) total += value;
    return total;
}

void SectionSearch::Reorder(int base) {
    for (int sweep = 0; sweep < 50; ++sweep) {
        bool moved = false;
        for (int place = 0; place < LineCount(); ++place) {
            const Line& line = lines_[At(place)];
            if (IsLast(place) || (base >= 0 && line.base != base && !Played(line))) continue;
            const Gathered gathered = Gather({line.id}, Gathering::KeptOnly);
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

SectionSearch::Likeliest SectionSearch::LikeliestCarve() const {
    Likeliest likeliest;
    for (int place = 0; place < LineCount(); ++place) {
        if (IsLast(place)) continue;
        const int id = lines_[At(place)].id;
        const double estimate = estimate_[At(id)];
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

Carve SectionSearch::BestCarveOf(int id, double minGain) {
    const int place = placeOfId_[At(id)];
    const Line& line = lines_[At(place)];
    const Gathered gathered = Gather({id});
    const std::vector<Part> parts = PartsToTry(line, gathered, minGain);
    // Parts are judged apart on the threads; ties go to the part listed first.
    const std::int64_t slices = std::max(1u, threads_);
    std::vector<Carve> bests(At(slices));
    ForEachSlice(slices, threads_, [&](std::int64_t begin, std::int64_t end) {
        for (std::int64_t slice = begin; slice < end; ++slice) {
            Carve& best = bests[At(slice)];
            const std::size_t first = parts.size() * At(slice) / slices;
            const auto slicedParts =
                std::span(parts).subspan(first, parts.size() * At(slice + 1) / slices - first);
            const std::vector<Placement> placed =
                JudgeCarves(gathered, place, LineCount(), slicedParts);
            for (std::size_t p = 0; p < slicedParts.size(); ++p)
                if (placed[p].gain > best.gain)
                    best = {placed[p].gain, place, slicedParts[p].ranges, placed[p].place};
        }
    });
    Carve best;
    for (const Carve& carve : bests)
        if (carve.gain > best.gain) best = carve;
    estimate_[At(id)] = best.gain;
    return best;
}

void SectionSearch::JudgeEveryLine(double minGain, const std::stop_token& stop) {
    Reorder();
    for (int place = 0; place < LineCount() && !stop.stop_requested(); ++place)
        if (!IsLast(place)) BestCarveOf(lines_[At(place)].id, minGain);
}

double SectionSearch::Apply(const Carve& carve) {
    const Line whole = lines_[At(carve.line)];
    std::vector<Line> lines;
    for (int place = 0; place <= LineCount(); ++place) {
        if (place == carve.place) lines.push_back(NewLine(whole.base, carve.part));
        if (place == LineCount()) break;
        if (place != carve.line) {
            lines.push_back(lines_[At(place)]);
            continue;
        }
        for (const Ranges& piece : Subtract(whole.ranges, carve.part))
            lines.push_back(NewLine(whole.base, piece));
    }
    return Rebuild(std::move(lines), whole.base);
}

Merge SectionSearch::CheapestMerge() const {
    Merge best;
    for (int first = 0; first < LineCount(); ++first) {
        if (IsLast(first) || !Played(lines_[At(first)])) continue;
        const Gathered alone = Gather({lines_[At(first)].id}, Gathering::KeptOnly);
        double dropGain = 0;
        for (std::size_t i = 0; i < alone.size(); ++i)
            dropGain += alone.otherValue[i] - alone.current[i];
        if (dropGain > best.gain) best = {dropGain, first, -1, 0};
        for (int second = first + 1; second < LineCount(); ++second) {
            if (!Neighbours(first, second)) continue;
            const Placement placed = MergeGain(first, second);
            if (placed.gain > best.gain) best = {placed.gain, first, second, placed.place};
        }
    }
    return best;
}

double SectionSearch::Apply(const Merge& merge) {
    const Line first = lines_[At(merge.first)];
    std::vector<Line> lines;
    for (int place = 0; place < LineCount(); ++place)
        if (place != merge.first && place != merge.second) lines.push_back(lines_[At(place)]);
    if (merge.second >= 0) {
        Ranges joined = first.ranges;
        const Ranges& other = lines_[At(merge.second)].ranges;
        for (int d = 0; d < kDetailCount; ++d)
            joined[d] = {std::min(joined[d].low, other[d].low),
                         std::max(joined[d].high, other[d].high)};
        lines.insert(lines.begin() + merge.place, NewLine(first.base, joined));
    }
    return Rebuild(std::move(lines), first.base);
}

bool SectionSearch::Covers(const Line& line, std::int32_t cell) const {
    if (s_.baseOfCell[At(cell)] != line.base) return false;
    const HoldPattern& pattern = Cell(cell);
    for (unsigned left = detailsOfBase_[At(line.base)]; left != 0; left &= left - 1) {
        const int d = std::countr_zero(left);
        if (pattern.details[d] < line.ranges[d].low || pattern.details[d] > line.ranges[d].high)
            return false;
    }
    return true;
}

SectionSearch::Line SectionSearch::NewLine(int base, const Ranges& ranges) {
    placeOfId_.push_back(-1);
    dealsOfId_.push_back(0);
    estimate_.push_back(std::numeric_limits<double>::infinity());
    return Line{static_cast<int>(placeOfId_.size()) - 1, base, ranges};
}

void SectionSearch::StartWithOneLinePerBase() {
    const HoldPattern last = LastLineOfSection(deuces_).pattern;
    std::vector<double> dealBest(At(s_.DealCount()), 0);
    for (const CellOption& option : s_.byCell) {
        double& best = dealBest[At(option.deal)];
        best = std::max(best, option.value);
    }
    std::vector<std::pair<double, int>> scored;
    for (int base = 0; base < static_cast<int>(s_.bases.size()); ++base) {
        if (SameBase(s_.bases[At(base)], last)) {
            lastBase_ = base;
            continue;
        }
        double closeness = 0;
        double offers = 0;
        for (const int cell : s_.cellsOfBase[At(base)]) {
            for (const CellOption& option : s_.OptionsOfCell(cell)) {
                const double best = dealBest[At(option.deal)];
                closeness += best > 0 ? option.value / best : 1;
                ++offers;
            }
        }
        scored.push_back({-closeness / offers, base});
    }
    std::sort(scored.begin(), scored.end());
    std::vector<Line> lines{NewLine(lastBase_, AllRanges())};
    for (const auto& [score, base] : scored) lines.push_back(NewLine(base, AllRanges()));
    idOfCell_.assign(s_.cells.size(), -1);
    placeOfCell_.assign(s_.cells.size(), -1);
    patternOfCell_.assign(s_.cells.size(), 0);
    stamp_.assign(At(s_.DealCount()), 0);
    slot_.assign(At(s_.DealCount()), 0);
    dealValue_.assign(At(s_.DealCount()), 0);
    dealId_.assign(At(s_.DealCount()), -1);
    lines_ = std::move(lines);
    Renumber();
    for (int base = 0; base < static_cast<int>(s_.bases.size()); ++base) CoverBase(base);
    for (std::int32_t deal = 0; deal < s_.DealCount(); ++deal) Replay(deal);
    Reorder();
}

void SectionSearch::Renumber() {
    for (int place = 0; place < LineCount(); ++place) placeOfId_[At(lines_[At(place)].id)] = place;
    for (std::size_t cell = 0; cell < idOfCell_.size(); ++cell)
        placeOfCell_[cell] = idOfCell_[cell] < 0 ? -1 : placeOfId_[At(idOfCell_[cell])];
}

void SectionSearch::CoverBase(int base) {
    for (const int cell : s_.cellsOfBase[At(base)]) {
        idOfCell_[At(cell)] = -1;
        placeOfCell_[At(cell)] = -1;
        for (const Line& line : lines_) {
            if (line.base == base && Covers(line, cell)) {
                idOfCell_[At(cell)] = line.id;
                placeOfCell_[At(cell)] = placeOfId_[At(line.id)];
                break;
            }
        }
    }
}

void SectionSearch::Replay(std::int32_t deal) {
    int place = kNoPlace;
    std::uint32_t key = 0;
    int id = -1;
    double value = 0;
    for (std::int64_t i = s_.dealStart[At(deal)]; i < s_.dealStart[At(deal) + 1]; ++i) {
        const PlayOption& option = s_.options[At(i)];
        const int at = PlaceOfCell(option.cell);
        if (at < 0 || at > place || (at == place && option.key < key)) continue;
        place = at;
        key = option.key;
        id = idOfCell_[At(option.cell)];
        value = option.value;
    }
    Play(deal, id, value);
}

void SectionSearch::Play(std::int32_t deal, int id, double value) {
    const auto at = At(deal);
    if (dealId_[at] >= 0) --dealsOfId_[At(dealId_[at])];
    dealId_[at] = id;
    dealValue_[at] = value;
    ++dealsOfId_[At(id)];
}

double SectionSearch::Rebuild(std::vector<Line> lines, int base) {
    lines_ = std::move(lines);
    Renumber();
    CoverBase(base);
    double change = 0;
    for (const int cell : s_.cellsOfBase[At(base)]) {
        for (const CellOption& option : s_.OptionsOfCell(cell)) {
            const double before = dealValue_[At(option.deal)];
            Replay(option.deal);
            change += dealValue_[At(option.deal)] - before;
        }
    }
    Reorder(base);
    return change;
}

void SectionSearch::ParkUnplayed() {
    std::vector<Line> parked;
    std::vector<Line> kept;
    for (const Line& line : lines_) (Played(line) ? kept : parked).push_back(line);
    kept.insert(kept.end(), parked.begin(), parked.end());
    lines_ = std::move(kept);
    Renumber();
}

Gathered SectionSearch::Gather(std::initializer_list<int> ids, Gathering what) const {
    const int base = lines_[At(placeOfId_[At(*ids.begin())])].base;
    GatheredPlaces set;
    std::transform(ids.begin(), ids.end(), set.places.begin(),
                   [this](int id) { return placeOfId_[At(id)]; });
    // Each deal once, with its options of these lines side by side.
    Gathered gathered;
    std::vector<PlayOption> picked;
    std::vector<std::int32_t> pickedDeal;
    // Room for every option at once: growing step by step copied the largest gathers often.
    std::size_t most = 0;
    for (const int cell : s_.cellsOfBase[At(base)])
        if (set.Holds(PlaceOfCell(cell))) most += s_.OptionsOfCell(cell).size();
    gathered.deals.reserve(most);
    gathered.optionStart.reserve(most + 1);
    if (what == Gathering::AllOptions) {
        picked.reserve(most);
        pickedDeal.reserve(most);
    } else {
        gathered.options.reserve(most);
        gathered.patternOf.reserve(most);
    }
    ++generation_;
    for (const int cell : s_.cellsOfBase[At(base)]) {
        if (!set.Holds(PlaceOfCell(cell))) continue;
        const auto pattern = static_cast<std::int32_t>(gathered.details.size());
        patternOfCell_[At(cell)] = pattern;
        gathered.details.push_back(Cell(cell).details);
        for (const CellOption& cellOption : s_.OptionsOfCell(cell)) {
            const auto deal = At(cellOption.deal);
            const PlayOption option{cell, cellOption.key, cellOption.value};
            const bool fresh = stamp_[deal] != generation_;
            if (fresh) {
                stamp_[deal] = generation_;
                slot_[deal] = static_cast<std::int32_t>(gathered.deals.size());
                gathered.deals.push_back(static_cast<std::int32_t>(deal));
                gathered.optionStart.push_back(0);
            }
            if (what == Gathering::AllOptions) {
                ++gathered.optionStart[At(slot_[deal]) + 1];
                picked.push_back(option);
                pickedDeal.push_back(cellOption.deal);
                continue;
            }
            // The first of the largest keys, as KeptFirst orders them.
            if (fresh) {
                gathered.options.push_back(option);
                gathered.patternOf.push_back(pattern);
            } else if (option.key > gathered.options[At(slot_[deal])].key) {
                gathered.options[At(slot_[deal])] = option;
                gathered.patternOf[At(slot_[deal])] = pattern;
            }
        }
    }
    if (what == Gathering::AllOptions) {
        for (std::size_t g = 1; g < gathered.optionStart.size(); ++g)
            gathered.optionStart[g] += gathered.optionStart[g - 1];
        gathered.options.resize(picked.size());
        gathered.patternOf.resize(picked.size());
        std::vector<std::size_t> next(gathered.optionStart.begin(), gathered.optionStart.end() - 1);
        for (std::size_t p = 0; p < picked.size(); ++p) {
            const auto slot = At(slot_[At(pickedDeal[p])]);
            const PlayOption& option = picked[p];
            gathered.patternOf[next[slot]] = patternOfCell_[At(option.cell)];
            gathered.options[next[slot]++] = option;
        }
        for (std::size_t slot = 0; slot < gathered.size(); ++slot) KeptFirst(gathered, slot);
    } else {
        for (std::size_t g = 1; g < gathered.optionStart.size(); ++g) gathered.optionStart[g] = g;
    }
    const std::size_t count = gathered.size();
    gathered.otherPlace.resize(count);
    gathered.otherId.resize(count);
    gathered.otherValue.resize(count);
    gathered.current.resize(count);
    const auto findOthers = [&](std::int64_t begin, std::int64_t end) {
        for (auto g = At(begin); g < At(end); ++g) FindOther(gathered, g, set);
    };
    // Below some thousands of deals, starting a thread costs more than it saves.
    constexpr std::size_t kDealsWorthThreads = 2048;
    if (count >= kDealsWorthThreads)
        ForEachSlice(static_cast<std::int64_t>(count), threads_, findOthers);
    else
        findOthers(0, static_cast<std::int64_t>(count));
    return gathered;
}

void SectionSearch::FindOther(Gathered& gathered, std::size_t slot,
                              const GatheredPlaces& set) const {
    const auto at = At(gathered.deals[slot]);
    int place = placeOfId_[At(dealId_[at])];
    int id = dealId_[at];
    double value = dealValue_[at];
    if (set.Holds(place)) {
        place = kNoPlace;
        id = -1;
        value = 0;
        std::uint32_t key = 0;
        for (std::int64_t i = s_.dealStart[at]; i < s_.dealStart[at + 1]; ++i) {
            const PlayOption& option = s_.options[At(i)];
            const int optionPlace = PlaceOfCell(option.cell);
            if (optionPlace < 0 || set.Holds(optionPlace) || optionPlace > place ||
                (optionPlace == place && option.key < key))
                continue;
            place = optionPlace;
            key = option.key;
            id = idOfCell_[At(option.cell)];
            value = option.value;
        }
    }
    gathered.otherPlace[slot] = place;
    gathered.otherId[slot] = id;
    gathered.otherValue[slot] = value;
    gathered.current[slot] = dealValue_[at];
}

void SectionSearch::KeptFirst(Gathered& gathered, std::size_t deal) {
    // A deal has a handful of options: an insertion sort, stable so that the first of equal keys
    // stays first.
    const std::size_t first = gathered.optionStart[deal];
    for (std::size_t o = first + 1; o < gathered.optionStart[deal + 1]; ++o)
        for (std::size_t k = o; k > first && gathered.options[k - 1].key < gathered.options[k].key;
             --k) {
            std::swap(gathered.options[k - 1], gathered.options[k]);
            std::swap(gathered.patternOf[k - 1], gathered.patternOf[k]);
        }
}

const PlayOption* SectionSearch::KeptOption(const Gathered& gathered, std::size_t deal) {
    return &gathered.options[gathered.optionStart[deal]];
}

Placement SectionSearch::Reinsert(const Gathered& gathered, int place) const {
    PlaceGains gains(LineCount() - 1);
    for (std::size_t i = 0; i < gathered.size(); ++i) {
        const int other = gathered.otherPlace[i];
        gains.Add(KeptOption(gathered, i)->value, other > place ? other - 1 : other,
                  gathered.otherValue[i], gathered.current[i]);
    }
    return gains.Best();
}

void SectionSearch::MoveLine(const Gathered& gathered, int from, int to) {
    const Line line = lines_[At(from)];
    lines_.erase(lines_.begin() + from);
    lines_.insert(lines_.begin() + to, line);
    Renumber();
    for (std::size_t i = 0; i < gathered.size(); ++i) {
        const int other = gathered.otherPlace[i];
        const int otherAfter = other == kNoPlace ? kNoPlace : placeOfId_[At(gathered.otherId[i])];
        if (to < otherAfter)
            Play(gathered.deals[i], line.id, KeptOption(gathered, i)->value);
        else
            Play(gathered.deals[i], gathered.otherId[i], gathered.otherValue[i]);
    }
}

std::vector<Part> SectionSearch::PartsToTry(const Line& line, const Gathered& gathered,
                                            double minGain) const {
    std::vector<std::vector<DetailRange>> halves(kDetailCount);
    const HoldKind kind = s_.bases[At(line.base)].kind;
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
            parts.push_back({line.ranges, 1u << d});
            parts.back().ranges[d] = half;
        }
    }
    if (UpperBound(gathered) < minGain) return parts;
    // Each set of values the line's holds take, alone: a penalty that pays only with two or
    // three other details pinned, which no carve of halves finds one step at a time.
    // The highest card thrown away is left to the halves: pinned, it would multiply the parts.
    unsigned used = 0;
    for (int d = 0; d < kDetailCount; ++d)
        if (d != kThrown && UsesDetail(kind, static_cast<HoldDetail>(d))) used |= 1u << d;
    std::vector<std::array<std::uint8_t, kDetailCount>> cells;
    for (const int cell : s_.cellsOfBase[At(line.base)]) {
        if (!Covers(line, cell)) continue;
        cells.push_back(Cell(cell).details);
        cells.back()[kThrown] = 0;
    }
    std::sort(cells.begin(), cells.end());
    cells.erase(std::unique(cells.begin(), cells.end()), cells.end());
    if (cells.size() > 1) {
        for (const auto& details : cells) {
            parts.push_back({line.ranges, used});
            for (int d = 0; d < kDetailCount; ++d)
                if (used & (1u << d)) parts.back().ranges[d] = {details[d], details[d]};
        }
    }
    for (int a = 0; a < kDetailCount; ++a)
        for (int b = a + 1; b < kDetailCount; ++b)
            for (const DetailRange& first : halves[a])
                for (const DetailRange& second : halves[b]) {
                    parts.push_back({line.ranges, 1u << a | 1u << b});
                    parts.back().ranges[a] = first;
                    parts.back().ranges[b] = second;
                }
    return parts;
}

double SectionSearch::UpperBound(const Gathered& gathered) const {
    double bound = 0;
    for (std::size_t i = 0; i < gathered.size(); ++i) {
        double best = kNone;
        for (std::size_t o = gathered.optionStart[i]; o < gathered.optionStart[i + 1]; ++o)
            best = std::max(best, gathered.options[o].value);
        bound += std::max(0.0, best - gathered.current[i]);
    }
    return bound;
}

std::vector<std::uint8_t> SectionSearch::ValuesOf(const Line& line, HoldDetail detail) const {
    std::vector<std::uint8_t> values;
    for (const int cell : s_.cellsOfBase[At(line.base)])
        if (Covers(line, cell)) values.push_back(Cell(cell).details[detail]);
    std::sort(values.begin(), values.end());
    values.erase(std::unique(values.begin(), values.end()), values.end());
    return values;
}

bool SectionSearch::Neighbours(int a, int b) const {
    const Line& first = lines_[At(a)];
    const Line& second = lines_[At(b)];
    if (first.base != second.base || !Played(second)) return false;
    Line joined = first;
    for (int d = 0; d < kDetailCount; ++d)
        joined.ranges[d] = {std::min(first.ranges[d].low, second.ranges[d].low),
                            std::max(first.ranges[d].high, second.ranges[d].high)};
    for (const int cell : s_.cellsOfBase[At(first.base)]) {
        const int id = idOfCell_[At(cell)];
        if (id != first.id && id != second.id && Covers(joined, cell)) return false;
    }
    return true;
}

Placement SectionSearch::MergeGain(int first, int second) const {
    const Gathered gathered =
        Gather({lines_[At(first)].id, lines_[At(second)].id}, Gathering::KeptOnly);
    PlaceGains gains(LineCount() - 2);
    for (std::size_t i = 0; i < gathered.size(); ++i) {
        const int other = gathered.otherPlace[i];
        const int remaining =
            other == kNoPlace ? other : other - (other > first) - (other > second);
        gains.Add(KeptOption(gathered, i)->value, remaining, gathered.otherValue[i],
                  gathered.current[i]);
    }
    return gains.Best();
}

}  // namespace modcards::analysis
