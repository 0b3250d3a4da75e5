// Opening and checking History.db, and creating its tables.
#include "game/history/HistoryConnection.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "accounts/PosixFile.h"
#include "engine/PayTable.h"
#include "game/history/HandRecord.h"

namespace history {
namespace {

// Setting a new file up is tried again while another copy of the game does the same, for about
// as long as a write would wait for it.
constexpr int kSetUpPauseMs = 5;
constexpr int kSetUpAttempts = kBusyTimeoutMs / kSetUpPauseMs;

// Every column a player reads first, then the session and the best hold, then how the hand was
// played and at which pays (added in format 2, so last in every file).
constexpr const char* kCreateTables = R"sql(
CREATE TABLE IF NOT EXISTS sessions (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    player TEXT NOT NULL,
    started_at TEXT NOT NULL
);
CREATE TABLE IF NOT EXISTS hands (
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
CREATE INDEX IF NOT EXISTS hands_of_player ON hands(player, id);
CREATE INDEX IF NOT EXISTS hands_of_session ON hands(session, id);
)sql";

// Format 1 to 2: every hand recorded before was played at the account's table at the game's
// pays. The defaults fill the rows already there without rewriting them.
std::string AddModeAndPays() {
    const std::string pays = PaysText(modcards::GamePayTable());
    return "ALTER TABLE hands ADD COLUMN mode TEXT NOT NULL DEFAULT 'account';"
           "ALTER TABLE hands ADD COLUMN pays TEXT NOT NULL DEFAULT '" +
           pays + "';";
}

// Format 2 to 3: the drills asked, one row per drill hand, and each leak group's box of spaced
// repetition (due: the player's count of drills answered from which it comes up again). Lines
// are those of the game's chart.
constexpr const char* kAddDrillTables = R"sql(
CREATE TABLE IF NOT EXISTS drill_answers (
    hand INTEGER PRIMARY KEY REFERENCES hands(id),
    player TEXT NOT NULL,
    your_line INTEGER NOT NULL,
    chart_line INTEGER NOT NULL,
    right INTEGER NOT NULL
);
CREATE INDEX IF NOT EXISTS drill_answers_of_player ON drill_answers(player);
CREATE TABLE IF NOT EXISTS drill_boxes (
    player TEXT NOT NULL,
    your_line INTEGER NOT NULL,
    chart_line INTEGER NOT NULL,
    box INTEGER NOT NULL,
    due INTEGER NOT NULL,
    PRIMARY KEY (player, your_line, chart_line)
);
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

// Creates the tables of a new file, or brings an older one up to date. Under a write lock, so
// that two copies of the game opening the file at once do it once.
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
        version = 1;
    }
    if (status.ok() && version == 1) status = sqlite::Execute(db, AddModeAndPays().c_str());
    if (status.ok() && version <= 2) status = sqlite::Execute(db, kAddDrillTables);
    if (status.ok() && version < kSchemaVersion) {
        const std::string setVersion = "PRAGMA user_version = " + std::to_string(kSchemaVersion);
        status = sqlite::Execute(db, setVersion.c_str());
    }
    if (status.ok()) status = sqlite::Execute(db, "COMMIT");
    if (!status.ok()) {
        sqlite::Execute(db, "ROLLBACK");
        if (status.code == SQLITE_NOTADB) return Refuse(Connected::Unreadable, std::move(status));
        return Refuse(std::move(status));
    }
    return connection;
}

// The file and its companions must be regular files: SQLite would write through a link to
// /dev/null and make its log beside the target.
sqlite::Status CheckKind(const std::filesystem::path& file) {
    for (const char* suffix : {"", "-wal", "-shm"}) {
        const std::filesystem::path path = file.string() + suffix;
        struct stat status {};
        if (::stat(path.c_str(), &status) != 0) continue;
        std::string reason = output::NotRegularReason(status.st_mode);
        if (reason.empty()) continue;
        if (*suffix == '\0') return {SQLITE_CANTOPEN, std::move(reason)};
        std::string beside = "\"";
        beside.append(path.filename().string()).append("\" beside it: ").append(reason);
        return {SQLITE_CANTOPEN, std::move(beside)};
    }
    return {};
}

// The system's own words when the file or its folder cannot be written: SQLite tries several
// ways and keeps the reason of the last. Asked without opening the file, since closing any
// descriptor of it would drop the locks SQLite holds on it in this process.
sqlite::Status CheckWritable(const std::filesystem::path& file) {
    const bool exists = ::faccessat(AT_FDCWD, file.c_str(), F_OK, AT_EACCESS) == 0;
    const std::filesystem::path& asked = exists ? file : file.parent_path();
    const int mode = exists ? R_OK | W_OK : W_OK | X_OK;
    if (::faccessat(AT_FDCWD, asked.c_str(), mode, AT_EACCESS) != 0)
        return {SQLITE_CANTOPEN, std::strerror(errno)};
    return {};
}

// Another copy of the game opening the same new file at once: turning on WAL mode upgrades a
// read to a write, which SQLite answers with "busy" at once rather than waiting.
bool Busy(const sqlite::Status& status) {
    const int primary = status.code & 0xFF;
    return primary == SQLITE_BUSY || primary == SQLITE_LOCKED;
}

Connection ConnectOnce(const std::filesystem::path& file) {
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

}  // namespace

Connection Connect(const std::filesystem::path& file) {
    if (sqlite::Status status = CheckKind(file); !status.ok())
        return Refuse(Connected::Failed, std::move(status));
    if (sqlite::Status status = CheckWritable(file); !status.ok())
        return Refuse(Connected::Failed, std::move(status));
    Connection connection = ConnectOnce(file);
    for (int attempt = 0; attempt < kSetUpAttempts && Busy(connection.status); ++attempt) {
        sqlite3_sleep(kSetUpPauseMs);
        connection = ConnectOnce(file);
    }
    return connection;
}

}  // namespace history
