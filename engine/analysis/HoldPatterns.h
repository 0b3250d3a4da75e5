// Every hold of a deal named as a strategy chart names it: what the kept cards make or draw
// to, with how many deuces, and the details a chart line may be narrowed by.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "engine/analysis/Combinatorics.h"
#include "engine/analysis/DealHolds.h"

namespace modcards::analysis {

// What the kept cards are; "naturals" are the kept cards that are not deuces.
enum class HoldKind : std::uint8_t {
    Made,               // the hand as dealt, kMade telling what it makes: all five kept, but
                        // of a dealt four of a kind or three of a kind only the four or three
    FourOfAKind,        // four kept cards of one rank, deuces counting as any, out of a better
                        // hand: draw one
    ThreeOfAKind,       // three of one rank out of a better hand: draw two
    TwoPairs,           // two natural pairs, no deuce
    Pair,               // one natural pair, no deuce
    RoyalDraw,          // naturals of one suit, all ten to ace, with any deuces
    StraightFlushDraw,  // naturals of one suit that fit in one straight
    FlushDraw,          // naturals of one suit that fit in no straight
    StraightDraw,       // naturals of mixed suits that fit in one straight
    SingleCard,         // one natural and no deuce
    DeucesOnly,         // deuces and no natural
    Nothing,            // every card discarded
    NoDraw,             // naturals that make none of the above together
};

// Details that tell holds of one kind apart; a kind uses only some of them (UsesDetail).
enum HoldDetail : int {
    kGaps,       // ranks missing between the lowest and highest kept natural (straight draws)
    kLowest,     // lowest kept natural: ace 1 when it plays low, 14 when high
    kAce,        // 1 when an ace is kept
    kTen,        // 1 when a ten is kept
    kSuitMates,  // discarded naturals of the kept suit, at most 2
    kMade,       // what five kept cards make, by rank: 0 nothing, 1 three of a kind ... 10
                 // natural royal flush (MadeRank)
    kRunMates,   // discarded naturals of other ranks that fit one straight with the kept ones,
                 // at most 2
    kThrown,     // the highest natural discarded, ace 14; 0 for none (royal draws)
    kDetailCount,
};

struct HoldPattern {
    HoldKind kind = HoldKind::Nothing;
    std::uint8_t kept = 0;  // cards kept, deuces included: the "three" of "three to a"
    std::uint8_t deucesKept = 0;
    std::uint8_t deucesThrown = 0;                     // deuces dealt and discarded
    std::array<std::uint8_t, kDetailCount> details{};  // 0 where the kind has no such detail

    friend bool operator==(const HoldPattern&, const HoldPattern&) = default;
};

bool UsesDetail(HoldKind kind, HoldDetail detail);

// The rank kMade gives a HandCategory: higher for a better hand, 0 for no paying hand.
int MadeRank(int category);
int CategoryOfMadeRank(int rank);

// True when a and b have the same kind and counts (their details may differ).
bool SameBase(const HoldPattern& a, const HoldPattern& b);

// Number of deuces among dealt cards (card indices, see CardOfIndex).
int DeucesIn(const DealtIndices& dealt);

// The pattern of `hold` (a mask over the places of `dealt`, ascending card indices).
HoldPattern ClassifyHold(const DealtIndices& dealt, unsigned hold);

// All 32 holds of one deal at once.
std::array<HoldPattern, kHoldCount> ClassifyHolds(const DealtIndices& dealt);

// Among holds that fit the same chart line, the one a player keeps: the higher cards, then the
// hold leaving fewer cards of its suit behind. Larger is kept first; equal keys can only come
// from holds of the same pattern, which KeptFirst settles.
std::uint32_t PreferenceKey(const DealtIndices& dealt, unsigned hold, const HoldPattern& pattern);

// True when hold a is kept before hold b of the same line: the larger PreferenceKey, and for
// equal keys a rule that names no suit, so that renaming the suits of a deal renames its choice.
bool KeptFirst(const DealtIndices& dealt, unsigned a, std::uint32_t keyA, unsigned b,
               std::uint32_t keyB);

// The pattern in a player's words without its details: "Three to a royal flush", "A pair".
std::string PatternText(const HoldPattern& pattern);

// ", throwing a deuce away" for deuces dealt and not kept; empty for none.
std::string DeucesThrownText(int thrown);

}  // namespace modcards::analysis
