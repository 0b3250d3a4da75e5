// File faults on real files: each is reported in words and leaves every stored byte as it was.
#include <grp.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <functional>

#include "accounts/AccountSeat.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/SmallDisk.h"
#include "tests/support/TestFiles.h"

namespace {

using output::AddPlayer;
using output::FindPlayer;
using output::SavePlayer;

// What the player would be told, or `success`.
std::string Told(const std::optional<output::FileError>& error, const char* success = "saved") {
    return error ? error->Describe() : success;
}
std::string Told(const output::SearchResult& search) {
    return Told(search.error, search.found ? "found" : "not found");
}

TEST(AccountsFileFaults, ReadOnlyFolderReportsThatNoAccountCanBeCreated) {
    ScratchFolder folder;
    ::chmod(folder.path().c_str(), 0555);
    EXPECT_EQ(RunUnprivileged([&] { return Told(FindPlayer(folder.accounts(), "bob")); }),
              "not found");
    EXPECT_EQ(RunUnprivileged([&] { return Told(AddPlayer(folder.accounts(), Account("bob"))); }),
              "Could not add the account of bob.\n\"" + folder.accounts().string() +
                  "\": Permission denied.");
    EXPECT_FALSE(std::filesystem::exists(folder.accounts()));
}

TEST(AccountsFileFaults, APipeDeviceOrFolderIsRefusedAtOnceInWords) {
    ScratchFolder folder;
    const std::filesystem::path pipe = folder.path() / "pipe", dir = folder.path() / "dir";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0666), 0);
    std::filesystem::create_directory(dir);
    for (const auto& [file, kind] : {std::pair{pipe, "a named pipe (FIFO)"},
                                     {std::filesystem::path("/dev/null"), "a device"},
                                     {dir, "a folder"}}) {
        const std::string told = RunInChild(
            [&] {
                output::PlayerRecord bob = Account("bob");
                return Told(FindPlayer(file, "bob")) + "|" + Told(AddPlayer(file, bob)) + "|" +
                       Told(SavePlayer(file, bob, 1)) + "|" +
                       Told(output::SaveHands(file, bob, bob, 1).error) + "|" +
                       Told(output::CheckAccountsFile(file));
            },
            false);
        const std::string reason = ".\n\"" + file.string() + "\": it is " + kind;
        for (const std::string action :
             {"search the accounts for bob", "add the account of bob", "save the account of bob",
              "read and write the accounts file"}) {
            EXPECT_NE(told.find(action + reason), std::string::npos) << told;
        }
    }
    EXPECT_TRUE(std::filesystem::is_fifo(pipe));
}

TEST(AccountsFileFaults, AReadOnlyFileIsSearchedButNeverChangedAndToldAsUnusable) {
    ScratchFolder folder;
    const std::string before = NumberedAccounts(3);
    WriteAll(folder.accounts(), before);
    const auto check = [&] { return Told(output::CheckAccountsFile(folder.accounts()), "usable"); };
    const std::string cannotUse =
        "Could not read and write the accounts file.\n\"" + folder.accounts().string() + "\": ";
    ::chmod(folder.accounts().c_str(), 0666);
    EXPECT_EQ(RunUnprivileged(check), "usable");
    ::chmod(folder.accounts().c_str(), 0444);
    EXPECT_EQ(RunUnprivileged(check), cannotUse + "Permission denied.");
    const auto first = FindPlayer(folder.accounts(), "player 0").record;
    EXPECT_EQ(RunUnprivileged([&] { return Told(FindPlayer(folder.accounts(), "player 2")); }),
              "found");
    EXPECT_EQ(RunUnprivileged([&] { return Told(SavePlayer(folder.accounts(), first, 1)); }),
              "Could not save the account of Player 0.\n\"" + folder.accounts().string() +
                  "\": Permission denied.");
    EXPECT_EQ(ReadAll(folder.accounts()), before);
    std::filesystem::remove(folder.accounts());
    EXPECT_EQ(check(), cannotUse + "No such file or directory.");
    EXPECT_FALSE(std::filesystem::exists(folder.accounts()));
}

// A copy of the game killed while it saves: the record is one save or the next, never torn.
// The child reports each save through a pipe, so every kill is aimed after a known number of
// saves, however slow the machine.
TEST(AccountsFileFaults, KillsWhileSavingTearNoRecordAndTouchNoOther) {
    ScratchFolder folder;
    const std::string before = NumberedAccounts(90);
    WriteAll(folder.accounts(), before);
    constexpr std::int32_t kAcrossPages = 1 + 92 * 44;  // bytes 4048..4139 cross a 4 KB page
    for (int kill = 0; kill < 30; ++kill) {
        int saved_fds[2];
        ASSERT_EQ(::pipe(saved_fds), 0);
        const pid_t child = ::fork();
        if (child == 0) {
            ::close(saved_fds[0]);
            output::PlayerRecord record = FindPlayer(folder.accounts(), "player 44").record;
            for (std::int16_t n = 1;; ++n) {
                record.Credits = record.HandsPlayed = record.ThreeOfAKinds = n;
                record.LastFourDeuces = n;
                SavePlayer(folder.accounts(), record, kAcrossPages);
                if (::write(saved_fds[1], "s", 1) != 1) ::_exit(1);
            }
        }
        ::close(saved_fds[1]);
        const int aimedAfter = 1 + kill % 7;
        int reported = 0;
        char byte;
        while (reported < aimedAfter && ::read(saved_fds[0], &byte, 1) == 1) ++reported;
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        ::close(saved_fds[0]);
        ASSERT_EQ(reported, aimedAfter) << "the saving child ended by itself";
        std::string after = ReadAll(folder.accounts());
        ASSERT_EQ(after.size(), before.size());
        const output::PlayerRecord saved = FindPlayer(folder.accounts(), "player 44").record;
        const bool oneSave = saved.HandsPlayed == saved.Credits &&
                             saved.ThreeOfAKinds == saved.Credits &&
                             saved.LastFourDeuces == saved.Credits;
        EXPECT_TRUE(oneSave) << "kill " << kill << ": a torn record, credits " << saved.Credits;
        EXPECT_GE(saved.HandsPlayed, aimedAfter) << "kill " << kill << " lost a finished save";
        after.replace(92 * 44, 92, before, 92 * 44, 92);
        EXPECT_EQ(after, before) << "kill " << kill << " changed another record";
    }
}

TEST(AccountsFileFaults, FullDiskRefusesNewAccountsAndKeepsTheOldOnes) {
    ScratchFolder folder;
    const SmallDisk small(folder.path() / "disk", "128k");
    if (!small.mounted()) GTEST_SKIP() << small.why();
    const std::filesystem::path& disk = small.path();
    const std::filesystem::path file = disk / "Players.dat";
    const std::string before = NumberedAccounts(1024);  // ends on a page: one more needs a new page
    WriteAll(file, before);
    WriteAll(disk / "filler", std::string(128 * 1024, '\0'));
    ASSERT_LT(std::filesystem::file_size(disk / "filler"), 128u * 1024) << "tmpfs did not fill";

    const auto added = AddPlayer(file, Account("one too many"));
    ASSERT_TRUE(added.error);
    EXPECT_EQ(added.error->reason, std::strerror(ENOSPC));
    EXPECT_EQ(ReadAll(file), before);
    output::PlayerRecord last = FindPlayer(file, "player 1023").record;  // in place needs no room
    last.Credits = 7;
    EXPECT_FALSE(SavePlayer(file, last, 1 + 92 * 1023));
}

// Refused in words by every operation, and left as it was.
void ExpectRefusedAndUntouched(const std::filesystem::path& file, const std::string& why) {
    const std::string before = ReadAll(file);
    const output::PlayerRecord carol = Account("carol");
    for (const std::string& told :
         {Told(FindPlayer(file, "carol")), Told(AddPlayer(file, carol).error),
          Told(output::SaveHands(file, carol, carol, 1).error),
          Told(output::CheckAccountsFile(file), "usable")}) {
        EXPECT_NE(told.find("it does not hold accounts: at byte "), std::string::npos)
            << why << ": " << told;
    }
    EXPECT_EQ(ReadAll(file), before) << why;
}

TEST(AccountsFileFaults, AFileThatHoldsNoAccountsIsRefusedInWordsAndLeftUntouched) {
    ScratchFolder folder;
    const std::string text =
        "root:x:0:0:root:/root:/bin/bash\ndaemon:x:1:1:daemon:/usr/sbin:/usr/sbin/nologin\n"
        "bin:x:2:2:bin:/bin:/usr/sbin/nologin\nsys:x:3:3:sys:/dev:/usr/sbin/nologin\n"
        "sync:x:4:65534:sync:/bin:/bin/sync\ngames:x:5:60:games:/usr/games:/usr/sbin/nologin\n";
    WriteAll(folder.accounts(), text);
    ExpectRefusedAndUntouched(folder.accounts(), "a text file");

    // Reached through a symbolic link, as a link to a system file would be.
    WriteAll(folder / "passwd", text);
    std::filesystem::remove(folder.accounts());
    std::filesystem::create_symlink(folder / "passwd", folder.accounts());
    ExpectRefusedAndUntouched(folder.accounts(), "a link to a text file");

    std::string accounts = NumberedAccounts(3);
    accounts[92 + 6] = '\t';  // "Player\t1"
    std::filesystem::remove(folder.accounts());
    WriteAll(folder.accounts(), accounts);
    ExpectRefusedAndUntouched(folder.accounts(), "a name with a control character");
}

TEST(AccountsFileFaults, AFailedAddOnAFullDiskLeavesNoFragment) {
    ScratchFolder folder;
    const SmallDisk small(folder.path() / "disk", "128k");
    if (!small.mounted()) GTEST_SKIP() << small.why();
    const std::filesystem::path file = small.path() / "Players.dat";
    const std::string before = NumberedAccounts(44);  // 4048 bytes: 48 more fill its page
    WriteAll(file, before);
    WriteAll(small.path() / "filler", std::string(128 * 1024, '\0'));

    const auto added = AddPlayer(file, Account("one too many"));
    ASSERT_TRUE(added.error);
    EXPECT_EQ(ReadAll(file), before);
    const output::PlayerRecord gone = Account("not in the file");
    EXPECT_TRUE(output::SaveHands(file, gone, gone, 1).error);  // added whole, or not at all
    EXPECT_TRUE(SavePlayer(file, gone, 1 + 92 * 44));
    EXPECT_EQ(ReadAll(file), before);
}

}  // namespace
