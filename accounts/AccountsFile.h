// The accounts file: a headerless run of 92-byte records, searched by name and written in place.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "accounts/Clock.h"
#include "accounts/PlayerRecord.h"

namespace output {

// A failed file operation, told to the player in words.
struct FileError {
    std::string action;            // what was being done, e.g. "save the account of Bob"
    std::filesystem::path path;    // the file concerned
    std::string reason;            // the system's reason in words
    std::string Describe() const;  // one or two sentences for a message box
};

struct SearchResult {
    bool found = false;
    PlayerRecord record;        // the stored record when found
    std::int32_t position = 1;  // 1-based byte position; the append position when not found
    std::optional<FileError> error;
};

// Finds the first account whose name key (lower case, U+0020 trimmed) equals the name's.
// A missing file counts as empty; a trailing fragment shorter than 92 bytes is the append position.
SearchResult FindPlayer(const std::filesystem::path& file, std::string_view name);

// Every new account starts with this balance.
constexpr std::int32_t kNewAccountCredits = 200;

// A fresh account: the name cut or space-filled to 30 characters, created now, no counts.
PlayerRecord NewPlayerRecord(std::string_view name, std::int32_t credits, const Clock& clock);

// Writes the whole record at `position` in one write and flushes it; creates the file if needed.
std::optional<FileError> SavePlayer(const std::filesystem::path& file, const PlayerRecord& record,
                                    std::int32_t position);

// Adds `record` as a new account under a lock on the file: the name is searched again and the
// append position re-read, so two copies of the game adding at once get two records. When the
// name exists by then, nothing is written and the stored account is returned with found = true.
SearchResult AddPlayer(const std::filesystem::path& file, const PlayerRecord& record);

}  // namespace output
