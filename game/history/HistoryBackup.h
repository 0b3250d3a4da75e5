// A copy of the hand history through SQLite's online backup, while the game may write it.
#pragma once

#include <filesystem>
#include <optional>

#include "accounts/AccountsFile.h"

namespace history {

// The name of the history's copy beside a backup of the accounts: "<backup>.history.db".
std::filesystem::path HistoryBackupBeside(const std::filesystem::path& accountsBackup);

// True when `path` names the history in `folder` or one of SQLite's files beside it (its log,
// its index, its journal), in any case of letters or by another form of the path.
bool IsHistoryFile(const std::filesystem::path& folder, const std::filesystem::path& path);

// Copies the history `file` to `target` page by page through SQLite, so the copy is a whole
// history even while copies of the game write it. `target`, when it exists, must be a regular
// file; it is replaced whole or not at all. Returns the failure in words.
std::optional<output::FileError> BackUpHistory(const std::filesystem::path& file,
                                               const std::filesystem::path& target);

}  // namespace history
