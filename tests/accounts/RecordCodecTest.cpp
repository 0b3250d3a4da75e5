// The 92-byte record form: a sample written out byte by byte, and round trips.
#include <gtest/gtest.h>

#include <string>

#include "accounts/RecordCodec.h"

namespace {

using output::DecodeRecord;
using output::EncodeRecord;
using output::RecordBytes;

TEST(RecordForm, HandWrittenSampleDecodesFieldByFieldAndEncodesBack) {
    RecordBytes sample = {'B', 'o', 'b'};
    std::fill(sample.begin() + 3, sample.begin() + 30, ' ');
    const unsigned char rest[] = {
        0xAB, 0xCD,                                                  // reserved filler
        0x00, 0x00, 0x00, 0x00, 0x10, 0xF9, 0xE5, 0x40,              // created 45000.5
        0xFB, 0xFF, 0x07, 0x00, 0x2C, 0x01, 0x25, 0x01,              // -5, lost, played, won
        0x01, 0x00, 0x02, 0x00, 0x03, 0x00, 0x04, 0x00, 0x05, 0x00,  // categories 1..5
        0x06, 0x00, 0x07, 0x00, 0x08, 0x00, 0x09, 0x00, 0x02, 0x01,  // categories 6..10
        0,    0,    0,    0,    0,    0,    0,    0,                 // never
        0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xF4, 0x3F,              // 1.25
        0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xF8, 0xBF};             // -1.5
    std::copy(std::begin(rest), std::end(rest), sample.begin() + 30);

    output::PlayerRecord expected{"Bob" + std::string(27, ' '), 45000.5, -5, 7, 300, 293};
    expected.RoyalFlushes = 1, expected.FourDeuces = 2, expected.DeuceRoyals = 3;
    expected.FiveOfAKinds = 4, expected.StraightFlushes = 5, expected.FourOfAKinds = 6;
    expected.FullHouses = 7, expected.Flushes = 8, expected.Straights = 9;
    expected.ThreeOfAKinds = 258, expected.LastDeuceRoyal = 1.25, expected.LastFourDeuces = -1.5;
    EXPECT_EQ(DecodeRecord(sample), expected);
    sample[30] = sample[31] = 0;
    EXPECT_EQ(EncodeRecord(expected), sample);
}

TEST(RecordForm, EveryNameByteSurvivesARoundTrip) {
    // All 256 byte values in turn, the code page's five unassigned ones and NUL included.
    for (int start = 0; start < 256; start += 30) {
        RecordBytes bytes{};
        for (int i = 0; i < 30; ++i) bytes[i] = static_cast<unsigned char>((start + i) % 256);
        bytes[40] = 0x80;  // Credits -32768 keeps its sign
        EXPECT_EQ(EncodeRecord(DecodeRecord(bytes)), bytes) << "bytes from " << start;
    }
    output::PlayerRecord zoe;
    zoe.PlayerName = "Zoë";  // UTF-8 in memory, one Windows-1252 byte in the file
    EXPECT_EQ(EncodeRecord(zoe)[2], 0xEB);
    EXPECT_EQ(DecodeRecord(EncodeRecord(zoe)).PlayerName, "Zoë" + std::string(27, ' '));
}

}  // namespace
