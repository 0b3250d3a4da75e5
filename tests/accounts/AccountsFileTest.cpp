// The accounts file on real files: search, positions, saving in place and adding accounts.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <set>
#include <string>

#include "tests/accounts/TestFiles.h"

namespace {

using namespace accounts_test;
using output::AddPlayer;
using output::FindPlayer;
using output::SavePlayer;

TEST(AccountsFile, GrowsFromMissingByWholeRecordsOverAnyTornTail) {
    TempFolder folder;
    const auto missing = FindPlayer(folder.file(), "bob");
    EXPECT_FALSE(missing.found || missing.error);
    EXPECT_EQ(missing.position, 1);
    EXPECT_FALSE(SavePlayer(folder.file(), Named("bob"), 1));
    const Bytes first = ReadAll(folder.file());
    ASSERT_EQ(first.size(), 92u);
    EXPECT_EQ(std::string(first.begin(), first.begin() + 30), "bob" + std::string(27, ' '));

    Bytes torn = MakeAccounts(2);
    torn.insert(torn.end(), 50, 'Z');
    WriteAll(folder.file(), torn);
    EXPECT_EQ(FindPlayer(folder.file(), "carol").position, 185);
    EXPECT_EQ(AddPlayer(folder.file(), Named("carol")).position, 185);
    EXPECT_EQ(ReadAll(folder.file()).size(), 92u * 3);
    EXPECT_EQ(FindPlayer(folder.file(), "dave").position, 1 + 92 * 3);
}

TEST(AccountsFile, SearchMatchesByKeyAndTheFirstMatchWins) {
    TempFolder folder;
    Bytes bytes = MakeAccounts(2);
    for (const auto& record : {Named("Bob", 1), Named("  bob", 2), Named(std::string(30, 'q'))}) {
        const auto one = output::EncodeRecord(record);
        bytes.insert(bytes.end(), one.begin(), one.end());
    }
    WriteAll(folder.file(), bytes);
    const auto bob = FindPlayer(folder.file(), "  BOB ");
    EXPECT_TRUE(bob.found);
    EXPECT_EQ(bob.position, 185);
    EXPECT_EQ(bob.record.Credits, 1);
    EXPECT_FALSE(FindPlayer(folder.file(), "b ob").found);
    EXPECT_EQ(FindPlayer(folder.file(), std::string(30, 'Q')).record.PlayerName,
              std::string(30, 'q'));
}

TEST(AccountsFile, SearchFindsRecordsAcrossReadBlocks) {
    TempFolder folder;
    WriteAll(folder.file(), MakeAccounts(20000));
    for (int i : {0, 8191, 8192, 16383, 19999}) {
        const auto search = FindPlayer(folder.file(), "player " + std::to_string(i));
        EXPECT_EQ(search.position, 1 + 92 * i);
        EXPECT_EQ(search.record.Credits, i);
    }
}

TEST(AccountsFile, SaveRewritesOnlyItsOwnRecordAndRefusesOddPositions) {
    TempFolder folder;
    Bytes expected = MakeAccounts(3);
    WriteAll(folder.file(), expected);
    output::PlayerRecord middle = FindPlayer(folder.file(), "player 1").record;
    middle.Credits = -1234;
    ASSERT_FALSE(SavePlayer(folder.file(), middle, 93));
    const auto one = output::EncodeRecord(middle);
    std::copy(one.begin(), one.end(), expected.begin() + 92);
    EXPECT_EQ(ReadAll(folder.file()), expected);

    for (std::int32_t bad : {0, -91, 94, 1 + 92 * 5}) {  // not a record's start, or past a gap
        const auto error = SavePlayer(folder.file(), middle, bad);
        ASSERT_TRUE(error) << bad;
        EXPECT_NE(error->Describe().find(folder.file().string()), std::string::npos);
    }
    EXPECT_EQ(ReadAll(folder.file()), expected);
}

TEST(AccountsFile, SaveIntoAReplacedFileRefusesAndLeavesEveryRecordAsItWas) {
    TempFolder folder;
    WriteAll(folder.file(), MakeAccounts(3));
    output::PlayerRecord sam = FindPlayer(folder.file(), "player 1").record;
    sam.Credits = 1;
    // A backup restored while the game runs: other accounts where the table's account was.
    Bytes restored;
    for (const auto& record : {Named("alice"), Named("carol", 9999), Named("PLAYER 1", 5)}) {
        const auto one = output::EncodeRecord(record);
        restored.insert(restored.end(), one.begin(), one.end());
    }
    WriteAll(folder.path() / "backup", restored);
    std::filesystem::rename(folder.path() / "backup", folder.file());

    for (std::int32_t at : {93, 1 + 92 * 3, 1 + 92 * 4, 94}) {
        const auto error = SavePlayer(folder.file(), sam, at);
        ASSERT_TRUE(error) << at;
        EXPECT_EQ(error->fault, output::FileFault::AccountNotHere) << error->Describe();
    }
    EXPECT_EQ(ReadAll(folder.file()), restored);

    // Found again by name, the account is saved at its new place under its stored name.
    const auto again = FindPlayer(folder.file(), sam.PlayerName);
    ASSERT_FALSE(SavePlayer(folder.file(), sam, again.position));
    const auto one = output::EncodeRecord(sam);
    std::copy(one.begin() + 30, one.end(), restored.begin() + 92 * 2 + 30);
    EXPECT_EQ(ReadAll(folder.file()), restored);
}

TEST(AccountsFile, CopiesOfTheGameAddingAtOnceGetOneRecordEach) {
    TempFolder folder;
    constexpr int kProcesses = 4, kEach = 30;
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
    std::set<std::string> names;
    for (std::size_t at = 0; at + 92 <= bytes.size(); at += 92) {
        names.emplace(bytes.begin() + at, bytes.begin() + at + 30);
    }
    EXPECT_EQ(bytes.size(), 92u * (kProcesses + 1) * kEach);
    EXPECT_EQ(names.size(), static_cast<std::size_t>((kProcesses + 1) * kEach));
}

}  // namespace
