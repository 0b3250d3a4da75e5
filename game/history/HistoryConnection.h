// Opening History.db: its format version, WAL mode, and the tables of a new file.
#pragma once

#include <cstdint>
#include <filesystem>

#include "game/history/Sqlite.h"

namespace history {

// The format this game writes. A file of a newer format is refused; an older one is brought up
// to date when it is opened, so the file can grow with the game.
inline constexpr std::int64_t kSchemaVersion = 3;

// How long a write waits for another copy of the game that holds the file.
inline constexpr int kBusyTimeoutMs = 5000;

enum class Connected {
    Ready,       // open for reading and writing, tables in place
    Unreadable,  // no database, or a damaged one: to be set aside
    Newer,       // written by a newer game: left as it is
    Failed,      // could not be opened or written
};

struct Connection {
    sqlite::Database db;  // open only when Ready
    Connected state = Connected::Failed;
    sqlite::Status status;     // why, in words, unless Ready
    std::int64_t version = 0;  // the format found in the file
};

// Opens `file`, creating it when missing, and checks it. Never writes to a file it refuses.
Connection Connect(const std::filesystem::path& file);

}  // namespace history
