// The 92-byte record form: a sample written out byte by byte, and round trips.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "accounts/RecordCodec.h"

namespace {

using output::DecodeRecord;
using output::EncodeRecord;
using output::RecordBytes;

// "Bob" with its account data, as another program would have written it, filler bytes and all.
const RecordBytes kSample = {
    'B',  'o',  'b',  ' ',  ' ',  ' ',  ' ',  ' ',  ' ',  ' ',
    ' ',  ' ',  ' ',  ' ',  ' ',  // name 0..14
    ' ',  ' ',  ' ',  ' ',  ' ',  ' ',  ' ',  ' ',  ' ',  ' ',
    ' ',  ' ',  ' ',  ' ',  ' ',                                 // name 15..29
    0xAB, 0xCD,                                                  // reserved
    0x00, 0x00, 0x00, 0x00, 0x10, 0xF9, 0xE5, 0x40,              // 45000.5
    0xFB, 0xFF,                                                  // Credits -5
    0x07, 0x00, 0x2C, 0x01, 0x25, 0x01,                          // lost, played, won
    0x01, 0x00, 0x02, 0x00, 0x03, 0x00, 0x04, 0x00, 0x05, 0x00,  // categories 1..5
    0x06, 0x00, 0x07, 0x00, 0x08, 0x00, 0x09, 0x00, 0x02, 0x01,  // categories 6..10
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,              // never
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xF4, 0x3F,              // 1.25
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xF8, 0xBF,              // -1.5
};

TEST(RecordForm, HandWrittenSampleDecodesFieldByField) {
    const output::PlayerRecord r = DecodeRecord(kSample);
    EXPECT_EQ(r.PlayerName, "Bob" + std::string(27, ' '));
    EXPECT_EQ(r.DateCreated, 45000.5);
    EXPECT_EQ(r.Credits, -5);
    EXPECT_EQ(r.HandsLost, 7);
    EXPECT_EQ(r.HandsPlayed, 300);
    EXPECT_EQ(r.HandsWon, 293);
    EXPECT_EQ(r.RoyalFlushes, 1);
    EXPECT_EQ(r.FourDeuces, 2);
    EXPECT_EQ(r.DeuceRoyals, 3);
    EXPECT_EQ(r.FiveOfAKinds, 4);
    EXPECT_EQ(r.StraightFlushes, 5);
    EXPECT_EQ(r.FourOfAKinds, 6);
    EXPECT_EQ(r.FullHouses, 7);
    EXPECT_EQ(r.Flushes, 8);
    EXPECT_EQ(r.Straights, 9);
    EXPECT_EQ(r.ThreeOfAKinds, 258);
    EXPECT_EQ(r.LastRoyalFlush, 0.0);
    EXPECT_EQ(r.LastDeuceRoyal, 1.25);
    EXPECT_EQ(r.LastFourDeuces, -1.5);
}

TEST(RecordForm, EncodingWritesTheSampleBackWithZeroFiller) {
    RecordBytes expected = kSample;
    expected[30] = expected[31] = 0;
    EXPECT_EQ(EncodeRecord(DecodeRecord(kSample)), expected);
}

TEST(RecordForm, EveryNameByteSurvivesARoundTrip) {
    // All 256 byte values in turn, including the code page's five unassigned ones and NUL.
    for (int start = 0; start < 256; start += 30) {
        RecordBytes bytes = kSample;
        bytes[30] = bytes[31] = 0;
        for (int i = 0; i < 30; ++i) bytes[i] = static_cast<unsigned char>((start + i) % 256);
        const output::PlayerRecord record = DecodeRecord(bytes);
        EXPECT_EQ(EncodeRecord(record), bytes) << "bytes from " << start;
        EXPECT_EQ(DecodeRecord(EncodeRecord(record)), record);
    }
}

TEST(RecordForm, NamesAreStoredAsWindows1252SpaceFilled) {
    output::PlayerRecord record;
    record.PlayerName = "Zoë";  // UTF-8 in memory, one byte in the file
    const RecordBytes bytes = EncodeRecord(record);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 30), "Zo\xEB" + std::string(27, ' '));
    EXPECT_EQ(DecodeRecord(bytes).PlayerName, "Zoë" + std::string(27, ' '));
}

}  // namespace
