// Deuces-wild hand evaluation. Each detector reads the sorted hand and answers by itself;
// EvaluateHand takes the first that says yes. The rules are written once, as inline
// functions over the hand and its deuce split, so EvaluateHand can split the hand once and
// reuse the straight and flush answers that several categories ask for.
#include "engine/HandEvaluation.h"

#include "engine/Deal.h"

namespace modcards {

namespace {

// The cards that are not deuces, in hand order, and how many deuces were left out.
struct Naturals {
    std::array<Card, 5> cards{};
    int count = 0;   // n, 1..5 for a hand from one deck
    int deuces = 0;  // d = 5 - n
};

inline Naturals SplitDeuces(const Hand& hand) {
    Naturals split;
    for (const Card& card : hand) {
        if (card.Value == kDeuce) {
            ++split.deuces;
        } else {
            split.cards[split.count++] = card;
        }
    }
    return split;
}

inline bool SameValue(const Card& a, const Card& b) {
    return a.Value == b.Value;
}

// Whether cards[first..last] all have one value.
inline bool SameValues(const Card* cards, int first, int last) {
    for (int i = first; i < last; ++i) {
        if (!SameValue(cards[i], cards[i + 1])) return false;
    }
    return true;
}

// Ace, ten, jack, queen, king at face value: the order sorting gives.
inline bool IsAceHighRun(const Hand& hand) {
    return hand[0].Value == 1 && hand[1].Value == 10 && hand[2].Value == 11 &&
           hand[3].Value == 12 && hand[4].Value == 13;
}

inline bool AllOneSuit(const Card* cards, int count) {
    for (int i = 0; i + 1 < count; ++i) {
        if (cards[i].Suit != cards[i + 1].Suit) return false;
    }
    return true;
}

inline bool NaturalRoyal(const Hand& hand) {
    return IsAceHighRun(hand) && AllOneSuit(hand.data(), 5);
}

inline bool FourDeuces(const Naturals& split) {
    return split.deuces == 4;
}

// The deuces' own suits never matter; with none, the naturals are all five cards.
inline bool Flush(const Naturals& split) {
    return AllOneSuit(split.cards.data(), split.count);
}

inline bool StraightWithDeuces(Naturals split) {
    Card* naturals = split.cards.data();
    const int n = split.count;
    if (n == 0) return false;  // five deuces cannot come from one deck

    // An ace with a ten or better among the naturals plays high, as 14, at the end.
    if (naturals[0].Value == 1 && naturals[n - 1].Value > 9) {
        Card ace = naturals[0];
        for (int i = 0; i + 1 < n; ++i) naturals[i] = naturals[i + 1];
        ace.Value = 14;
        naturals[n - 1] = ace;
    }

    // Five consecutive values: ending at the highest natural when the lowest is 9 or more
    // (so the window never runs past the ace), else starting at the lowest.
    const int low = naturals[0].Value >= 9 ? naturals[n - 1].Value - 4 : naturals[0].Value;

    int next = 0;
    int gaps = 0;
    for (int value = low; value < low + 5; ++value) {
        if (next < n && naturals[next].Value == value) {
            ++next;
        } else {
            ++gaps;
        }
    }
    return gaps == split.deuces;
}

inline bool Straight(const Hand& hand, const Naturals& split) {
    if (IsAceHighRun(hand)) return true;
    if (split.deuces == 0) {
        for (int i = 0; i < 4; ++i) {
            if (hand[i + 1].Value != hand[i].Value + 1) return false;
        }
        return true;
    }
    return StraightWithDeuces(split);
}

inline bool StraightFlush(const Hand& hand, const Naturals& split) {
    return Straight(hand, split) && Flush(split);
}

// Given that the hand is a straight flush: an ace with a ten or better, or only high naturals.
inline bool RoyalOfStraightFlush(const Hand& hand, const Naturals& split) {
    if (hand[0].Value == 1) {
        for (int i = 1; i < 5; ++i) {
            if (hand[i].Value > 9) return true;
        }
    }
    return split.cards[0].Value > 9;
}

inline bool FiveOfAKind(const Naturals& split) {
    switch (split.deuces) {
        case 1:
        case 2:
        case 3:
            return SameValues(split.cards.data(), 0, split.count - 1);
        default:
            return false;
    }
}

inline bool FourOfAKind(const Hand& hand, const Naturals& split) {
    if (SameValues(hand.data(), 0, 3) || SameValues(hand.data(), 1, 4)) return true;
    const Card* naturals = split.cards.data();
    switch (split.deuces) {
        case 1:
            return SameValues(naturals, 0, 2) || SameValues(naturals, 1, 3);
        case 2:
            return SameValue(naturals[0], naturals[1]) || SameValue(naturals[1], naturals[2]);
        case 3:
            return true;
        default:
            return false;
    }
}

inline bool HasNaturalThree(const Hand& hand) {
    for (int i = 0; i < 3; ++i) {
        if (SameValues(hand.data(), i, i + 2)) return true;
    }
    return false;
}

inline bool FullHouse(const Hand& hand, const Naturals& split) {
    if (HasNaturalThree(hand)) {
        // In a sorted hand the middle card belongs to every run of three.
        const std::int16_t three = hand[2].Value;
        for (int i = 0; i < 4; ++i) {
            if (SameValue(hand[i], hand[i + 1]) && hand[i].Value != three) return true;
        }
    }
    const Card* naturals = split.cards.data();
    return split.deuces == 1 && SameValue(naturals[0], naturals[1]) &&
           SameValue(naturals[2], naturals[3]);
}

inline bool ThreeOfAKind(const Hand& hand, const Naturals& split) {
    if (HasNaturalThree(hand)) return true;
    const Card* naturals = split.cards.data();
    switch (split.deuces) {
        case 1:
            return SameValue(naturals[0], naturals[1]) || SameValue(naturals[1], naturals[2]) ||
                   SameValue(naturals[2], naturals[3]);
        case 2:
            return true;
        default:
            return false;
    }
}

inline std::int16_t Answer(bool yes) {
    return yes ? 1 : 0;
}

}  // namespace

std::int16_t IsNaturalRoyal(const Hand& hand) {
    return Answer(NaturalRoyal(hand));
}
std::int16_t IsFourDeuces(const Hand& hand) {
    return Answer(FourDeuces(SplitDeuces(hand)));
}
std::int16_t IsDeuceRoyal(const Hand& hand) {
    const Naturals split = SplitDeuces(hand);
    return Answer(StraightFlush(hand, split) && RoyalOfStraightFlush(hand, split));
}
std::int16_t IsFiveOfAKind(const Hand& hand) {
    return Answer(FiveOfAKind(SplitDeuces(hand)));
}
std::int16_t IsStraightFlush(const Hand& hand) {
    return Answer(StraightFlush(hand, SplitDeuces(hand)));
}
std::int16_t IsFourOfAKind(const Hand& hand) {
    return Answer(FourOfAKind(hand, SplitDeuces(hand)));
}
std::int16_t IsFullHouse(const Hand& hand) {
    return Answer(FullHouse(hand, SplitDeuces(hand)));
}
std::int16_t IsFlush(const Hand& hand) {
    return Answer(Flush(SplitDeuces(hand)));
}
std::int16_t IsStraight(const Hand& hand) {
    return Answer(Straight(hand, SplitDeuces(hand)));
}
std::int16_t IsThreeOfAKind(const Hand& hand) {
    return Answer(ThreeOfAKind(hand, SplitDeuces(hand)));
}

// The detectors have no side effects, so asking each question once and reusing the answer
// gives the same category as running them one after another.
HandCategory EvaluateHand(Hand hand) {
    SortByValue(hand);
    if (NaturalRoyal(hand)) return kNaturalRoyalFlush;
    const Naturals split = SplitDeuces(hand);
    if (FourDeuces(split)) return kFourDeuces;
    const bool flush = Flush(split);
    const bool straight = Straight(hand, split);
    const bool straightFlush = straight && flush;
    if (straightFlush && RoyalOfStraightFlush(hand, split)) return kDeuceRoyalFlush;
    if (FiveOfAKind(split)) return kFiveOfAKind;
    if (straightFlush) return kStraightFlush;
    if (FourOfAKind(hand, split)) return kFourOfAKind;
    if (FullHouse(hand, split)) return kFullHouse;
    if (flush) return kFlush;
    if (straight) return kStraight;
    if (ThreeOfAKind(hand, split)) return kThreeOfAKind;
    return kNoPayingHand;
}

}  // namespace modcards
