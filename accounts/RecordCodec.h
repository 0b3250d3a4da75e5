// The 92-byte file form of a PlayerRecord: named offsets, encoded little-endian on any host.
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string>

#include "accounts/PlayerRecord.h"

namespace output {

using RecordBytes = std::array<unsigned char, kRecordSize>;

namespace offsets {
constexpr std::size_t kName = 0;       // 30 Windows-1252 bytes, space-filled, no terminator
constexpr std::size_t kReserved = 30;  // 2 bytes of alignment: written as 0, never read
constexpr std::size_t kDateCreated = 32;
constexpr std::size_t kCredits = 40;
constexpr std::size_t kHandsLost = 42;
constexpr std::size_t kHandsPlayed = 44;
constexpr std::size_t kHandsWon = 46;
constexpr std::size_t kRoyalFlushes = 48;
constexpr std::size_t kFourDeuces = 50;
constexpr std::size_t kDeuceRoyals = 52;
constexpr std::size_t kFiveOfAKinds = 54;
constexpr std::size_t kStraightFlushes = 56;
constexpr std::size_t kFourOfAKinds = 58;
constexpr std::size_t kFullHouses = 60;
constexpr std::size_t kFlushes = 62;
constexpr std::size_t kStraights = 64;
constexpr std::size_t kThreeOfAKinds = 66;
constexpr std::size_t kLastRoyalFlush = 68;
constexpr std::size_t kLastDeuceRoyal = 76;
constexpr std::size_t kLastFourDeuces = 84;
static_assert(kLastFourDeuces + 8 == kRecordSize);
}  // namespace offsets

RecordBytes EncodeRecord(const PlayerRecord& record);
PlayerRecord DecodeRecord(std::span<const unsigned char, kRecordSize> bytes);

// Why 92 bytes cannot be an account, in words, or an empty text. An account's name holds no
// control characters, and each of its dates is 0 ("never") or from 1 to 2,958,466 days (the year
// 9999) away from 30 December 1899: what a text file or other stray content almost never gives.
std::string NotAnAccountReason(std::span<const unsigned char, kRecordSize> bytes);

}  // namespace output
