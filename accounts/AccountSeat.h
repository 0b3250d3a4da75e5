// One player at one table: a lock on the account's record, held while the player sits there.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>

#include "accounts/AccountsFile.h"
#include "accounts/PosixFile.h"

namespace output {

// While a table holds an account's seat, no other copy of the game (or other AccountSeat) can
// take it. The seat is an open file description lock on the record's 92 bytes: the game's other
// opening and closing of the file leaves it alone, and it goes when the process ends in any
// way, a crash or a kill included, so no account stays taken. It never changes the file.
class AccountSeat {
public:
    AccountSeat() = default;  // holds no seat
    AccountSeat(AccountSeat&&) noexcept = default;
    AccountSeat& operator=(AccountSeat&&) noexcept = default;

    // Takes the seat of `name`'s account at `position` in `file`, without waiting, and checks
    // that the record there is that account's. Taking the seat already held checks it again
    // (and moves it to `file` when the path now names another file). A seat held before is left
    // only once the new one is taken, so a failed move keeps the table where it was, unless
    // the record it held is not this account's any more. Nothing when seated; otherwise:
    //   FileFault::AtAnotherTable: another copy of the game (or AccountSeat) holds the account;
    //   FileFault::AccountNotHere: the record there is another account's, or the position holds
    //       no record: find the account again by name, or add it, then take the seat there;
    //   FileFault::System: the file could not be opened, read or locked, or is no regular file.
    std::optional<FileError> Take(const std::filesystem::path& file, std::int32_t position,
                                  std::string_view name);

    // Gives the seat up; another table may take the account from now on.
    void Leave();

    bool seated() const { return handle_.valid(); }
    std::int32_t position() const { return seated() ? position_ : 0; }

private:
    FileHandle handle_;
    std::int32_t position_ = 0;
};

}  // namespace output
