// The accounts file on real files: search, positions, saving in place and adding accounts.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <set>
#include <string>

#include "accounts/AccountsFile.h"
#include "accounts/RecordCodec.h"
#include "tests/accounts/TestFiles.h"

namespace {

using namespace accounts_test;
using output::AddPlayer;
using output::FindPlayer;
using output::SavePlayer;

output::PlayerRecord Named(const std::string& name, std::int16_t credits = 200) {
    return output::NewPlayerRecord(name, credits, FixedClock(45000.25));
}

TEST(AccountsFile, MissingFileIsEmptyAndTheFirstSaveCreatesIt) {
    TempFolder folder;
    const auto search = FindPlayer(folder.file(), "bob");
    EXPECT_FALSE(search.found);
    EXPECT_FALSE(search.error);
    EXPECT_EQ(search.position, 1);

    EXPECT_FALSE(SavePlayer(folder.file(), Named("bob"), 1));
    const Bytes bytes = ReadAll(folder.file());
    ASSERT_EQ(bytes.size(), 92u);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 30), "bob" + std::string(27, ' '));
    EXPECT_TRUE(FindPlayer(folder.file(), "bob").found);
}

TEST(AccountsFile, FailedSearchReportsTheAppendPositionAfterWholeRecords) {
    TempFolder folder;
    WriteAll(folder.file(), MakeAccounts(3));
    EXPECT_EQ(FindPlayer(folder.file(), "nobody").position, 1 + 92 * 3);
    EXPECT_FALSE(SavePlayer(folder.file(), Named("nobody"), 1 + 92 * 3));
    EXPECT_EQ(ReadAll(folder.file()).size(), 92u * 4);

    // A torn tail shorter than a record is where the next account goes, replacing it.
    Bytes torn = MakeAccounts(2);
    torn.insert(torn.end(), 50, 'Z');
    WriteAll(folder.file(), torn);
    const auto added = AddPlayer(folder.file(), Named("carol"));
    EXPECT_FALSE(added.found);
    EXPECT_EQ(added.position, 185);
    EXPECT_EQ(ReadAll(folder.file()).size(), 92u * 3);
    EXPECT_EQ(FindPlayer(folder.file(), "carol").position, 185);
}

TEST(AccountsFile, SearchMatchesByKeyAndTheFirstMatchWins) {
    TempFolder folder;
    Bytes bytes = MakeAccounts(2);
    for (const auto& record :
         {Named("Bob", 1), Named("  bob", 2), Named(std::string(30, 'q'), 3)}) {
        const auto one = output::EncodeRecord(record);
        bytes.insert(bytes.end(), one.begin(), one.end());
    }
    WriteAll(folder.file(), bytes);

    const auto bob = FindPlayer(folder.file(), "  BOB ");
    ASSERT_TRUE(bob.found);
    EXPECT_EQ(bob.position, 185);
    EXPECT_EQ(bob.record.Credits, 1);
    EXPECT_FALSE(FindPlayer(folder.file(), "b ob").found);
    const auto thirty = FindPlayer(folder.file(), std::string(30, 'Q'));
    ASSERT_TRUE(thirty.found);
    EXPECT_EQ(thirty.record.PlayerName, std::string(30, 'q'));
}

TEST(AccountsFile, SearchFindsRecordsAcrossReadBlocks) {
    TempFolder folder;
    WriteAll(folder.file(), MakeAccounts(20000));
    for (int i : {0, 8191, 8192, 16383, 19999}) {
        const auto search = FindPlayer(folder.file(), "player " + std::to_string(i));
        ASSERT_TRUE(search.found) << i;
        EXPECT_EQ(search.position, 1 + 92 * i);
        EXPECT_EQ(search.record.Credits, i);
    }
}

TEST(AccountsFile, SaveRewritesOnlyItsOwnRecord) {
    TempFolder folder;
    const Bytes before = MakeAccounts(3);
    WriteAll(folder.file(), before);
    output::PlayerRecord middle = FindPlayer(folder.file(), "player 1").record;
    middle.Credits = -1234;
    ASSERT_FALSE(SavePlayer(folder.file(), middle, 93));

    Bytes expected = before;
    const auto one = output::EncodeRecord(middle);
    std::copy(one.begin(), one.end(), expected.begin() + 92);
    EXPECT_EQ(ReadAll(folder.file()), expected);

    // Positions that are not a record's start, or would leave a gap, are refused untouched.
    for (std::int32_t bad : {0, -91, 94, 1 + 92 * 5}) {
        const auto error = SavePlayer(folder.file(), middle, bad);
        ASSERT_TRUE(error) << bad;
        EXPECT_NE(error->Describe().find(folder.file().string()), std::string::npos);
    }
    EXPECT_EQ(ReadAll(folder.file()), expected);
}

TEST(AccountsFile, AddingAnExistingNameWritesNothing) {
    TempFolder folder;
    const std::string longName = "A name far longer than thirty characters";
    ASSERT_FALSE(AddPlayer(folder.file(), Named(longName)).found);
    const Bytes before = ReadAll(folder.file());
    for (const std::string& again :
         {longName, std::string("A NAME FAR LONGER THAN THIRTY CHARS")}) {
        const auto result = AddPlayer(folder.file(), Named(again, 5));
        EXPECT_TRUE(result.found) << again;
        EXPECT_EQ(result.position, 1);
        EXPECT_EQ(result.record.Credits, 200);
    }
    EXPECT_EQ(ReadAll(folder.file()), before);
}

TEST(AccountsFile, CopiesOfTheGameAddingAtOnceGetOneRecordEach) {
    TempFolder folder;
    constexpr int kProcesses = 4;
    constexpr int kEach = 30;
    for (int p = 0; p < kProcesses; ++p) {
        if (::fork() == 0) {
            for (int i = 0; i < kEach; ++i) {
                AddPlayer(folder.file(), Named(std::to_string(p * 1000 + i)));
                AddPlayer(folder.file(), Named("shared " + std::to_string(i)));
            }
            ::_exit(0);
        }
    }
    for (int p = 0; p < kProcesses; ++p) ::wait(nullptr);

    const Bytes bytes = ReadAll(folder.file());
    ASSERT_EQ(bytes.size(), 92u * (kProcesses * kEach + kEach));
    std::set<std::string> names;
    for (std::size_t at = 0; at < bytes.size(); at += 92) {
        names.insert(std::string(bytes.begin() + at, bytes.begin() + at + 30));
    }
    EXPECT_EQ(names.size(), static_cast<std::size_t>(kProcesses * kEach + kEach));
}

}  // namespace
