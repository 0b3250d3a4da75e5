// Owned SQLite handles and failures in words.
#include "game/history/Sqlite.h"

#include <cerrno>
#include <cstring>

namespace history::sqlite {

bool Status::unreadable() const {
    const int primary = code & 0xFF;
    return primary == SQLITE_NOTADB || primary == SQLITE_CORRUPT;
}

Status Failure(sqlite3* db, int code) {
    const int primary = code & 0xFF;
    const bool fromSystem =
        primary == SQLITE_IOERR || primary == SQLITE_FULL || primary == SQLITE_CANTOPEN;
    const int error = db != nullptr ? sqlite3_system_errno(db) : 0;
    if (fromSystem && error != 0) return {code, std::strerror(error)};
    if (primary == SQLITE_FULL) return {code, std::strerror(ENOSPC)};
    // SQLite keeps its log and index files beside the database, so it needs the folder too.
    if (code == SQLITE_READONLY_DIRECTORY) return {code, "the folder it is in cannot be written"};
    if (primary == SQLITE_READONLY) return {code, "the file cannot be written"};
    if (primary == SQLITE_BUSY || primary == SQLITE_LOCKED) {
        return {code, "another copy of the game kept the file locked for too long"};
    }
    return {code, db != nullptr ? sqlite3_errmsg(db) : sqlite3_errstr(code)};
}

Status Prepare(sqlite3* db, std::string_view sql, Statement& statement) {
    sqlite3_stmt* raw = nullptr;
    const int code = sqlite3_prepare_v3(db, sql.data(), static_cast<int>(sql.size()),
                                        SQLITE_PREPARE_PERSISTENT, &raw, nullptr);
    statement.reset(raw);
    return code == SQLITE_OK ? Status{} : Failure(db, code);
}

Status Execute(sqlite3* db, const char* sql) {
    const int code = sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
    return code == SQLITE_OK ? Status{} : Failure(db, code);
}

namespace {

// Steps a one-row statement; `read` takes the row.
template <typename Read>
Status QueryOne(sqlite3* db, const char* sql, Read read) {
    Statement statement;
    if (Status status = Prepare(db, sql, statement); !status.ok()) return status;
    const int code = sqlite3_step(statement.get());
    if (code == SQLITE_DONE) return {SQLITE_ERROR, std::string("no answer to ") + sql};
    if (code != SQLITE_ROW) return Failure(db, code);
    read(statement.get());
    return {};
}

}  // namespace

Status QueryInteger(sqlite3* db, const char* sql, std::int64_t& value) {
    return QueryOne(db, sql, [&](sqlite3_stmt* row) { value = sqlite3_column_int64(row, 0); });
}

Status QueryText(sqlite3* db, const char* sql, std::string& value) {
    return QueryOne(db, sql, [&](sqlite3_stmt* row) { value = ColumnText(row, 0); });
}

int BindText(sqlite3_stmt* statement, int index, std::string_view text) {
    return sqlite3_bind_text(statement, index, text.data(), static_cast<int>(text.size()),
                             SQLITE_TRANSIENT);
}

std::string_view ColumnText(sqlite3_stmt* statement, int index) {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, index));
    if (text == nullptr) return {};
    return {text, static_cast<std::size_t>(sqlite3_column_bytes(statement, index))};
}

}  // namespace history::sqlite
