// One player at one table: a lock kept for the account's name, held while the player sits there.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "accounts/AccountsFile.h"
#include "accounts/PosixFile.h"

namespace output {

// The folder of seat files beside an accounts file: "Players.dat.seats" for "Players.dat".
std::filesystem::path SeatsFolder(const std::filesystem::path& accountsFile);

// The seat file of the account whose name key is `key`: the key's bytes in hexadecimal, so that
// two accounts never share a seat and any name makes a valid file name.
std::filesystem::path SeatFile(const std::filesystem::path& accountsFile, std::string_view key);

// While a table holds an account's seat, no other copy of the game (or other AccountSeat) can
// take it. The seat belongs to the account's name key, not to its record: it is an open file
// description lock on a small file of its own in the seats folder beside the accounts file, so
// replacing, restoring or rewriting the accounts file never frees it. It goes when the process
// ends in any way, a crash or a kill included, so no account stays taken. Seat files are left in
// place (removing one could let two tables lock two different files of one name).
class AccountSeat {
public:
    AccountSeat() = default;  // holds no seat
    AccountSeat(AccountSeat&&) noexcept = default;
    AccountSeat& operator=(AccountSeat&&) noexcept = default;

    // Takes the seat of `name`'s account (its search key) without waiting. Taking the seat held
    // already checks that its file is still the one in the seats folder, and takes the new one
    // when it was replaced. A seat of another account held before is left only once the new
    // one is taken, so a failed move keeps the table where it was. Nothing when seated;
    // otherwise:
    //   FileFault::AtAnotherTable: another copy of the game (or AccountSeat) holds the account;
    //       when this seat held it before, the seat is lost (its file was replaced meanwhile);
    //   FileFault::System: the seats folder or the seat file could not be made, opened or locked.
    std::optional<FileError> Take(const std::filesystem::path& accountsFile, std::string_view name);

    // Gives the seat up; another table may take the account from now on.
    void Leave();

    bool seated() const { return handle_.valid(); }

private:
    FileHandle handle_;
    std::filesystem::path file_;  // the seat file held
};

}  // namespace output
