// The row of a settled hand: what the table settled, checked, and the hold values.
#include "game/history/SettledHand.h"

#include <algorithm>
#include <stdexcept>

#include "engine/analysis/Pays.h"
#include "game/history/HoldValues.h"

namespace history {
namespace {

bool Holds(const modcards::Hand& hand, const modcards::Card& card) {
    return std::find(hand.begin(), hand.end(), card) != hand.end();
}

// Held positions keep their card and every other position shows a card not dealt before.
bool FollowsFromDeal(const SettledHand& hand) {
    for (int slot = 0; slot < 5; ++slot) {
        const bool held = (hand.held >> slot) & 1u;
        const modcards::Card& card = hand.finalHand[slot];
        if (!modcards::IsInDeck(card)) return false;
        if (held ? !(card == hand.dealt[slot]) : Holds(hand.dealt, card)) return false;
        for (int other = 0; other < slot; ++other)
            if (hand.finalHand[other] == card) return false;
    }
    return true;
}

// The advisor's values are credits for the stake only when its pays are the table's.
bool BuiltFor(const modcards::analysis::HoldAdvisor& advisor, const modcards::PayTable& payTable) {
    try {
        return advisor.pays() == modcards::analysis::GamePays(payTable);
    } catch (const std::invalid_argument&) {
        return false;
    }
}

}  // namespace

RecordResult RecordOfHand(const Session& session, std::string_view playedAt,
                          const SettledHand& hand, const modcards::analysis::HoldAdvisor& advisor) {
    RecordResult result;
    if (!BuiltFor(advisor, hand.payTable)) {
        result.error = "the perfect-play tables were built for another pay table";
        return result;
    }
    const std::optional<HoldValues> values = ValueHold(advisor, hand.dealt, hand.held);
    if (!values) {
        result.error = "the dealt cards are not five different cards of the deck";
        return result;
    }
    if (!FollowsFromDeal(hand)) {
        result.error = "the final cards do not follow from the dealt cards and the hold";
        return result;
    }
    HandRecord& row = result.record;
    row.session = session.id;
    row.player = session.player;
    row.playedAt = std::string(playedAt);
    row.dealt = hand.dealt;
    row.held = hand.held;
    row.bestHeld = values->bestHeld;
    row.finalHand = hand.finalHand;
    row.category = hand.category;
    row.pay = hand.pay;
    row.holdEv = values->holdEv;
    row.bestEv = values->bestEv;
    row.mode = hand.mode;
    row.drill = hand.drill;
    row.pays = PaysText(hand.payTable);
    return result;
}

}  // namespace history
