// One player's account: the 19 fields kept in the accounts file.
#pragma once

#include <cstdint>
#include <string>

namespace output {

// Days since 30 December 1899 00:00, the fraction giving the time of day; 0 means "never".
using OleDate = double;

constexpr int kNameLength = 30;  // characters of PlayerName
constexpr int kRecordSize = 92;  // bytes of one record in the file

struct PlayerRecord {
    std::string PlayerName;  // UTF-8 in memory; exactly 30 characters, space-filled
    OleDate DateCreated = 0;
    std::int16_t Credits = 0;
    std::int16_t HandsLost = 0;
    std::int16_t HandsPlayed = 0;
    std::int16_t HandsWon = 0;
    std::int16_t RoyalFlushes = 0;
    std::int16_t FourDeuces = 0;
    std::int16_t DeuceRoyals = 0;
    std::int16_t FiveOfAKinds = 0;
    std::int16_t StraightFlushes = 0;
    std::int16_t FourOfAKinds = 0;
    std::int16_t FullHouses = 0;
    std::int16_t Flushes = 0;
    std::int16_t Straights = 0;
    std::int16_t ThreeOfAKinds = 0;
    OleDate LastRoyalFlush = 0;
    OleDate LastDeuceRoyal = 0;
    OleDate LastFourDeuces = 0;
    friend bool operator==(const PlayerRecord&, const PlayerRecord&) = default;
};

}  // namespace output
