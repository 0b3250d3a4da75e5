// The hand history: History.db beside Players.dat, one row per settled hand, in SQLite.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "accounts/AccountsFile.h"
#include "game/history/HandRecord.h"
#include "game/history/LeakGroups.h"
#include "game/history/SessionReview.h"

struct sqlite3_stmt;

namespace history {

inline constexpr const char* kHistoryFileName = "History.db";
// The files SQLite may keep beside a database, named by the suffix it adds to the database's.
inline constexpr std::array<const char*, 3> kCompanionSuffixes = {"-wal", "-shm", "-journal"};

class HandHistory;

struct OpenResult {
    std::unique_ptr<HandHistory> history;    // null when no hand can be recorded
    std::optional<output::FileError> error;  // why, in words, when `history` is null
    std::string notice;  // a damaged file set aside, in words for the player; empty when none
};

// When a failed write may succeed if tried again.
enum class Retry {
    Never,   // the row was refused, or the file is damaged
    AtOnce,  // another copy of the game held the file for too long
    Later,   // the disk or the file system refused: it may be fixed meanwhile
};

// A write that failed, in words, and whether it is worth trying again.
struct WriteFailure : output::FileError {
    Retry retry = Retry::Never;
};

struct SessionResult {
    Session session;  // id 0 when `error` is set
    std::optional<WriteFailure> error;
};

struct HandsResult {
    std::vector<HandRecord> hands;  // in the order they were recorded
    // Why the hands could not be read; rows that cannot be read are left out and told here.
    std::optional<output::FileError> error;
};

struct ReviewResult {
    SessionReview review;  // of the hands that could be read
    std::optional<output::FileError> error;
    Leaks leaks;  // grouped only by a ReviewReader given a chart
};

// Every member may be called from any thread; calls are served one at a time. No member
// throws; every failure comes back in words and leaves every recorded hand as it was.
class HandHistory {
public:
    // Opens `folder`/History.db, creating it when missing. A file that is no database, or a
    // damaged one, is renamed aside (see SetAside; `now` is the caller's local time,
    // "2024-05-01T14:03:22") and a new one started, and `notice` says so. A file of a newer
    // format is refused and left untouched, as is one that cannot be written or that is no
    // regular file (nor its -wal and -shm). Another copy of the game setting up the same new
    // file at once is waited for. The file is never opened but through SQLite.
    static OpenResult Open(const std::filesystem::path& folder, std::string_view now);
    ~HandHistory();
    HandHistory(const HandHistory&) = delete;
    HandHistory& operator=(const HandHistory&) = delete;

    const std::filesystem::path& file() const { return file_; }

    // Starts a session for `player` (surrounding blanks are removed) at `startedAt`. Its id is
    // unique even when other copies of the game write the same file.
    SessionResult BeginSession(std::string_view player, std::string_view startedAt);

    // Adds one settled hand (see RecordOfHand); a drill's hand (its `drill` set) with its answer
    // and its group's box moved up or back (AfterAnswer), all at once. Its player's surrounding
    // blanks are removed; a row with values out of range is refused in words. Usually tens of
    // microseconds, but about one write in 300 also copies SQLite's log into the file and waits for
    // the disk (up to some 15 ms), and a write waits up to kBusyTimeoutMs while another copy of the
    // game writes: a worker thread may call it so the table never waits.
    std::optional<WriteFailure> Record(const HandRecord& hand);

    // The hands of one session, or of every session of a player, in the order recorded.
    HandsResult SessionHands(std::int64_t session) const;
    HandsResult PlayerHands(std::string_view player) const;

    // The review of one session, or of every session of a player, each hand staking `stake`
    // credits (the PayTable's entry 0): ReviewHands of the hands above but the drills', reading
    // the cards only of the hands the review lists. Tens of milliseconds for 100,000 hands.
    ReviewResult ReviewSession(std::int64_t session, int stake) const;
    ReviewResult ReviewPlayer(std::string_view player, int stake) const;

private:
    using Binder = std::function<void(sqlite3_stmt*)>;  // binds a query's parameters
    enum class Detail { Every, ListedOnly };
    struct Store;
    HandHistory(std::filesystem::path file, std::unique_ptr<Store> store);
    HandsResult ReadHands(const char* where, const Binder& bind, Detail detail) const;
    int RecordDrill(const HandRecord& hand, std::int64_t id);  // under mutex_

    std::filesystem::path file_;
    mutable std::mutex mutex_;
    std::unique_ptr<Store> store_;
};

}  // namespace history
