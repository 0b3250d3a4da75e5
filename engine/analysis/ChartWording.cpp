// A chart section made readable: lines no deal tells apart in the order a reader expects, and
// each line in as few words as keep every deal's play.
#include <algorithm>

#include "engine/analysis/ChartSearch.h"

namespace modcards::analysis {

void SectionSearch::Tidy() {
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

std::vector<ChartLine> SectionSearch::ChartLines() const {
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

bool SectionSearch::SamePlay(const Line& line, int place, const Ranges& ranges) const {
    const Line widened{line.id, line.base, ranges};
    for (const int cell : s_.cellsOfBase[static_cast<std::size_t>(line.base)]) {
        if (!Covers(widened, cell)) continue;
        const int at = PlaceOfCell(cell);
        const bool ownOrEarlier =
            at == place || (at >= 0 && at < place && Played(lines_[static_cast<std::size_t>(at)]));
        if (!ownOrEarlier) return false;
    }
    return true;
}

Ranges SectionSearch::FewestWords(const Line& line, int place) const {
    static constexpr std::array<HoldDetail, kDetailCount> kPreferred = {
        kMade, kAce, kTen, kGaps, kLowest, kSuitMates, kRunMates, kThrown};
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

bool SectionSearch::SharesDeal(const Line& upper, const Line& lower) const {
    for (const int cell : s_.cellsOfBase[static_cast<std::size_t>(lower.base)]) {
        if (idOfCell_[static_cast<std::size_t>(cell)] != lower.id) continue;
        for (const CellOption& option : s_.OptionsOfCell(cell))
            if (dealId_[static_cast<std::size_t>(option.deal)] == upper.id) return true;
    }
    return false;
}

}  // namespace modcards::analysis
