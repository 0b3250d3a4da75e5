// File faults on real files: each is reported in words and leaves every stored byte as it was.
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <functional>

#include "tests/accounts/TestFiles.h"

namespace {

using namespace accounts_test;
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

// Runs `body` as user nobody in a child process, since permission bits do not stop root.
std::string RunUnprivileged(const std::function<std::string()>& body) {
    if (::geteuid() != 0) return body();
    int fds[2];
    if (::pipe(fds) != 0) return "no pipe";
    const pid_t child = ::fork();
    if (child == 0) {
        const bool dropped =
            ::setgroups(0, nullptr) == 0 && ::setgid(65534) == 0 && ::setuid(65534) == 0;
        const std::string text = dropped ? body() : "could not drop privileges";
        (void)!::write(fds[1], text.data(), text.size());
        ::_exit(0);
    }
    ::close(fds[1]);
    std::string text;
    char buffer[512];
    for (ssize_t n; (n = ::read(fds[0], buffer, sizeof buffer)) > 0;) text.append(buffer, n);
    ::close(fds[0]);
    ::waitpid(child, nullptr, 0);
    return text;
}

TEST(AccountsFileFaults, ReadOnlyFolderReportsThatNoAccountCanBeCreated) {
    TempFolder folder;
    ::chmod(folder.path().c_str(), 0555);
    EXPECT_EQ(RunUnprivileged([&] { return Told(FindPlayer(folder.file(), "bob")); }), "not found");
    EXPECT_EQ(RunUnprivileged([&] { return Told(AddPlayer(folder.file(), Named("bob"))); }),
              "Could not add the account of bob.\n\"" + folder.file().string() +
                  "\": Permission denied.");
    EXPECT_FALSE(std::filesystem::exists(folder.file()));
}

TEST(AccountsFileFaults, ReadOnlyFileIsSearchedButNeverChanged) {
    TempFolder folder;
    const Bytes before = MakeAccounts(3);
    WriteAll(folder.file(), before);
    ::chmod(folder.file().c_str(), 0444);
    const auto first = FindPlayer(folder.file(), "player 0").record;
    EXPECT_EQ(RunUnprivileged([&] { return Told(FindPlayer(folder.file(), "player 2")); }),
              "found");
    EXPECT_EQ(RunUnprivileged([&] { return Told(SavePlayer(folder.file(), first, 1)); }),
              "Could not save the account of Player 0.\n\"" + folder.file().string() +
                  "\": Permission denied.");
    EXPECT_EQ(ReadAll(folder.file()), before);
}

TEST(AccountsFileFaults, FullDiskRefusesNewAccountsAndKeepsTheOldOnes) {
    TempFolder folder;
    const std::filesystem::path disk = folder.path() / "disk", file = disk / "Players.dat";
    std::filesystem::create_directory(disk);
    if (::mount("tmpfs", disk.c_str(), "tmpfs", 0, "size=128k") != 0) {
        GTEST_SKIP() << "cannot mount a small tmpfs to fill (" << std::strerror(errno)
                     << "); this needs root or CAP_SYS_ADMIN";
    }
    struct Unmount {
        const std::filesystem::path& at;
        ~Unmount() { ::umount2(at.c_str(), MNT_DETACH); }
    } unmount{disk};
    const Bytes before = MakeAccounts(1024);  // ends on a page: one more needs a new page
    WriteAll(file, before);
    WriteAll(disk / "filler", Bytes(128 * 1024, 0));
    ASSERT_LT(std::filesystem::file_size(disk / "filler"), 128u * 1024) << "tmpfs did not fill";

    const auto added = AddPlayer(file, Named("one too many"));
    ASSERT_TRUE(added.error);
    EXPECT_EQ(added.error->reason, std::strerror(ENOSPC));
    EXPECT_EQ(ReadAll(file), before);
    output::PlayerRecord last = FindPlayer(file, "player 1023").record;  // in place needs no room
    last.Credits = 7;
    EXPECT_FALSE(SavePlayer(file, last, 1 + 92 * 1023));
}

}  // namespace
