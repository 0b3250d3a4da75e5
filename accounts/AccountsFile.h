// The accounts file: a headerless run of 92-byte records, searched by name and written in place.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "accounts/Clock.h"
#include "accounts/FileError.h"
#include "accounts/PlayerRecord.h"

namespace output {

struct SearchResult {
    bool found = false;
    PlayerRecord record;        // the stored record when found
    std::int32_t position = 1;  // 1-based byte position; the append position when not found
    std::optional<FileError> error;
};

// Every operation below refuses at once, in words, a path that is no regular file (a FIFO, a
// device, a folder), and never waits on one. One that reads a record that is no account (a name
// with control characters, an impossible date: a text file, say) refuses the file in words and
// writes nothing.

// Finds the first account whose name key (lower case, U+0020 trimmed) equals the name's.
// A missing file counts as empty; a trailing fragment shorter than 92 bytes is the append position.
SearchResult FindPlayer(const std::filesystem::path& file, std::string_view name);

// Every new account starts with this balance.
constexpr std::int32_t kNewAccountCredits = 200;

// A fresh account: the name cut or space-filled to 30 characters, created now, no counts.
PlayerRecord NewPlayerRecord(std::string_view name, std::int32_t credits, const Clock& clock);

// Writes the whole record at `position` in one write and flushes it; creates the file if needed.
// Under the file's exclusive lock it first checks that the record there has the same name key,
// and keeps the stored name bytes. It refuses with FileFault::AccountNotHere, writing nothing,
// when the position holds another account (the file was replaced), is no record's start or
// lies past the end, or is the append position while the name is stored elsewhere already:
// the caller then finds the account again by name, or adds it.
std::optional<FileError> SavePlayer(const std::filesystem::path& file, const PlayerRecord& record,
                                    std::int32_t position);

// Adds `record` as a new account under a lock on the file: the name is searched again and the
// append position re-read, so two copies of the game adding at once get two records. A failed
// write (a full disk) cuts the file back to its old length. When the
// name exists by then, nothing is written and the stored account is returned with found = true.
SearchResult AddPlayer(const std::filesystem::path& file, const PlayerRecord& record);

// What SaveHands did.
struct SavedHands {
    std::optional<FileError> error;
    PlayerRecord record;        // the account as now stored
    std::int32_t position = 1;  // its 1-based byte position
    bool carried = false;       // someone else had changed it: this table's hands were added on
};

// Saves the hands a table played on an account since it last read or wrote it (`before`; the
// account as the table holds it now is `after`), under the file's exclusive lock. The account
// is looked for at `position` first, then by name. When the stored account is still `before`,
// `after` is written; when someone else changed it meanwhile (a restored or replaced file,
// another program), only the changes from `before` to `after` are carried onto it, as
// CarryHands does, never the table's whole record. An account no longer in the file is added
// whole. The stored name bytes never change.
SavedHands SaveHands(const std::filesystem::path& file, const PlayerRecord& before,
                     const PlayerRecord& after, std::int32_t position);

// Nothing when the existing accounts file can be opened to read and write and holds accounts
// only; otherwise why not, naming the file. Neither creates nor changes it: a missing file is
// reported as missing.
std::optional<FileError> CheckAccountsFile(const std::filesystem::path& file);

}  // namespace output
