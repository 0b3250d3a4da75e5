// Opening and checking History.db, and creating its tables.
#include "game/history/HistoryConnection.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

namespace history {
namespace {

// Every column the issue asks for, in its order, then the session and the best hold.
constexpr const char* kCreateTables = R"sql(
CREATE TABLE sessions (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    player TEXT NOT NULL,
    started_at TEXT NOT NULL
);
CREATE TABLE hands (
    id INTEGER PRIMARY KEY,
    player TEXT NOT NULL,
    played_at TEXT NOT NULL,
    dealt TEXT NOT NULL,
    held TEXT NOT NULL,
    final TEXT NOT NULL,
    category INTEGER NOT NULL,
    pay INTEGER NOT NULL,
    hold_ev REAL NOT NULL,
    best_ev REAL NOT NULL,
    session INTEGER NOT NULL REFERENCES sessions(id),
    best_held TEXT NOT NULL
);
CREATE INDEX hands_of_player ON hands(player, id);
CREATE INDEX hands_of_session ON hands(session, id);
PRAGMA user_version = 1;
)sql";

Connection Refuse(Connected state, sqlite::Status status, std::int64_t version = 0) {
    Connection refused;
    refused.state = state;
    refused.status = std::move(status);
    refused.version = version;
    return refused;
}

// A failure that shows the file is no database, or a damaged one, is Unreadable.
Connection Refuse(sqlite::Status status) {
    if (!status.unreadable()) return Refuse(Connected::Failed, std::move(status));
    const bool notADatabase = (status.code & 0xFF) == SQLITE_NOTADB;
    status.reason = notADatabase ? "it is not a database" : "it is damaged (" + status.reason + ")";
    return Refuse(Connected::Unreadable, std::move(status));
}

// quick_check reads every page, about 35 ms for 100,000 hands, and finds damage before a
// write could spread it.
sqlite::Status CheckPages(sqlite3* db) {
    std::string verdict;
    sqlite::Status status = sqlite::QueryText(db, "PRAGMA quick_check(1)", verdict);
    if (status.ok() && verdict != "ok") return {SQLITE_CORRUPT, verdict};
    return status;
}

// Creates the tables of a new file. Under a write lock, so that two copies of the game opening
// a new file at once create them once.
Connection CreateTables(Connection connection) {
    sqlite3* db = connection.db.get();
    if (sqlite::Status status = sqlite::Execute(db, "BEGIN IMMEDIATE"); !status.ok())
        return Refuse(std::move(status));
    std::int64_t version = 0, objects = 0;
    sqlite::Status status = sqlite::QueryInteger(db, "PRAGMA user_version", version);
    if (status.ok())
        status = sqlite::QueryInteger(db, "SELECT count(*) FROM sqlite_schema", objects);
    if (status.ok() && version == 0 && objects > 0) {
        status = {SQLITE_NOTADB, "it holds tables that are not a hand history"};
    } else if (status.ok() && version == 0) {
        status = sqlite::Execute(db, kCreateTables);
    }
    if (status.ok()) status = sqlite::Execute(db, "COMMIT");
    if (!status.ok()) {
        sqlite::Execute(db, "ROLLBACK");
        if (status.code == SQLITE_NOTADB) return Refuse(Connected::Unreadable, std::move(status));
        return Refuse(std::move(status));
    }
    return connection;
}

// Opens (and creates) the file as SQLite will, for the system's own words when it cannot: SQLite
// tries several ways and keeps the reason of the last.
sqlite::Status CheckWritable(const std::filesystem::path& file) {
    const int fd = ::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) return {SQLITE_CANTOPEN, std::strerror(errno)};
    ::close(fd);
    return {};
}

}  // namespace

Connection Connect(const std::filesystem::path& file) {
    if (sqlite::Status status = CheckWritable(file); !status.ok())
        return Refuse(Connected::Failed, std::move(status));
    sqlite3* raw = nullptr;
    const int opened = sqlite3_open_v2(
        file.c_str(), &raw,
        SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX | SQLITE_OPEN_EXRESCODE,
        nullptr);
    Connection connection;
    connection.db.reset(raw);
    sqlite3* db = raw;
    if (opened != SQLITE_OK) return Refuse(sqlite::Failure(db, opened));
    sqlite3_busy_timeout(db, kBusyTimeoutMs);

    sqlite::Status status = sqlite::QueryInteger(db, "PRAGMA user_version", connection.version);
    if (!status.ok()) return Refuse(std::move(status));
    if (connection.version > kSchemaVersion) {
        return Refuse(
            Connected::Newer,
            {SQLITE_ERROR, "it was written by a newer version of the game (history format " +
                               std::to_string(connection.version) + ", this version reads format " +
                               std::to_string(kSchemaVersion) + "), so it is left as it is"},
            connection.version);
    }
    std::string mode;
    status = sqlite::QueryText(db, "PRAGMA journal_mode=WAL", mode);
    if (status.ok()) status = CheckPages(db);
    // NORMAL in WAL mode: a crash of the game loses nothing, a power cut at most the last hands,
    // and the file is never torn; each hand costs no wait for the disk.
    if (status.ok()) status = sqlite::Execute(db, "PRAGMA synchronous=NORMAL");
    if (!status.ok()) return Refuse(std::move(status));
    connection.state = Connected::Ready;
    if (connection.version < kSchemaVersion) return CreateTables(std::move(connection));
    return connection;
}

}  // namespace history
