// Encoding and decoding of the record bytes; shifts keep the byte order independent of the host.
#include "accounts/RecordCodec.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "accounts/Ansi.h"
#include "accounts/NameKey.h"

namespace output {
namespace {

// Every 16-bit field with its offset, in file order.
struct ShortField {
    std::size_t offset;
    std::int16_t PlayerRecord::*member;
};
constexpr ShortField kShortFields[] = {
    {offsets::kCredits, &PlayerRecord::Credits},
    {offsets::kHandsLost, &PlayerRecord::HandsLost},
    {offsets::kHandsPlayed, &PlayerRecord::HandsPlayed},
    {offsets::kHandsWon, &PlayerRecord::HandsWon},
    {offsets::kRoyalFlushes, &PlayerRecord::RoyalFlushes},
    {offsets::kFourDeuces, &PlayerRecord::FourDeuces},
    {offsets::kDeuceRoyals, &PlayerRecord::DeuceRoyals},
    {offsets::kFiveOfAKinds, &PlayerRecord::FiveOfAKinds},
    {offsets::kStraightFlushes, &PlayerRecord::StraightFlushes},
    {offsets::kFourOfAKinds, &PlayerRecord::FourOfAKinds},
    {offsets::kFullHouses, &PlayerRecord::FullHouses},
    {offsets::kFlushes, &PlayerRecord::Flushes},
    {offsets::kStraights, &PlayerRecord::Straights},
    {offsets::kThreeOfAKinds, &PlayerRecord::ThreeOfAKinds},
};

struct DateField {
    std::size_t offset;
    OleDate PlayerRecord::*member;
};
constexpr DateField kDateFields[] = {
    {offsets::kDateCreated, &PlayerRecord::DateCreated},
    {offsets::kLastRoyalFlush, &PlayerRecord::LastRoyalFlush},
    {offsets::kLastDeuceRoyal, &PlayerRecord::LastDeuceRoyal},
    {offsets::kLastFourDeuces, &PlayerRecord::LastFourDeuces},
};

void PutLittleEndian(unsigned char* at, std::uint64_t value, int size) {
    for (int i = 0; i < size; ++i) at[i] = static_cast<unsigned char>(value >> (8 * i));
}

std::uint64_t GetLittleEndian(const unsigned char* at, int size) {
    std::uint64_t value = 0;
    for (int i = 0; i < size; ++i) value |= std::uint64_t{at[i]} << (8 * i);
    return value;
}

// The OLE date of the last day of 9999; anything between -1 and 1 but 0 is no date either.
constexpr double kLatestDate = 2958466.0;

bool PlausibleDate(double date) {
    const double days = std::fabs(date);
    return date == 0 || (days >= 1 && days <= kLatestDate);
}

bool IsControl(unsigned char byte) {
    return byte < 0x20 || byte == 0x7F;
}

}  // namespace

RecordBytes EncodeRecord(const PlayerRecord& record) {
    RecordBytes bytes{};  // the reserved bytes stay 0
    const std::string ansi = StoredNameBytes(record.PlayerName);
    std::memcpy(bytes.data() + offsets::kName, ansi.data(), kNameLength);
    for (const auto& field : kShortFields) {
        const auto value = static_cast<std::uint16_t>(record.*field.member);
        PutLittleEndian(bytes.data() + field.offset, value, 2);
    }
    for (const auto& field : kDateFields) {
        PutLittleEndian(bytes.data() + field.offset,
                        std::bit_cast<std::uint64_t>(record.*field.member), 8);
    }
    return bytes;
}

PlayerRecord DecodeRecord(std::span<const unsigned char, kRecordSize> bytes) {
    PlayerRecord record;
    record.PlayerName = FromAnsi(std::string_view(
        reinterpret_cast<const char*>(bytes.data()) + offsets::kName, kNameLength));
    for (const auto& field : kShortFields) {
        const auto raw =
            static_cast<std::uint16_t>(GetLittleEndian(bytes.data() + field.offset, 2));
        record.*field.member = static_cast<std::int16_t>(raw);
    }
    for (const auto& field : kDateFields) {
        record.*field.member =
            std::bit_cast<OleDate>(GetLittleEndian(bytes.data() + field.offset, 8));
    }
    return record;
}

std::string NotAnAccountReason(std::span<const unsigned char, kRecordSize> bytes) {
    for (int i = 0; i < kNameLength; ++i) {
        if (IsControl(bytes[offsets::kName + i])) {
            return "the name there holds a control character (byte " +
                   std::to_string(offsets::kName + i + 1) + " of the record)";
        }
    }
    for (const auto& field : kDateFields) {
        if (!PlausibleDate(std::bit_cast<OleDate>(GetLittleEndian(bytes.data() + field.offset, 8))))
            return "a date there is no date";
    }
    return {};
}

}  // namespace output
