// One settled hand as the hand history keeps it (a row of the table `hands`), and its session.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/Card.h"
#include "engine/PayTable.h"
#include "engine/analysis/Pays.h"
#include "game/history/LeakKey.h"

namespace history {

// A hold as a slot mask: bit i set keeps the card at table position i (0 = leftmost).
using HeldSlots = modcards::HoldMask;

// One run of the game for one player, as BeginSession started it.
struct Session {
    std::int64_t id = 0;    // 1 and up; unique among every copy of the game writing the file
    std::string player;     // the account's name, surrounding blanks removed
    std::string startedAt;  // local date and time, "2024-05-01T14:03:22"
};

// How a hand was played: at the account's own table, in a drill, or at a practice table.
inline constexpr const char* kAccountMode = "account";
inline constexpr const char* kDrillMode = "drill";
inline constexpr const char* kPracticeMode = "practice";
// A drill's hands were chosen to teach, not dealt, and nothing was staked on them: the review's
// figures, leaks and trend leave them out (the CSV of the hands keeps them, by their mode). The
// same test in SQL, for the queries of the hands a review reads.
inline constexpr const char* kReviewedSql = "mode <> 'drill'";

// The pays of `table` per unit bet (its entry 0), ten numbers separated by commas:
// "600,200,25,16,10,4,4,3,2,1" for the game's table. A pay that is no whole number of units
// is written with the decimals it needs.
std::string PaysText(const modcards::PayTable& table);
// The same for pays given per unit bet.
std::string PaysText(const modcards::analysis::Pays& pays);

struct HandRecord {
    std::int64_t id = 0;         // the row's number, given by the history; 0 before it is written
    std::int64_t session = 0;    // the session the hand was played in, from BeginSession
    std::string player;          // the account's name, surrounding blanks removed
    std::string playedAt;        // local date and time, "2024-05-01T14:03:22"
    modcards::Hand dealt{};      // the five dealt cards, left to right as the table shows them
    HeldSlots held = 0;          // the hold taken
    HeldSlots bestHeld = 0;      // the best hold (the first of several of equal value)
    modcards::Hand finalHand{};  // the five cards after the draw, left to right
    int category = 0;            // the HandCategory settled, 0..10
    int pay = 0;                 // credits paid for the stake
    double holdEv = 0;           // expected pay of the hold taken, in credits for the stake
    double bestEv = 0;           // expected pay of the best hold, in credits for the stake
    std::string mode = kAccountMode;                        // how the hand was played
    std::string pays = PaysText(modcards::GamePayTable());  // the table it was played at
    std::optional<LeakKey> drill = std::nullopt;  // a drill's hand: the leak group it was dealt for

    // Expected credits the hold taken gave up against the best hold; 0 for an equal hold.
    double Cost() const { return bestEv - holdEv; }
    // Whether a review counts the hand: not a drill's (kReviewedSql).
    bool Reviewed() const { return mode != kDrillMode; }
    friend bool operator==(const HandRecord&, const HandRecord&) = default;
};

// Whether `hand` was played at the game's own pay table, the one table the game's chart is
// the chart of (a practice table may have the same pays).
bool AtGameTable(const HandRecord& hand);

// The largest pay a hand can have: the pay table's entries are 16-bit.
inline constexpr int kMostPay = 32767;

// Why the numbers of `hand` cannot be a hand's, in words; empty when they can: its session,
// category and pay in range, and both expected pays finite, from 0 to kMostPay, the hold's no
// more than the best. A review reads no row that fails it, so its sums stay finite and exact.
std::string NumbersProblem(const HandRecord& hand);

// Why the history would refuse `hand`, in words; empty when every field is in range.
std::string RecordProblem(const HandRecord& hand);

// "10010": '1' for a held position, left to right.
std::string HeldText(HeldSlots held);

// The slots of a HeldText; nothing for text that is not five '0' or '1' characters.
std::optional<HeldSlots> ParseHeld(std::string_view text);

}  // namespace history
