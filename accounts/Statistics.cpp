// How a settled hand changes an account, with every 16-bit field held inside its range.
#include "accounts/Statistics.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <limits>

namespace output {
namespace {

constexpr int kMin16 = std::numeric_limits<std::int16_t>::min();
constexpr int kMax16 = std::numeric_limits<std::int16_t>::max();

// What each paying category changes: its counter, and the date of the three best wins.
struct CategoryRow {
    std::int16_t PlayerRecord::*counter;
    OleDate PlayerRecord::*lastWin;  // null when the category keeps no date
};

// Indexed by HandCategory 1..10; note the date order differs from the category order.
constexpr CategoryRow kRows[] = {
    {&PlayerRecord::RoyalFlushes, &PlayerRecord::LastRoyalFlush},
    {&PlayerRecord::FourDeuces, &PlayerRecord::LastFourDeuces},
    {&PlayerRecord::DeuceRoyals, &PlayerRecord::LastDeuceRoyal},
    {&PlayerRecord::FiveOfAKinds, nullptr},
    {&PlayerRecord::StraightFlushes, nullptr},
    {&PlayerRecord::FourOfAKinds, nullptr},
    {&PlayerRecord::FullHouses, nullptr},
    {&PlayerRecord::Flushes, nullptr},
    {&PlayerRecord::Straights, nullptr},
    {&PlayerRecord::ThreeOfAKinds, nullptr},
};

// The counters and dates of every hand, for carrying them from one copy of an account to another.
constexpr std::int16_t PlayerRecord::*kCounters[] = {
    &PlayerRecord::HandsLost,     &PlayerRecord::HandsPlayed,     &PlayerRecord::HandsWon,
    &PlayerRecord::RoyalFlushes,  &PlayerRecord::FourDeuces,      &PlayerRecord::DeuceRoyals,
    &PlayerRecord::FiveOfAKinds,  &PlayerRecord::StraightFlushes, &PlayerRecord::FourOfAKinds,
    &PlayerRecord::FullHouses,    &PlayerRecord::Flushes,         &PlayerRecord::Straights,
    &PlayerRecord::ThreeOfAKinds,
};
constexpr OleDate PlayerRecord::*kLastWinDates[] = {
    &PlayerRecord::LastRoyalFlush, &PlayerRecord::LastDeuceRoyal, &PlayerRecord::LastFourDeuces};

// Adds `amount` to a 16-bit field; returns true when the sum had to stop at a limit.
bool AddClamped(std::int16_t& field, int amount) {
    const int sum = field + amount;
    field = static_cast<std::int16_t>(std::clamp(sum, kMin16, kMax16));
    return sum != field;
}

}  // namespace

LimitReport RecordHand(PlayerRecord& record, std::int16_t category, const modcards::PayTable& table,
                       OleDate now) {
    const bool won = category >= 1 && category <= 10;
    const CategoryRow* row = won ? &kRows[category - 1] : nullptr;
    // The counters a hand raises move together or not at all: once one of them stands at its
    // limit the hand is paid and dated but not counted, so HandsPlayed = HandsWon + HandsLost
    // and HandsWon = the sum of the category counters keep holding.
    std::int16_t* counters[] = {&record.HandsPlayed, won ? &record.HandsWon : &record.HandsLost,
                                row ? &(record.*row->counter) : nullptr};
    const bool full = std::any_of(std::begin(counters), std::end(counters),
                                  [](const std::int16_t* c) { return c && *c >= kMax16; });
    LimitReport report;
    report.countersAtLimit = full;
    if (!full)
        for (std::int16_t* counter : counters)
            if (counter) ++*counter;
    if (row) {
        report.creditsAtLimit = AddClamped(record.Credits, modcards::PayOf(table, category));
        if (row->lastWin != nullptr) record.*row->lastWin = now;
    }
    return report;
}

LimitReport CarryHands(PlayerRecord& stored, const PlayerRecord& before,
                       const PlayerRecord& after) {
    LimitReport report;
    report.creditsAtLimit = AddClamped(stored.Credits, after.Credits - before.Credits);
    for (const auto counter : kCounters) {
        report.countersAtLimit |= AddClamped(stored.*counter, after.*counter - before.*counter);
    }
    for (const auto date : kLastWinDates) {
        if (after.*date != before.*date) stored.*date = after.*date;
    }
    return report;
}

bool CanChargeStake(const PlayerRecord& record, std::int16_t stake) {
    const int after = record.Credits - stake;
    return after >= kMin16 && after <= kMax16;
}

}  // namespace output
