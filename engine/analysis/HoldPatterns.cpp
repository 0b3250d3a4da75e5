// Naming holds: the kind of draw the kept cards make, and the details charts split lines by.
#include "engine/analysis/HoldPatterns.h"

#include <algorithm>
#include <bit>
#include <numeric>

#include "engine/HandEvaluation.h"

namespace modcards::analysis {

namespace {

constexpr int kAceHigh = 14;
constexpr unsigned kRoyalRanks = 1u << 0 | 1u << 9 | 1u << 10 | 1u << 11 | 1u << 12;  // A, T-K

int ValueOf(int index) {
    return index % kRanksPerSuit + 1;
}
int SuitOf(int index) {
    return index / kRanksPerSuit;
}

// The kept naturals as a straight sees them: lowest and highest value with the ace placed
// where it fits, or fits == false when no straight holds them all.
struct Span {
    bool fits = false;
    int lowest = 0;
    int highest = 0;
};

Span SpanOf(unsigned ranks) {  // bit v - 1 for value v; no deuce among them
    const bool ace = ranks & 1u;
    const unsigned others = ranks & ~1u;
    Span span;
    if (others == 0) return {true, kAceHigh, kAceHigh};
    const int low = std::countr_zero(others) + 1;
    const int high = 32 - std::countl_zero(others);
    if (!ace) {
        span = {true, low, high};
    } else if (high <= 5) {
        span = {true, 1, high};
    } else if (low >= 10) {
        span = {true, low, kAceHigh};
    } else {
        return span;
    }
    span.fits = span.highest - span.lowest <= 4;
    return span;
}

// Deal facts every hold reads.
struct DealFacts {
    std::array<int, kHandSize> value{};
    std::array<int, kHandSize> suit{};
    unsigned deuces = 0;                                // mask of places
    std::array<unsigned, kSuitCount> naturalsOfSuit{};  // mask of places, deuces left out
    HandCategory made = kNoPayingHand;
};

DealFacts FactsOf(const DealtIndices& dealt) {
    DealFacts facts;
    Hand hand;
    for (int place = 0; place < kHandSize; ++place) {
        facts.value[place] = ValueOf(dealt[place]);
        facts.suit[place] = SuitOf(dealt[place]);
        if (facts.value[place] == kDeuce)
            facts.deuces |= 1u << place;
        else
            facts.naturalsOfSuit[static_cast<std::size_t>(facts.suit[place])] |= 1u << place;
        hand[place] = CardOfIndex(dealt[place]);
    }
    facts.made = EvaluateHand(hand);
    return facts;
}

// What the kept naturals show: their values (bit v - 1) and suits (bit s), and whether a value
// repeats.
struct KeptNaturals {
    unsigned ranks = 0;
    unsigned suits = 0;
    bool repeated = false;
};

KeptNaturals AddPlace(KeptNaturals kept, const DealFacts& deal, int place) {
    if (deal.deuces & (1u << place)) return kept;
    const unsigned rank = 1u << (deal.value[place] - 1);
    kept.repeated = kept.repeated || (kept.ranks & rank);
    kept.ranks |= rank;
    kept.suits |= 1u << deal.suit[place];
    return kept;
}

bool OneBit(unsigned mask) {
    return mask != 0 && (mask & (mask - 1)) == 0;
}

// Kinds made of naturals of one rank or two pairs; NoDraw for other repeated ranks.
HoldKind RepeatedRanksKind(const DealFacts& deal, unsigned hold, unsigned ranks, int deuces,
                           int kept) {
    if (OneBit(ranks)) {
        if (kept == 4) return HoldKind::FourOfAKind;
        if (kept == 3) return HoldKind::ThreeOfAKind;
        if (kept == 2) return HoldKind::Pair;
    }
    if (deuces == 0 && kept == 4 && OneBit(ranks & (ranks - 1))) {
        // Two values over four cards: two pairs unless one value comes three times.
        const unsigned lower = ranks & (~ranks + 1);
        int ofLower = 0;
        for (int place = 0; place < kHandSize; ++place)
            ofLower += (hold & (1u << place)) && (1u << (deal.value[place] - 1)) == lower;
        if (ofLower == 2) return HoldKind::TwoPairs;
    }
    return HoldKind::NoDraw;
}

// Discarded naturals whose rank is not kept and fits one straight with the kept ranks, at most 2.
int RunMates(const DealFacts& deal, unsigned hold, unsigned ranks) {
    int mates = 0;
    for (int place = 0; place < kHandSize; ++place) {
        if ((hold | deal.deuces) & (1u << place)) continue;
        const unsigned rank = 1u << (deal.value[place] - 1);
        if (!(ranks & rank) && SpanOf(ranks | rank).fits) ++mates;
    }
    return std::min(mates, 2);
}

// The highest natural discarded, ace high; 0 when only deuces are.
int HighestThrown(const DealFacts& deal, unsigned hold) {
    int highest = 0;
    for (int place = 0; place < kHandSize; ++place) {
        if ((hold | deal.deuces) & (1u << place)) continue;
        highest = std::max(highest, deal.value[place] == 1 ? kAceHigh : deal.value[place]);
    }
    return highest;
}

// A dealt four of a kind or three of a kind is kept as a made hand by its four or three cards:
// keeping the odd cards too never pays more.
bool MakesWhatIsDealt(const DealFacts& deal, const HoldPattern& pattern) {
    return pattern.deucesThrown == 0 &&
           ((deal.made == kFourOfAKind && pattern.kind == HoldKind::FourOfAKind) ||
            (deal.made == kThreeOfAKind && pattern.kind == HoldKind::ThreeOfAKind));
}

// A made hand is told apart by what it makes and, for five of a kind, by its rank (ace high):
// with three deuces it pays to keep only from tens up. Other made hands count as aces, so that
// a line narrowed to high ranks keeps them.
void SetMade(HoldPattern& pattern, HandCategory made, unsigned ranks) {
    pattern.details[kMade] = static_cast<std::uint8_t>(MadeRank(made));
    const unsigned others = ranks & ~1u;
    pattern.details[kLowest] = static_cast<std::uint8_t>(
        made != kFiveOfAKind || others == 0 ? kAceHigh : std::countr_zero(others) + 1);
}

HoldPattern Classify(const DealFacts& deal, unsigned hold, const KeptNaturals& kept) {
    HoldPattern pattern;
    const unsigned keptDeuces = hold & deal.deuces;
    pattern.kept = static_cast<std::uint8_t>(HeldCount(hold));
    pattern.deucesKept = static_cast<std::uint8_t>(HeldCount(keptDeuces));
    pattern.deucesThrown = static_cast<std::uint8_t>(HeldCount(deal.deuces) - pattern.deucesKept);
    if (pattern.kept == kHandSize) {
        const bool drawn = deal.made == kFourOfAKind || deal.made == kThreeOfAKind;
        pattern.kind = drawn ? HoldKind::NoDraw : HoldKind::Made;
        if (!drawn) SetMade(pattern, deal.made, kept.ranks);
        return pattern;
    }
    const int naturals = pattern.kept - pattern.deucesKept;
    if (naturals == 0) {
        pattern.kind = pattern.deucesKept == 0 ? HoldKind::Nothing : HoldKind::DeucesOnly;
        return pattern;
    }
    const unsigned ranks = kept.ranks;
    if (kept.repeated) {
        pattern.kind = RepeatedRanksKind(deal, hold, ranks, pattern.deucesKept, pattern.kept);
        if (MakesWhatIsDealt(deal, pattern)) {
            pattern.kind = HoldKind::Made;
            SetMade(pattern, deal.made, ranks);
        }
        return pattern;
    }
    if (naturals == 1 && pattern.deucesKept == 0) {
        pattern.kind = HoldKind::SingleCard;
        pattern.details[kLowest] =
            static_cast<std::uint8_t>(ranks == 1u ? kAceHigh : std::countr_zero(ranks) + 1);
        return pattern;
    }
    const bool suited = OneBit(kept.suits);
    const Span span = SpanOf(ranks);
    if (suited && (ranks & ~kRoyalRanks) == 0) {
        pattern.kind = HoldKind::RoyalDraw;
        pattern.details[kAce] = ranks & 1u;
        pattern.details[kTen] = (ranks >> 9) & 1u;
    } else if (suited) {
        pattern.kind = span.fits ? HoldKind::StraightFlushDraw : HoldKind::FlushDraw;
    } else {
        pattern.kind = span.fits ? HoldKind::StraightDraw : HoldKind::NoDraw;
    }
    if (span.fits && pattern.kind != HoldKind::NoDraw) {
        pattern.details[kGaps] =
            static_cast<std::uint8_t>(span.highest - span.lowest + 1 - naturals);
        pattern.details[kLowest] = static_cast<std::uint8_t>(span.lowest);
    }
    if (pattern.kind != HoldKind::FlushDraw && pattern.kind != HoldKind::NoDraw)
        pattern.details[kRunMates] = static_cast<std::uint8_t>(RunMates(deal, hold, ranks));
    if (suited) {
        if (pattern.kind == HoldKind::RoyalDraw)
            pattern.details[kThrown] = static_cast<std::uint8_t>(HighestThrown(deal, hold));
        const unsigned mates =
            deal.naturalsOfSuit[static_cast<std::size_t>(std::countr_zero(kept.suits))] & ~hold;
        pattern.details[kSuitMates] = static_cast<std::uint8_t>(std::min(HeldCount(mates), 2));
    }
    return pattern;
}

// The deal and the hold up to the names of the suits: each suit's cards as a mask of (value,
// kept) bits, the four masks in order. Equal codes for two holds mean that a renaming of the
// suits turns the deal into itself and one hold into the other.
std::array<std::uint32_t, kSuitCount> CanonicalCode(const DealtIndices& dealt, unsigned hold) {
    std::array<std::uint32_t, kSuitCount> suits{};
    for (int place = 0; place < kHandSize; ++place)
        suits[static_cast<std::size_t>(SuitOf(dealt[place]))] |=
            1u << (2 * (ValueOf(dealt[place]) - 1) + static_cast<int>((hold >> place) & 1u));
    std::sort(suits.begin(), suits.end());
    return suits;
}

}  // namespace

int MadeRank(int category) {
    return category == kNoPayingHand ? 0 : kCategoryCount - category;
}

int CategoryOfMadeRank(int rank) {
    return rank == 0 ? kNoPayingHand : kCategoryCount - rank;
}

bool UsesDetail(HoldKind kind, HoldDetail detail) {
    switch (kind) {
        case HoldKind::Made:
            return detail == kMade || detail == kLowest;
        case HoldKind::RoyalDraw:
            return detail != kMade;
        case HoldKind::StraightFlushDraw:
            return detail == kGaps || detail == kLowest || detail == kSuitMates ||
                   detail == kRunMates;
        case HoldKind::StraightDraw:
            return detail == kGaps || detail == kLowest || detail == kRunMates;
        case HoldKind::FlushDraw:
            return detail == kSuitMates;
        case HoldKind::SingleCard:
            return detail == kLowest;
        default:
            return false;
    }
}

bool SameBase(const HoldPattern& a, const HoldPattern& b) {
    // A made hand is one pattern whether its odd cards are kept or not.
    return a.kind == b.kind && (a.kept == b.kept || a.kind == HoldKind::Made) &&
           a.deucesKept == b.deucesKept && a.deucesThrown == b.deucesThrown;
}

int DeucesIn(const DealtIndices& dealt) {
    return static_cast<int>(
        std::count_if(dealt.begin(), dealt.end(), [](int i) { return ValueOf(i) == kDeuce; }));
}

HoldPattern ClassifyHold(const DealtIndices& dealt, unsigned hold) {
    const DealFacts facts = FactsOf(dealt);
    KeptNaturals kept;
    for (int place = 0; place < kHandSize; ++place)
        if (hold & (1u << place)) kept = AddPlace(kept, facts, place);
    return Classify(facts, hold, kept);
}

std::array<HoldPattern, kHoldCount> ClassifyHolds(const DealtIndices& dealt) {
    const DealFacts facts = FactsOf(dealt);
    // Each hold's naturals are those of the hold without its lowest place, plus that place.
    std::array<KeptNaturals, kHoldCount> kept{};
    std::array<HoldPattern, kHoldCount> patterns;
    patterns[0] = Classify(facts, 0, kept[0]);
    for (unsigned hold = 1; hold < kHoldCount; ++hold) {
        kept[hold] = AddPlace(kept[hold & (hold - 1)], facts, std::countr_zero(hold));
        patterns[hold] = Classify(facts, hold, kept[hold]);
    }
    return patterns;
}

std::uint32_t PreferenceKey(const DealtIndices& dealt, unsigned hold, const HoldPattern& pattern) {
    std::array<int, kHandSize> values{};
    for (int place = 0; place < kHandSize; ++place) {
        const int value = ValueOf(dealt[place]);
        if ((hold & (1u << place)) && value != kDeuce)
            values[place] = value == 1 ? kAceHigh : value;
    }
    std::sort(values.begin(), values.end(), std::greater<>());
    std::uint32_t key = 0;
    for (const int value : values) key = key << 4 | static_cast<std::uint32_t>(value);
    return key << 2 | static_cast<std::uint32_t>(2 - pattern.details[kSuitMates]);
}

bool KeptFirst(const DealtIndices& dealt, unsigned a, std::uint32_t keyA, unsigned b,
               std::uint32_t keyB) {
    if (keyA != keyB) return keyA > keyB;
    const auto codeA = CanonicalCode(dealt, a);
    const auto codeB = CanonicalCode(dealt, b);
    return codeA != codeB ? codeA < codeB : a < b;
}

std::string PatternText(const HoldPattern& pattern) {
    static constexpr std::array<const char*, 6> kCounts = {"No card", "One",  "Two",
                                                           "Three",   "Four", "Five"};
    static constexpr std::array<const char*, kCategoryCount> kMadeWords = {
        "All five cards of a hand that pays nothing",
        "Natural royal flush",
        "Four deuces, keeping the odd card",
        "Royal flush with deuces",
        "Five of a kind",
        "Straight flush",
        "Four of a kind",
        "Full house",
        "Flush",
        "Straight",
        "Three of a kind"};
    static constexpr std::array<const char*, 5> kDeuces = {"", "One deuce only", "Two deuces only",
                                                           "Three deuces only", "Four deuces"};
    const std::string count = kCounts[pattern.kept];
    std::string text;
    switch (pattern.kind) {
        case HoldKind::Made:
            text = kMadeWords[static_cast<std::size_t>(CategoryOfMadeRank(pattern.details[kMade]))];
            break;
        case HoldKind::FourOfAKind:
            text = "Four of a kind out of a better hand";
            break;
        case HoldKind::ThreeOfAKind:
            text = "Three of a kind out of a better hand";
            break;
        case HoldKind::TwoPairs:
            text = "Two pairs";
            break;
        case HoldKind::Pair:
            text = "A pair";
            break;
        case HoldKind::RoyalDraw:
            text = count + " to a royal flush";
            break;
        case HoldKind::StraightFlushDraw:
            text = count + " to a straight flush";
            break;
        case HoldKind::FlushDraw:
            text = count + " to a flush";
            break;
        case HoldKind::StraightDraw:
            text = count + " to a straight";
            break;
        case HoldKind::SingleCard:
            text = "A single card";
            break;
        case HoldKind::DeucesOnly:
            text = kDeuces[pattern.deucesKept];
            break;
        case HoldKind::Nothing:
            text = "Discard everything";
            break;
        case HoldKind::NoDraw:
            text = count + " cards that draw to nothing together";
            break;
    }
    return text + DeucesThrownText(pattern.deucesThrown);
}

std::string DeucesThrownText(int thrown) {
    if (thrown == 0) return "";
    if (thrown == 1) return ", throwing a deuce away";
    return ", throwing " + std::to_string(thrown) + " deuces away";
}

}  // namespace modcards::analysis
