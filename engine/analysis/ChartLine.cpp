// Chart lines: which holds they cover and how they read.
#include "engine/analysis/ChartLine.h"

#include <cctype>
#include <string_view>
#include <vector>

#include "engine/HandNames.h"

namespace modcards::analysis {

namespace {

std::string RankName(int value) {
    static constexpr std::array<std::string_view, 15> kNames = {
        "", "ace", "2", "3", "4", "5", "6", "7", "8", "9", "ten", "jack", "queen", "king", "ace"};
    return std::string(kNames[static_cast<std::size_t>(value)]);
}

bool Within(DetailRange range, int value) {
    return value >= range.low && value <= range.high;
}

std::string CountedText(int count, std::string_view one, std::string_view many) {
    static constexpr std::array<std::string_view, 4> kWords = {"no", "one", "two", "three"};
    return std::string(kWords[static_cast<std::size_t>(count)]) + " " +
           std::string(count == 1 ? one : many);
}

std::string GapsText(DetailRange range) {
    if (range.low == range.high)
        return range.low == 0 ? "consecutive" : CountedText(range.low, "gap", "gaps");
    if (range.low == 0) return "at most " + CountedText(range.high, "gap", "gaps");
    if (range.high == FullRange(kGaps).high)
        return CountedText(range.low, "gap", "gaps") + " or more";
    return CountedText(range.low, "or", "or") + " " + CountedText(range.high, "gap", "gaps");
}

std::string LowestText(DetailRange range) {
    const DetailRange full = FullRange(kLowest);
    if (range.low == range.high) return "lowest card " + RankName(range.low);
    if (range.low == full.low) return "lowest card " + RankName(range.high) + " or lower";
    if (range.high == full.high) return "lowest card " + RankName(range.low) + " or higher";
    return "lowest card " + RankName(range.low) + " to " + RankName(range.high);
}

std::string SuitMatesText(DetailRange range) {
    if (range.high == 0) return "no other card of that suit";
    if (range.low == 0) return "at most one other card of that suit";
    if (range.low == range.high && range.low == 1) return "one other card of that suit";
    if (range.low == 2) return "two other cards of that suit";
    return "other cards of that suit";
}

std::string RunMatesText(DetailRange range) {
    if (range.high == 0) return "no card thrown away fits the straight";
    if (range.low == 0) return "at most one card thrown away fits the straight";
    if (range.low == range.high && range.low == 1) return "one card thrown away fits the straight";
    if (range.low == 2) return "two cards thrown away fit the straight";
    return "a card thrown away fits the straight";
}

// The highest card thrown away, deuces not counted: "no card above 8 thrown away".
std::string ThrownText(DetailRange range) {
    if (range.low == 0)
        return range.high == 0 ? "no card but deuces thrown away"
                               : "no card above " + RankName(range.high) + " thrown away";
    if (range.high == FullRange(kThrown).high)
        return "a card thrown away " + RankName(range.low) + " or higher";
    return "the highest card thrown away " + RankName(range.low) + " to " + RankName(range.high);
}

// A lone card is named by its rank: "A single king", "A single card, 10 or higher".
std::string SingleCardText(DetailRange rank) {
    if (rank.low == rank.high) return "A single " + RankName(rank.low);
    if (rank == DetailRange{3, 14}) return "A single card";
    if (rank.high == 14) return "A single card, " + RankName(rank.low) + " or higher";
    return "A single card, " + RankName(rank.low) + " to " + RankName(rank.high);
}

std::string MadeName(int rank) {
    return std::string(kCategoryNames[static_cast<std::size_t>(CategoryOfMadeRank(rank))]);
}

// Hands kept for what they make: one by its own words, several as "Straight or better",
// "Flush, full house or four of a kind"; all five cards when hands that pay nothing are among
// them.
std::string MadeText(DetailRange range, const HoldPattern& pattern) {
    const int best = FullRange(kMade).high;
    if (range.low == range.high) return PatternText(pattern);
    if (range.low == 0)
        return range.high == best ? "All five cards, whatever they make"
                                  : "All five cards, a hand no better than " + MadeName(range.high);
    std::string text;
    if (range.high == best) {
        text = MadeName(range.low) + " or better";
    } else if (range.high - range.low <= 2) {
        for (int rank = range.low; rank <= range.high; ++rank)
            text += (rank == range.low ? "" : rank == range.high ? " or " : ", ") + MadeName(rank);
    } else {
        text = "Anything from " + MadeName(range.low) + " to " + MadeName(range.high);
    }
    text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
    return text;
}

std::string Plural(int value) {
    static constexpr std::array<std::string_view, 15> kNames = {
        "",   "aces", "2s",   "3s",    "4s",     "5s",    "6s",  "7s",
        "8s", "9s",   "tens", "jacks", "queens", "kings", "aces"};
    return std::string(kNames[static_cast<std::size_t>(value)]);
}

// Made hands narrowed by the rank of five of a kind, where other made hands count as aces:
// "Five of a kind, tens or higher", "Five of a kind or better, five of a kind only from tens up".
std::string MadeWithRankText(DetailRange made, DetailRange rank, HoldPattern base) {
    if (rank == FullRange(kLowest)) return MadeText(made, base);
    const int five = MadeRank(kFiveOfAKind);
    std::string ranks = rank.low == rank.high ? Plural(rank.low)
                        : rank.high == 14     ? Plural(rank.low) + " or higher"
                        : rank.low == 1       ? Plural(rank.high) + " or lower"
                                              : Plural(rank.low) + " to " + Plural(rank.high);
    if (rank.high < 14 ||
        made == DetailRange{static_cast<std::uint8_t>(five), static_cast<std::uint8_t>(five)}) {
        base.details[kMade] = static_cast<std::uint8_t>(five);
        return PatternText(base) + ", " + ranks;
    }
    return MadeText(made, base) + ", five of a kind only of " + ranks;
}

// The lowest card of a straight-flush draw: an ace there always counts low.
std::string StraightFlushLowestText(DetailRange range) {
    if (range == DetailRange{1, 1}) return "with an ace";
    if (range == DetailRange{3, 14}) return "no ace";
    return LowestText(range);
}

// The ranks (bit v for value v) of each royal draw of one or two naturals the ranges allow.
std::vector<unsigned> RoyalRankSets(const ChartLine& line) {
    static constexpr std::array<int, 5> kRoyal = {1, 10, 11, 12, 13};
    const int naturals = line.pattern.kept - line.pattern.deucesKept;
    std::vector<unsigned> sets;
    for (std::size_t a = 0; a < kRoyal.size(); ++a) {
        for (std::size_t b = naturals == 1 ? a : a + 1; b < (naturals == 1 ? a + 1 : kRoyal.size());
             ++b) {
            const bool ace = kRoyal[a] == 1;
            const int low = ace ? (naturals == 1 ? 14 : kRoyal[b]) : kRoyal[a];
            const int high = ace ? 14 : kRoyal[b];
            const int gaps = high - low + 1 - naturals;
            const auto& r = line.ranges;
            if (Within(r[kAce], ace) && Within(r[kTen], kRoyal[a] == 10 || kRoyal[b] == 10) &&
                Within(r[kLowest], low) && Within(r[kGaps], gaps))
                sets.push_back(1u << kRoyal[a] | 1u << kRoyal[b]);
        }
    }
    return sets;
}

// "jack and queen", "the ace" for one set of royal ranks.
std::string RanksText(unsigned ranks) {
    std::string text;
    for (const int value : {10, 11, 12, 13, 1}) {
        if (!(ranks & (1u << value))) continue;
        text += (text.empty() ? "" : " and ") + RankName(value);
    }
    return text;
}

// Small royal draws read best by their ranks: "Two to a royal flush, jack and queen".
bool NamesRoyalRanks(const ChartLine& line) {
    if (line.pattern.kind != HoldKind::RoyalDraw || line.pattern.kept - line.pattern.deucesKept > 2)
        return false;
    const std::size_t sets = RoyalRankSets(line).size();
    return sets >= 1 && sets <= 2 &&
           !(line.ranges[kAce] == FullRange(kAce) && line.ranges[kTen] == FullRange(kTen) &&
             line.ranges[kGaps] == FullRange(kGaps) && line.ranges[kLowest] == FullRange(kLowest));
}

std::string DetailText(HoldDetail detail, DetailRange range) {
    switch (detail) {
        case kGaps:
            return GapsText(range);
        case kLowest:
            return LowestText(range);
        case kAce:
            return range.low == 1 ? "with an ace" : "no ace";
        case kTen:
            return range.low == 1 ? "with a ten" : "no ten";
        case kSuitMates:
            return SuitMatesText(range);
        case kRunMates:
            return RunMatesText(range);
        case kThrown:
            return ThrownText(range);
        default:
            return "";
    }
}

}  // namespace

DetailRange FullRange(HoldDetail detail) {
    switch (detail) {
        case kGaps:
            return {0, 3};
        case kLowest:
            return {1, 14};
        case kAce:
        case kTen:
            return {0, 1};
        case kSuitMates:
            return {0, 2};
        case kMade:
            return {0, 10};
        case kRunMates:
            return {0, 2};
        case kThrown:
            return {0, 14};
        default:
            return {0, 0};
    }
}

bool ChartLine::Covers(const HoldPattern& hold, int dealtDeuces) const {
    if (dealtDeuces != deuces || !SameBase(hold, pattern)) return false;
    for (int d = 0; d < kDetailCount; ++d) {
        const auto detail = static_cast<HoldDetail>(d);
        if (!UsesDetail(hold.kind, detail)) continue;
        if (hold.details[d] < ranges[d].low || hold.details[d] > ranges[d].high) return false;
    }
    return true;
}

std::string ChartLine::Text() const {
    HoldPattern base = pattern;
    base.deucesThrown = 0;
    if (pattern.kind == HoldKind::Made) {
        base.details[kMade] = ranges[kMade].low;
        return MadeWithRankText(ranges[kMade], ranges[kLowest], base);
    }
    std::string text = PatternText(base);
    if (pattern.kind == HoldKind::SingleCard)
        return SingleCardText(ranges[kLowest]) + DeucesThrownText(pattern.deucesThrown);
    const bool named = NamesRoyalRanks(*this);
    if (named) {
        std::string ranks;
        const std::vector<unsigned> sets = RoyalRankSets(*this);
        for (std::size_t i = 0; i < sets.size(); ++i)
            ranks += (i == 0 ? "" : " or ") + RanksText(sets[i]);
        text += pattern.kept - pattern.deucesKept == 1 ? ", with the " + ranks : ", " + ranks;
    }
    for (const HoldDetail detail : {kAce, kTen, kGaps, kLowest, kSuitMates, kRunMates, kThrown}) {
        if (!UsesDetail(pattern.kind, detail) || ranges[detail] == FullRange(detail)) continue;
        if (named && detail != kSuitMates && detail != kRunMates && detail != kThrown) continue;
        text += ", " + (detail == kLowest && pattern.kind == HoldKind::StraightFlushDraw
                            ? StraightFlushLowestText(ranges[detail])
                            : DetailText(detail, ranges[detail]));
    }
    return text + DeucesThrownText(pattern.deucesThrown);
}

bool ChartLine::NamesRanks() const {
    return NamesRoyalRanks(*this);
}

int ChartLine::Words() const {
    int words = 0;
    const bool named = NamesRoyalRanks(*this);
    if (named) words += static_cast<int>(RoyalRankSets(*this).size());
    for (int d = 0; d < kDetailCount; ++d) {
        const auto detail = static_cast<HoldDetail>(d);
        if (!UsesDetail(pattern.kind, detail) || ranges[d] == FullRange(detail)) continue;
        // One made hand is named by its own words; several by the words of a range.
        if (detail == kMade && ranges[d].low == ranges[d].high) continue;
        if (!named || detail == kSuitMates || detail == kRunMates || detail == kThrown) ++words;
    }
    return words;
}

ChartLine LastLineOfSection(int deuces) {
    ChartLine line;
    line.deuces = deuces;
    line.pattern.kind = deuces == 0 ? HoldKind::Nothing : HoldKind::DeucesOnly;
    line.pattern.kept = static_cast<std::uint8_t>(deuces);
    line.pattern.deucesKept = static_cast<std::uint8_t>(deuces);
    return line;
}

std::string SectionTitle(int deuces) {
    static constexpr std::array<std::string_view, 5> kTitles = {
        "No deuce dealt", "One deuce dealt", "Two deuces dealt", "Three deuces dealt",
        "Four deuces dealt"};
    return std::string(kTitles[static_cast<std::size_t>(deuces)]);
}

std::vector<std::string> ChartReadingNotes() {
    return {
        "Find the section for the number of deuces dealt and play the first line your hand "
        "makes; keep every deuce unless the line says otherwise.",
        "\"Three to a royal flush\" counts the deuces kept: with one deuce it is the deuce and "
        "two cards of one suit from ten to ace.",
        "Gaps are the ranks missing between the lowest and the highest card kept, deuces not "
        "counted: the 5, 6 and 8 of hearts have one gap, with or without a deuce; with none "
        "missing the cards are consecutive.",
        "An ace counts low below a 3 when the other cards are 5 or less, and high above the king "
        "with tens and picture cards.",
        "\"No other card of that suit\" means none of the cards you throw away shares the suit "
        "of the cards you keep.",
        "A card thrown away fits the straight when no kept card has its rank and one straight "
        "could hold it with the kept cards: thrown beside a kept ace and king, a queen fits, a 9 "
        "does not.",
        "The highest card thrown away counts no deuce, and an ace above the king.",
        "A made hand is kept as dealt, all five cards, but of four of a kind or three of a kind "
        "only the four or three cards that make it.",
        "When a line fits your hand in more than one way, keep the higher cards, then the ones "
        "that throw away fewer cards of their suit."};
}

}  // namespace modcards::analysis
