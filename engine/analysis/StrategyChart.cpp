// Playing a strategy chart on a deal, and naming a hold by the chart's words.
#include "engine/analysis/StrategyChart.h"

#include <algorithm>
#include <stdexcept>
#include <string_view>

#include "engine/analysis/Combinatorics.h"
#include "engine/analysis/Parallel.h"

namespace modcards::analysis {

namespace {

// "an ace", "a deuce", "a 7", "a king".
std::string CardWords(const Card& card) {
    static constexpr std::array<std::string_view, 14> kNames = {
        "",    "an ace", "a deuce", "a 3",   "a 4",    "a 5",     "a 6",
        "a 7", "an 8",   "a 9",     "a ten", "a jack", "a queen", "a king"};
    return std::string(kNames[static_cast<std::size_t>(card.Value)]);
}

// "a king", "a king and a 7", "a king, a 9 and a 7".
std::string KeptCardsText(const std::vector<Card>& cards) {
    std::string text;
    for (std::size_t i = 0; i < cards.size(); ++i) {
        if (i > 0) text += i + 1 == cards.size() ? " and " : ", ";
        text += CardWords(cards[i]);
    }
    return text;
}

void RequireSections(const std::vector<ChartLine>& lines) {
    int expected = kChartSections - 1;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int deuces = lines[i].deuces;
        if (deuces != expected)
            throw std::invalid_argument("chart sections must run from four deuces down to none");
        const bool last = i + 1 == lines.size() || lines[i + 1].deuces != deuces;
        if (last) {
            if (!(lines[i] == LastLineOfSection(deuces)))
                throw std::invalid_argument("each chart section must end with its deuces only");
            --expected;
        }
    }
    if (expected != -1) throw std::invalid_argument("a chart needs all five sections");
}

}  // namespace

StrategyChart::StrategyChart(std::vector<ChartLine> lines) : lines_(std::move(lines)) {
    RequireSections(lines_);
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const ChartLine& line = lines_[i];
        linesByKind_[static_cast<std::size_t>(line.deuces)]
                    [static_cast<std::size_t>(line.pattern.kind)]
                        .push_back(static_cast<int>(i));
    }
}

int StrategyChart::LineOfPattern(const HoldPattern& pattern, int deuces) const {
    for (const int line :
         linesByKind_[static_cast<std::size_t>(deuces)][static_cast<std::size_t>(pattern.kind)])
        if (lines_[static_cast<std::size_t>(line)].Covers(pattern, deuces)) return line;
    return -1;
}

ChartPlay StrategyChart::Play(const DealtIndices& dealt) const {
    return Play(dealt, ClassifyHolds(dealt));
}

ChartPlay StrategyChart::Play(const DealtIndices& dealt,
                              const std::array<HoldPattern, kHoldCount>& patterns) const {
    const int deuces = DeucesIn(dealt);
    std::array<int, kHoldCount> lineOf{};
    ChartPlay play{static_cast<int>(lines_.size()), 0};
    for (unsigned hold = 0; hold < kHoldCount; ++hold) {
        lineOf[hold] = LineOfPattern(patterns[hold], deuces);
        if (lineOf[hold] >= 0 && lineOf[hold] < play.line) play = {lineOf[hold], hold};
    }
    // Among the holds on the line played, the one a player keeps.
    std::uint32_t playedKey = PreferenceKey(dealt, play.hold, patterns[play.hold]);
    for (unsigned hold = play.hold + 1; hold < kHoldCount; ++hold) {
        if (lineOf[hold] != play.line) continue;
        const std::uint32_t key = PreferenceKey(dealt, hold, patterns[hold]);
        if (KeptFirst(dealt, hold, key, play.hold, playedKey)) {
            play.hold = hold;
            playedKey = key;
        }
    }
    return play;
}

ChartHandPlay StrategyChart::PlayHand(const Hand& dealt) const {
    const SortedDeal deal = SortDeal(dealt);
    const ChartPlay play = Play(deal.cards);
    return {play.line, SlotsOfHold(deal, play.hold)};
}

int StrategyChart::LineOfHold(const Hand& dealt, HoldMask keptSlots) const {
    const SortedDeal deal = SortDeal(dealt);
    return LineOfPattern(ClassifyHold(deal.cards, HoldOfSlots(deal, keptSlots)),
                         DeucesIn(deal.cards));
}

HoldName StrategyChart::NameHold(const Hand& dealt, HoldMask keptSlots) const {
    const SortedDeal deal = SortDeal(dealt);
    const unsigned hold = HoldOfSlots(deal, keptSlots);
    const int deuces = DeucesIn(deal.cards);
    const auto nameOf = [&](const HoldPattern& pattern) {
        const int line = LineOfPattern(pattern, deuces);
        return HoldName{
            line,
            line >= 0 ? lines_[static_cast<std::size_t>(line)].Text() : PatternText(pattern),
            {}};
    };
    const HoldPattern pattern = ClassifyHold(deal.cards, hold);
    if (pattern.kind != HoldKind::NoDraw) return nameOf(pattern);
    // The part with the most cards that makes a pattern, keeping every kept deuce; among parts
    // as large, the one the chart ranks first.
    unsigned deucesKept = 0;
    for (unsigned place = 0; place < kHandSize; ++place)
        if ((hold >> place & 1u) && CardOfIndex(deal.cards[place]).Value == kDeuce)
            deucesKept |= 1u << place;
    unsigned best = deucesKept;
    int bestLine = -1;
    for (unsigned part = hold; part != 0; part = (part - 1) & hold) {
        if (part == hold || (part & deucesKept) != deucesKept) continue;
        const HoldPattern partPattern = ClassifyHold(deal.cards, part);
        if (partPattern.kind == HoldKind::NoDraw) continue;
        const int line = LineOfPattern(partPattern, deuces);
        const bool larger = HeldCount(part) > HeldCount(best);
        const bool earlier =
            HeldCount(part) == HeldCount(best) && line >= 0 && (bestLine < 0 || line < bestLine);
        if (larger || earlier) {
            best = part;
            bestLine = line;
        }
    }
    HoldName name = nameOf(ClassifyHold(deal.cards, best));
    std::vector<Card> rest;
    for (unsigned place = 0; place < kHandSize; ++place)
        if ((hold & ~best) >> place & 1u) rest.push_back(CardOfIndex(deal.cards[place]));
    const auto high = [](const Card& card) { return card.Value == 1 ? 14 : card.Value; };
    std::stable_sort(rest.begin(), rest.end(),
                     [&](const Card& a, const Card& b) { return high(a) > high(b); });
    name.rest = ", plus " + KeptCardsText(rest);
    return name;
}

std::string StrategyChart::HoldText(const Hand& dealt, HoldMask keptSlots) const {
    const HoldName name = NameHold(dealt, keptSlots);
    return name.text + name.rest;
}

std::vector<std::uint8_t> ChartHoldsOfEveryDeal(const StrategyChart& chart, unsigned threads) {
    std::vector<std::uint8_t> holds(static_cast<std::size_t>(kDealCount));
    // Deals whose lowest card is `first` start at firstDeal[first] in lexicographic order.
    std::array<std::int64_t, kDeckSize + 1> firstDeal{};
    for (int first = 0; first < kDeckSize; ++first)
        firstDeal[first + 1] = firstDeal[first] + kBinomial(kDeckSize - 1 - first, kHandSize - 1);
    const auto playFrom = [&](int first) {
        std::int64_t at = firstDeal[first];
        DealtIndices deal{first, 0, 0, 0, 0};
        for (deal[1] = first + 1; deal[1] < kDeckSize; ++deal[1])
            for (deal[2] = deal[1] + 1; deal[2] < kDeckSize; ++deal[2])
                for (deal[3] = deal[2] + 1; deal[3] < kDeckSize; ++deal[3])
                    for (deal[4] = deal[3] + 1; deal[4] < kDeckSize; ++deal[4])
                        holds[static_cast<std::size_t>(at++)] =
                            static_cast<std::uint8_t>(chart.Play(deal).hold);
    };
    // Low first cards lead far more deals, so slice s takes every slices-th first card.
    const std::int64_t slices = std::max(1u, threads);
    ForEachSlice(slices, threads, [&](std::int64_t begin, std::int64_t end) {
        for (std::int64_t slice = begin; slice < end; ++slice)
            for (std::int64_t first = slice; first <= kDeckSize - kHandSize; first += slices)
                playFrom(static_cast<int>(first));
    });
    return holds;
}

}  // namespace modcards::analysis
