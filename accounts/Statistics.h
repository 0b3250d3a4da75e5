// Statistics accounting: how a settled hand changes an account.
#pragma once

#include <cstdint>

#include "accounts/PlayerRecord.h"
#include "engine/PayTable.h"

namespace output {

// Which 16-bit fields stopped at their limit instead of wrapping.
struct LimitReport {
    bool creditsAtLimit = false;   // Credits stopped at 32767
    bool countersAtLimit = false;  // a counter stands at 32767, so the hand was not counted
    bool Any() const { return creditsAtLimit || countersAtLimit; }
};

// Pays PayTable[category] into Credits, counts the hand and stamps the date of the three
// best wins. Codes outside 1..10 count as lost. No field passes 32767: Credits stops there, and
// when a counter the hand would raise stands there the hand raises none of them.
LimitReport RecordHand(PlayerRecord& record, std::int16_t category, const modcards::PayTable& table,
                       OleDate now);

// Carries the hands recorded on a copy of an account onto the stored account: `stored` gets
// every change from `before` to `after`, credits and counters added (each within 16 bits) and a
// last-win date that changed. Name and creation date stay the stored ones. For a table whose
// account was added meanwhile by another copy of the game, so that no hand is lost.
LimitReport CarryHands(PlayerRecord& stored, const PlayerRecord& before, const PlayerRecord& after);

// True when taking `stake` keeps Credits at or above -32768.
bool CanChargeStake(const PlayerRecord& record, std::int16_t stake);

}  // namespace output
