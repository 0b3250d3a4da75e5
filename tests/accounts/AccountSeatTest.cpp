// One table per account, across real processes: seats, kills, moves and replaced files.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include "accounts/AccountSeat.h"
#include "tests/support/TestFiles.h"

namespace {

using output::AccountSeat;
using output::FileFault;

// What taking a seat told: "seated", or the fault's name.
std::string SeatTold(const std::optional<output::FileError>& error) {
    if (!error) return "seated";
    return error->fault == FileFault::AtAnotherTable   ? "at another table"
           : error->fault == FileFault::AccountNotHere ? "not here"
                                                       : error->Describe();
}

// Another copy of the game in a child process: takes a seat, plays a hand on it (opening and
// closing the file) and, when `hold`, keeps the seat until killed (or 10 seconds have passed).
// What it was told comes back through a pipe.
class OtherCopy {
public:
    OtherCopy(const std::filesystem::path& file, const std::string& name, bool hold = true) {
        int fds[2];
        if (::pipe(fds) != 0) return;
        pid_ = ::fork();
        if (pid_ == 0) {
            ::alarm(10);  // a copy that hangs, or outlives its test, ends
            AccountSeat seat;
            const std::string text = SeatTold(seat.Take(file, name));
            const auto found = output::FindPlayer(file, name);
            output::SavePlayer(file, found.record, found.position);
            (void)!::write(fds[1], text.data(), text.size());
            ::close(fds[1]);
            while (hold) ::pause();
            ::_exit(0);
        }
        ::close(fds[1]);
        char buffer[256];
        for (ssize_t n; (n = ::read(fds[0], buffer, sizeof buffer)) > 0;) told_.append(buffer, n);
        ::close(fds[0]);
    }
    ~OtherCopy() { Kill(); }
    void Kill() {
        if (pid_ <= 0) return;
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }
    const std::string& told() const { return told_; }

private:
    pid_t pid_ = -1;
    std::string told_;
};

std::string TellOtherCopy(const std::filesystem::path& file, const std::string& name) {
    return OtherCopy(file, name, false).told();
}

TEST(AccountSeat, ASecondCopyIsKeptAwayUntilTheFirstEndsEvenByAKill) {
    ScratchFolder folder;
    WriteAll(folder.accounts(), NumberedAccounts(3));
    OtherCopy first(folder.accounts(), "player 1");
    ASSERT_EQ(first.told(), "seated");
    AccountSeat seat;
    EXPECT_EQ(SeatTold(seat.Take(folder.accounts(), "PLAYER 1 ")), "at another table");
    EXPECT_EQ(SeatTold(seat.Take(folder.accounts(), "player 2")), "seated");
    ::alarm(10);  // searches, saves and adds never wait on a seat; if they did, this ends the test
    ASSERT_FALSE(output::AddPlayer(folder.accounts(), Account("new")).error);
    ASSERT_FALSE(output::SavePlayer(folder.accounts(), Account("player 2"), 185));
    ::alarm(0);
    first.Kill();
    EXPECT_EQ(SeatTold(seat.Take(folder.accounts(), "player 1")), "seated");
}

TEST(AccountSeat, AReplacedOrRewrittenAccountsFileSeatsNoAccountTwice) {
    ScratchFolder folder;
    WriteAll(folder.accounts(), NumberedAccounts(3));
    OtherCopy holder(folder.accounts(), "player 1");
    ASSERT_EQ(holder.told(), "seated");

    // cp Players.dat P.new && mv P.new Players.dat
    std::filesystem::copy_file(folder.accounts(), folder / "P.new");
    std::filesystem::rename(folder / "P.new", folder.accounts());
    EXPECT_EQ(TellOtherCopy(folder.accounts(), "player 1"), "at another table");
    // A restore that moves the record, and a file without the account at all.
    WriteAll(folder / "P.new", AccountsBytes({Account("player 1"), Account("player 0")}));
    std::filesystem::rename(folder / "P.new", folder.accounts());
    EXPECT_EQ(TellOtherCopy(folder.accounts(), "player 1"), "at another table");
    std::filesystem::remove(folder.accounts());
    EXPECT_EQ(TellOtherCopy(folder.accounts(), "player 1"), "at another table");
    EXPECT_EQ(TellOtherCopy(folder.accounts(), "player 2"), "seated");
}

TEST(AccountSeat, MovesToAnotherAccountOnlyOnceItsSeatIsTaken) {
    ScratchFolder folder;
    WriteAll(folder.accounts(), NumberedAccounts(3));
    OtherCopy holder(folder.accounts(), "player 1");
    AccountSeat seat;
    ASSERT_EQ(SeatTold(seat.Take(folder.accounts(), "player 0")), "seated");
    EXPECT_EQ(SeatTold(seat.Take(folder.accounts(), "player 1")), "at another table");
    EXPECT_EQ(TellOtherCopy(folder.accounts(), "player 0"), "at another table");  // kept

    ASSERT_EQ(SeatTold(seat.Take(folder.accounts(), "player 2")), "seated");
    EXPECT_EQ(TellOtherCopy(folder.accounts(), "player 0"), "seated");  // left on moving
    EXPECT_EQ(TellOtherCopy(folder.accounts(), "player 2"), "at another table");
}

TEST(AccountSeat, ASeatWhoseFileWasRemovedIsTakenAgainOrToldLost) {
    ScratchFolder folder;
    WriteAll(folder.accounts(), NumberedAccounts(3));
    AccountSeat seat;
    ASSERT_EQ(SeatTold(seat.Take(folder.accounts(), "player 0")), "seated");
    std::filesystem::remove_all(output::SeatsFolder(folder.accounts()));
    ASSERT_EQ(SeatTold(seat.Take(folder.accounts(), "player 0")), "seated");  // free: taken again
    EXPECT_EQ(TellOtherCopy(folder.accounts(), "player 0"), "at another table");

    std::filesystem::remove_all(output::SeatsFolder(folder.accounts()));
    OtherCopy thief(folder.accounts(), "player 0");
    ASSERT_EQ(thief.told(), "seated");
    const auto lost = seat.Take(folder.accounts(), "player 0");
    ASSERT_EQ(SeatTold(lost), "at another table");
    EXPECT_NE(lost->reason.find("took the account's seat"), std::string::npos);
    EXPECT_FALSE(seat.seated());
}

}  // namespace
