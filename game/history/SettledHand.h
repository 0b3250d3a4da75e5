// The history's row for a hand the table has just settled.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/Card.h"
#include "engine/PayTable.h"
#include "engine/analysis/HoldAdvisor.h"
#include "game/history/HandRecord.h"

namespace history {

// What the table knows when a hand settles, every hand left to right as shown (not sorted), and
// the table, category and pay the table settled it at.
struct SettledHand {
    modcards::Hand dealt{};
    HeldSlots held = 0;  // bit i set: position i was held
    modcards::Hand finalHand{};
    int category = 0;                                        // the HandCategory, 0..10
    int pay = 0;                                             // credits paid for the stake
    std::string mode = kAccountMode;                         // how it was played (see HandRecord)
    modcards::PayTable payTable = modcards::GamePayTable();  // the table it was played at
    std::optional<LeakKey> drill = std::nullopt;  // a drill's hand: the leak group it was dealt for
};

struct RecordResult {
    HandRecord record;  // ready for HandHistory::Record when `error` is empty
    std::string error;  // why the hand cannot be recorded, in words
};

// The row of `hand`, played in `session` at `playedAt` ("2024-05-01T14:03:22"): the category
// and pay the table settled, its mode and the pays of its table, and the exact values of the hold
// taken and of the best hold. The advisor must be built on GamePays(hand.payTable), so the values
// are credits for the stake hand.payTable[0]. Takes microseconds; thread-safe, so a worker thread
// may fill rows.
RecordResult RecordOfHand(const Session& session, std::string_view playedAt,
                          const SettledHand& hand, const modcards::analysis::HoldAdvisor& advisor);

}  // namespace history
