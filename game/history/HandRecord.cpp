// The checks on a hand before it is written, and the text form of a hold.
#include "game/history/HandRecord.h"

#include <algorithm>
#include <cmath>

#include "accounts/NameKey.h"
#include "engine/HandEvaluation.h"
#include "game/history/LocalTime.h"

namespace history {
namespace {

// Five cards of the deck, all different.
bool IsHand(const modcards::Hand& hand) {
    for (auto card = hand.begin(); card != hand.end(); ++card) {
        if (!modcards::IsInDeck(*card)) return false;
        if (std::find(hand.begin(), card, *card) != card) return false;
    }
    return true;
}

bool IsCredits(double value) {
    return std::isfinite(value) && value >= 0 && value <= kMostPay;
}

}  // namespace

std::string NumbersProblem(const HandRecord& hand) {
    if (hand.session < 1) return "the hand belongs to no session";
    if (hand.category < 0 || hand.category >= modcards::kCategoryCount || hand.pay < 0 ||
        hand.pay > kMostPay)
        return "the hand's category or pay is out of range";
    if (!IsCredits(hand.holdEv) || !IsCredits(hand.bestEv) || hand.holdEv > hand.bestEv)
        return "the hand's expected pays are not those of a hold and the best hold";
    return {};
}

std::string RecordProblem(const HandRecord& hand) {
    if (std::string problem = NumbersProblem(hand); !problem.empty()) return problem;
    if (output::TrimSpaces(hand.player).empty()) return "the hand has no player";
    if (!IsLocalTimeText(hand.playedAt))
        return "the time \"" + hand.playedAt +
               "\" is not a date and time such as 2024-05-01T14:03:22";
    if (!IsHand(hand.dealt) || !IsHand(hand.finalHand))
        return "the hand's cards are not five different cards of the deck";
    if (hand.held > 0x1F || hand.bestHeld > 0x1F) return "a hold names a card beyond the fifth";
    return {};
}

std::string HeldText(HeldSlots held) {
    std::string text(5, '0');
    for (int slot = 0; slot < 5; ++slot)
        if ((held >> slot) & 1u) text[slot] = '1';
    return text;
}

std::optional<HeldSlots> ParseHeld(std::string_view text) {
    if (text.size() != 5) return std::nullopt;
    HeldSlots held = 0;
    for (int slot = 0; slot < 5; ++slot) {
        if (text[slot] == '1') {
            held |= static_cast<HeldSlots>(1u << slot);
        } else if (text[slot] != '0') {
            return std::nullopt;
        }
    }
    return held;
}

}  // namespace history
