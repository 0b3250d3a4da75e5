// Moving a damaged hand history out of the way, never over another file.
#pragma once

#include <sys/types.h>

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace history {

// Which file a path names, to notice another copy of the game replacing it meanwhile.
struct FileIdentity {
    dev_t device = 0;
    ino_t inode = 0;
    friend bool operator==(const FileIdentity&, const FileIdentity&) = default;
};
std::optional<FileIdentity> IdentityOf(const std::filesystem::path& file);

struct SetAsideResult {
    std::filesystem::path aside;  // where the file went, when it moved
    std::string failure;          // why it could not move, in words; empty when it did
};

// Renames `file` to "<file>.corrupt-20240501-140322" after `now` ("2024-05-01T14:03:22"),
// adding "-2", "-3", ... when that name is taken, and its "-wal", "-shm" and "-journal"
// companions with it so that a new file never meets a stale log.
SetAsideResult SetAside(const std::filesystem::path& file, std::string_view now);

}  // namespace history
