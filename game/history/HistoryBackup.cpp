// Backing up History.db with sqlite3_backup: it reads the file only through SQLite, which keeps
// its locks, and copies a consistent state of it.
#include "game/history/HistoryBackup.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string>

#include "accounts/PosixFile.h"
#include "game/history/HandHistory.h"
#include "game/history/HistoryConnection.h"
#include "game/history/Sqlite.h"

namespace history {
namespace {

constexpr const char* kAction = "back up the hand history";
constexpr int kPauseMs = 5;
constexpr int kBusyAttempts = kBusyTimeoutMs / kPauseMs;

std::string Lower(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

output::FileError Failed(const std::filesystem::path& file, std::string reason) {
    return {kAction, file, std::move(reason)};
}

// The reason a file is unfit, or empty: it must exist (when `needed`) and be a regular file.
std::string KindProblem(const std::filesystem::path& file, bool needed) {
    struct stat status {};
    if (::stat(file.c_str(), &status) != 0) return needed ? std::strerror(errno) : std::string();
    return output::NotRegularReason(status.st_mode);
}

sqlite::Status Open(const std::filesystem::path& file, int flags, sqlite::Database& db) {
    sqlite3* raw = nullptr;
    const int code = sqlite3_open_v2(file.c_str(), &raw,
                                     flags | SQLITE_OPEN_NOMUTEX | SQLITE_OPEN_EXRESCODE, nullptr);
    db.reset(raw);
    if (code != SQLITE_OK) return sqlite::Failure(raw, code);
    sqlite3_busy_timeout(raw, kBusyTimeoutMs);
    return {};
}

// Every page of `from` into `to`, waiting a while for a copy of the game that writes.
sqlite::Status CopyPages(sqlite3* from, sqlite3* to) {
    sqlite3_backup* backup = sqlite3_backup_init(to, "main", from, "main");
    if (backup == nullptr) return sqlite::Failure(to, sqlite3_errcode(to));
    int code = SQLITE_OK;
    for (int attempt = 0; attempt < kBusyAttempts; ++attempt) {
        code = sqlite3_backup_step(backup, -1);
        const int primary = code & 0xFF;
        if (primary != SQLITE_BUSY && primary != SQLITE_LOCKED) break;
        sqlite3_sleep(kPauseMs);
    }
    sqlite3_backup_finish(backup);
    return code == SQLITE_DONE ? sqlite::Status{} : sqlite::Failure(to, code);
}

void RemoveWithJournal(const std::filesystem::path& file) {
    ::unlink(file.c_str());
    ::unlink((file.string() + "-journal").c_str());
}

}  // namespace

std::filesystem::path HistoryBackupBeside(const std::filesystem::path& accountsBackup) {
    return accountsBackup.string() + ".history.db";
}

bool IsHistoryFile(const std::filesystem::path& folder, const std::filesystem::path& path) {
    const std::filesystem::path history = folder / kHistoryFileName;
    std::error_code ec;
    const bool sameFolder = std::filesystem::equivalent(
        folder, path.parent_path().empty() ? "." : path.parent_path(), ec);
    const auto isKept = [&](const char* suffix) {
        const std::filesystem::path kept = history.string() + suffix;
        return (sameFolder && Lower(path.filename().string()) == Lower(kept.filename().string())) ||
               std::filesystem::equivalent(kept, path, ec);
    };
    return isKept("") || std::any_of(kCompanionSuffixes.begin(), kCompanionSuffixes.end(), isKept);
}

std::optional<output::FileError> BackUpHistory(const std::filesystem::path& file,
                                               const std::filesystem::path& target) {
    if (std::string problem = KindProblem(file, true); !problem.empty())
        return Failed(file, std::move(problem));
    // A device or a pipe would be replaced by the rename below: refused as it stands.
    if (std::string problem = KindProblem(target, false); !problem.empty())
        return Failed(target, std::move(problem));
    const std::filesystem::path partial = target.string() + ".partial";
    RemoveWithJournal(partial);
    sqlite::Database from, to;
    sqlite::Status status = Open(file, SQLITE_OPEN_READWRITE, from);
    if (!status.ok()) return Failed(file, status.reason);
    status = Open(partial, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, to);
    if (status.ok()) status = CopyPages(from.get(), to.get());
    to.reset();
    if (status.ok() && ::rename(partial.c_str(), target.c_str()) != 0)
        status = {SQLITE_CANTOPEN, std::strerror(errno)};
    if (status.ok()) return std::nullopt;
    RemoveWithJournal(partial);
    return Failed(target, status.reason);
}

}  // namespace history
