// File faults on real files: each is reported in words and leaves every stored byte as it was.
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <functional>
#include <string>

#include "accounts/AccountsFile.h"
#include "tests/accounts/TestFiles.h"

namespace {

using namespace accounts_test;
using output::AddPlayer;
using output::FindPlayer;
using output::SavePlayer;

// What a player would be told, or "saved" / "found" / "not found" when nothing went wrong.
std::string Outcome(const std::optional<output::FileError>& error, const char* success) {
    return error ? error->Describe() : success;
}
std::string Outcome(const output::SearchResult& search) {
    return Outcome(search.error, search.found ? "found" : "not found");
}

// Runs `body` as an unprivileged user, since permission bits do not stop root. Returns its text,
// or runs it directly when the tests are not run as root.
std::string RunUnprivileged(const std::function<std::string()>& body) {
    if (::geteuid() != 0) return body();
    int pipeFds[2];
    if (::pipe(pipeFds) != 0) return "pipe failed";
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipeFds[0]);
        constexpr uid_t kNobody = 65534;
        const std::string text =
            (::setgroups(0, nullptr) == 0 && ::setgid(kNobody) == 0 && ::setuid(kNobody) == 0)
                ? body()
                : "could not drop privileges";
        (void)!::write(pipeFds[1], text.data(), text.size());
        ::_exit(0);
    }
    ::close(pipeFds[1]);
    std::string text;
    char buffer[512];
    for (ssize_t n; (n = ::read(pipeFds[0], buffer, sizeof buffer)) > 0;) text.append(buffer, n);
    ::close(pipeFds[0]);
    ::waitpid(child, nullptr, 0);
    return text;
}

output::PlayerRecord Named(const std::string& name) {
    return output::NewPlayerRecord(name, 200, FixedClock(45000.0));
}

TEST(AccountsFileFaults, ReadOnlyFolderReportsThatNoAccountCanBeCreated) {
    TempFolder folder;
    ::chmod(folder.path().c_str(), 0555);
    EXPECT_EQ(RunUnprivileged([&] { return Outcome(FindPlayer(folder.file(), "bob")); }),
              "not found");
    const std::string added =
        RunUnprivileged([&] { return Outcome(AddPlayer(folder.file(), Named("bob"))); });
    EXPECT_EQ(added, "Could not add the account of bob.\n\"" + folder.file().string() +
                         "\": Permission denied.");
    EXPECT_NE(RunUnprivileged(
                  [&] { return Outcome(SavePlayer(folder.file(), Named("bob"), 1), "saved"); }),
              "saved");
    EXPECT_FALSE(std::filesystem::exists(folder.file()));
}

TEST(AccountsFileFaults, ReadOnlyFileIsSearchedButNeverChanged) {
    TempFolder folder;
    const Bytes before = MakeAccounts(3);
    WriteAll(folder.file(), before);
    ::chmod(folder.file().c_str(), 0444);
    const output::PlayerRecord first = FindPlayer(folder.file(), "player 0").record;

    EXPECT_EQ(RunUnprivileged([&] { return Outcome(FindPlayer(folder.file(), "player 2")); }),
              "found");
    const std::string saved =
        RunUnprivileged([&] { return Outcome(SavePlayer(folder.file(), first, 1), "saved"); });
    EXPECT_NE(saved.find("Could not save the account of Player 0."), std::string::npos) << saved;
    EXPECT_NE(saved.find("Permission denied"), std::string::npos) << saved;
    EXPECT_NE(RunUnprivileged([&] { return Outcome(AddPlayer(folder.file(), Named("new"))); }),
              "not found");
    EXPECT_EQ(ReadAll(folder.file()), before);
}

TEST(AccountsFileFaults, FullDiskRefusesNewAccountsAndKeepsTheOldOnes) {
    TempFolder folder;
    const std::filesystem::path disk = folder.path() / "disk";
    std::filesystem::create_directory(disk);
    if (::mount("tmpfs", disk.c_str(), "tmpfs", 0, "size=128k") != 0) {
        GTEST_SKIP() << "cannot mount a small tmpfs to fill (" << std::strerror(errno)
                     << "); needs root or CAP_SYS_ADMIN";
    }
    struct Unmount {
        const std::filesystem::path& at;
        ~Unmount() { ::umount2(at.c_str(), MNT_DETACH); }
    } unmount{disk};
    const std::filesystem::path file = disk / "Players.dat";
    // 1024 records end exactly on a page, so one more needs space the disk does not have.
    const Bytes before = MakeAccounts(1024);
    WriteAll(file, before);
    WriteAll(disk / "filler", Bytes(128 * 1024, 0));
    ASSERT_LT(std::filesystem::file_size(disk / "filler"), 128u * 1024) << "tmpfs did not fill";

    const auto added = AddPlayer(file, Named("one too many"));
    ASSERT_TRUE(added.error);
    EXPECT_EQ(added.error->reason, std::strerror(ENOSPC));
    EXPECT_EQ(ReadAll(file), before);
    // Rewriting an account in place needs no new space, so play goes on.
    output::PlayerRecord last = FindPlayer(file, "player 1023").record;
    last.Credits = 7;
    EXPECT_FALSE(SavePlayer(file, last, 1 + 92 * 1023));
}

TEST(AccountsFileFaults, WritesToAFullDeviceAreReported) {
    const auto error = SavePlayer("/dev/full", Named("bob"), 1);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->Describe(), "Could not save the account of bob.\n\"/dev/full\": " +
                                     std::string(std::strerror(ENOSPC)) + ".");
}

TEST(AccountsFileFaults, AFolderInPlaceOfTheFileIsAReadError) {
    TempFolder folder;
    std::filesystem::create_directory(folder.file());
    const auto search = FindPlayer(folder.file(), "bob");
    ASSERT_TRUE(search.error);
    EXPECT_EQ(search.error->reason, std::strerror(EISDIR));
}

}  // namespace
