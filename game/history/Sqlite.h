// A thin layer over the SQLite C library: owned handles and failures in words.
#pragma once

#include <sqlite3.h>

#include <memory>
#include <string>
#include <string_view>

namespace history::sqlite {

struct CloseDatabase {
    void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
};
struct FinalizeStatement {
    void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};
using Database = std::unique_ptr<sqlite3, CloseDatabase>;
using Statement = std::unique_ptr<sqlite3_stmt, FinalizeStatement>;

// A result code and, when it is a failure, why in words.
struct Status {
    int code = SQLITE_OK;
    std::string reason;
    bool ok() const { return code == SQLITE_OK || code == SQLITE_ROW || code == SQLITE_DONE; }
    // The file is no database, or a damaged one.
    bool unreadable() const;
};

// The words for a failed call on `db`: the system's reason when the disk or the file system
// refused ("No space left on device"), else SQLite's own message.
Status Failure(sqlite3* db, int code);

// Prepares one statement; a failure leaves `statement` empty.
Status Prepare(sqlite3* db, std::string_view sql, Statement& statement);

// Runs statements that return no rows.
Status Execute(sqlite3* db, const char* sql);

// Runs a statement that returns one integer, such as "PRAGMA user_version".
Status QueryInteger(sqlite3* db, const char* sql, std::int64_t& value);

// Runs a statement that returns one text, such as "PRAGMA journal_mode=WAL".
Status QueryText(sqlite3* db, const char* sql, std::string& value);

// Binds text that SQLite copies, so `text` may go away before the statement runs.
int BindText(sqlite3_stmt* statement, int index, std::string_view text);

// The text of column `index` of the current row; empty for NULL.
std::string_view ColumnText(sqlite3_stmt* statement, int index);

}  // namespace history::sqlite
