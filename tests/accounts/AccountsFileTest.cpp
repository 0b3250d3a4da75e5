// The accounts file on real files: search, positions, saving in place and adding accounts.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <set>
#include <string>

#include "tests/support/TestFiles.h"

namespace {

using output::AddPlayer;
using output::FindPlayer;
using output::SavePlayer;

TEST(AccountsFile, GrowsFromMissingByWholeRecordsOverAnyTornTail) {
    ScratchFolder folder;
    const auto missing = FindPlayer(folder.accounts(), "bob");
    EXPECT_FALSE(missing.found || missing.error);
    EXPECT_EQ(missing.position, 1);
    EXPECT_FALSE(SavePlayer(folder.accounts(), Account("bob"), 1));
    EXPECT_EQ(ReadAll(folder.accounts()), AccountsBytes({Account("bob")}));

    WriteAll(folder.accounts(), NumberedAccounts(2) + std::string(50, 'Z'));
    EXPECT_EQ(FindPlayer(folder.accounts(), "carol").position, 185);
    EXPECT_EQ(AddPlayer(folder.accounts(), Account("carol")).position, 185);
    EXPECT_EQ(ReadAll(folder.accounts()).size(), 92u * 3);
    EXPECT_EQ(FindPlayer(folder.accounts(), "dave").position, 1 + 92 * 3);
}

TEST(AccountsFile, SearchMatchesByKeyAndTheFirstMatchWins) {
    ScratchFolder folder;
    WriteAll(folder.accounts(),
             NumberedAccounts(2) + AccountsBytes({Account("Bob", 1), Account("  bob", 2),
                                                  Account(std::string(30, 'q'))}));
    const auto bob = FindPlayer(folder.accounts(), "  BOB ");
    EXPECT_TRUE(bob.found);
    EXPECT_EQ(bob.position, 185);
    EXPECT_EQ(bob.record.Credits, 1);
    EXPECT_FALSE(FindPlayer(folder.accounts(), "b ob").found);
    EXPECT_EQ(FindPlayer(folder.accounts(), std::string(30, 'Q')).record.PlayerName,
              std::string(30, 'q'));
}

TEST(AccountsFile, SearchFindsRecordsAcrossReadBlocks) {
    ScratchFolder folder;
    WriteAll(folder.accounts(), NumberedAccounts(20000));
    for (int i : {0, 8191, 8192, 16383, 19999}) {
        const auto search = FindPlayer(folder.accounts(), "player " + std::to_string(i));
        EXPECT_EQ(search.position, 1 + 92 * i);
        EXPECT_EQ(search.record.Credits, i);
    }
}

TEST(AccountsFile, SaveRewritesOnlyItsOwnRecordAndRefusesAnyOtherPlace) {
    ScratchFolder folder;
    WriteAll(folder.accounts(), NumberedAccounts(3));
    output::PlayerRecord middle = FindPlayer(folder.accounts(), "player 1").record;
    middle.Credits = -1234;
    ASSERT_FALSE(SavePlayer(folder.accounts(), middle, 93));
    const std::string expected =
        AccountsBytes({Account("Player 0", 0), middle, Account("Player 2", 2)});
    EXPECT_EQ(ReadAll(folder.accounts()), expected);

    // Another account's record, no record's start, or past a gap.
    for (std::int32_t bad : {1, 185, 0, -91, 94, 1 + 92 * 5}) {
        const auto error = SavePlayer(folder.accounts(), middle, bad);
        ASSERT_TRUE(error) << bad;
        EXPECT_EQ(error->fault, output::FileFault::AccountNotHere) << error->Describe();
        EXPECT_NE(error->Describe().find(folder.accounts().string()), std::string::npos);
    }
    EXPECT_EQ(ReadAll(folder.accounts()), expected);
}

// A backup restored while the game runs: the account is found again by name and saved at its
// new place under the name stored there.
TEST(AccountsFile, SaveIntoAReplacedFileKeepsTheStoredName) {
    ScratchFolder folder;
    WriteAll(folder.accounts(), NumberedAccounts(3));
    output::PlayerRecord sam = FindPlayer(folder.accounts(), "player 1").record;
    sam.Credits = 1;
    const std::string restored =
        AccountsBytes({Account("alice"), Account("carol"), Account("PLAYER 1", 5)});
    WriteAll(folder / "backup", restored);
    std::filesystem::rename(folder / "backup", folder.accounts());
    ASSERT_TRUE(SavePlayer(folder.accounts(), sam, 93));
    EXPECT_EQ(ReadAll(folder.accounts()), restored);

    ASSERT_FALSE(
        SavePlayer(folder.accounts(), sam, FindPlayer(folder.accounts(), "player 1").position));
    const output::PlayerRecord stored = FindPlayer(folder.accounts(), "player 1").record;
    EXPECT_EQ(stored.PlayerName.substr(0, 8), "PLAYER 1");
    EXPECT_EQ(stored.Credits, 1);
}

TEST(AccountsFile, CopiesOfTheGameAddingAtOnceGetOneRecordEach) {
    ScratchFolder folder;
    constexpr int kProcesses = 4, kEach = 30;
    for (int p = 0; p < kProcesses; ++p) {
        if (::fork() == 0) {
            for (int i = 0; i < kEach; ++i) {
                AddPlayer(folder.accounts(), Account(std::to_string(p * 1000 + i)));
                AddPlayer(folder.accounts(), Account("shared " + std::to_string(i)));
            }
            ::_exit(0);
        }
    }
    for (int p = 0; p < kProcesses; ++p) ::wait(nullptr);
    const std::string bytes = ReadAll(folder.accounts());
    std::set<std::string> names;
    for (std::size_t at = 0; at + 92 <= bytes.size(); at += 92) names.insert(bytes.substr(at, 30));
    EXPECT_EQ(bytes.size(), 92u * (kProcesses + 1) * kEach);
    EXPECT_EQ(names.size(), static_cast<std::size_t>((kProcesses + 1) * kEach));
}

}  // namespace
