// Hands written as text for the hand history tests, and where the history file lies.
#pragma once

#include <filesystem>

#include "engine/CardText.h"
#include "game/history/HandRecord.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/TestFiles.h"

namespace history_test {

constexpr const char* kNow = "2024-05-01T14:03:22";

inline std::filesystem::path HistoryIn(const ScratchFolder& folder) {
    return folder / "History.db";
}

// A row as the table would record it; the values need not come from the advisor.
inline history::HandRecord Hand(std::int64_t session, const char* dealt, const char* held,
                                const char* finalHand, double holdEv, double bestEv, int pay = 0) {
    history::HandRecord hand;
    hand.session = session;
    hand.player = "Alice";
    hand.playedAt = kNow;
    hand.dealt = modcards::ParseHand(dealt);
    hand.held = *history::ParseHeld(held);
    hand.bestHeld = hand.held;
    hand.finalHand = modcards::ParseHand(finalHand);
    hand.pay = pay;
    hand.holdEv = holdEv;
    hand.bestEv = bestEv;
    return hand;
}

}  // namespace history_test
