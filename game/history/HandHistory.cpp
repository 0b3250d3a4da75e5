// The hand history over SQLite: opening with its checks, one insert per hand, and reading back.
#include "game/history/HandHistory.h"

#include <utility>

#include "accounts/NameKey.h"
#include "engine/CardText.h"
#include "game/history/HistoryConnection.h"
#include "game/history/HoldGrade.h"
#include "game/history/LocalTime.h"
#include "game/history/RowTexts.h"
#include "game/history/SetAside.h"
#include "game/history/Sqlite.h"

namespace history {
namespace {

constexpr const char* kInsertHand =
    "INSERT INTO hands (player, played_at, dealt, held, final, category, pay, hold_ev, best_ev, "
    "session, best_held, mode, pays) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, "
    "?13)";
constexpr const char* kInsertSession = "INSERT INTO sessions (player, started_at) VALUES (?1, ?2)";
// The numbers first: a review reads the texts only of the hands it lists.
constexpr const char* kSelectHands =
    "SELECT id, session, category, pay, hold_ev, best_ev, player, played_at, dealt, held, final, "
    "best_held, mode, pays FROM hands ";
constexpr const char* kHandsOfSession = "WHERE session = ?1 ORDER BY id";
constexpr const char* kHandsOfPlayer = "WHERE player = ?1 ORDER BY id";

output::FileError ErrorAbout(std::string action, const std::filesystem::path& file,
                             std::string reason) {
    return {std::move(action), file, std::move(reason)};
}

WriteFailure FailureAbout(std::string action, const std::filesystem::path& file,
                          const sqlite::Status& status) {
    WriteFailure failure;
    static_cast<output::FileError&>(failure) = {std::move(action), file, status.reason};
    switch (status.code & 0xFF) {
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
            failure.retry = Retry::AtOnce;
            break;
        case SQLITE_FULL:
        case SQLITE_IOERR:
        case SQLITE_CANTOPEN:
        case SQLITE_READONLY:
        case SQLITE_PROTOCOL:
        case SQLITE_NOMEM:
            failure.retry = Retry::Later;
            break;
        default:
            failure.retry = Retry::Never;
    }
    return failure;
}

std::string SetAsideNotice(const std::filesystem::path& file, const std::string& why,
                           const std::filesystem::path& aside) {
    return "The hand history \"" + file.string() + "\" could not be read: " + why +
           ". It was kept as \"" + aside.filename().string() + "\" and a new history was started.";
}

std::string CountOfHands(std::int64_t count) {
    return std::to_string(count) + (count == 1 ? " hand" : " hands");
}

// The numbers of one row of kSelectHands, read only when each column holds a number of its
// kind (a text or a huge real would be converted, not refused); returns why the row cannot be
// a hand's, in words. Every row a review reads passes here, listed or not.
std::string ReadNumbers(sqlite3_stmt* row, HandRecord& hand) {
    hand.id = sqlite3_column_int64(row, 0);
    for (int column = 1; column < 6; ++column) {
        const int type = sqlite3_column_type(row, column);
        if (column < 4 && type != SQLITE_INTEGER)
            return "a count or a pay of the hand is not a whole number";
        if (type != SQLITE_INTEGER && type != SQLITE_FLOAT)
            return "an expected pay of the hand is not a number";
    }
    const auto whole = [row](int column, int& field) {
        const std::int64_t value = sqlite3_column_int64(row, column);
        field = static_cast<int>(value);
        return field == value;
    };
    hand.session = sqlite3_column_int64(row, 1);
    if (!whole(2, hand.category) || !whole(3, hand.pay))
        return "the hand's category or pay is out of range";
    hand.holdEv = sqlite3_column_double(row, 4);
    hand.bestEv = sqlite3_column_double(row, 5);
    return NumbersProblem(hand);
}

using Binder = std::function<void(sqlite3_stmt*)>;

Binder SessionBinder(std::int64_t session) {
    return [session](sqlite3_stmt* select) { sqlite3_bind_int64(select, 1, session); };
}

Binder PlayerBinder(std::string_view player) {
    return [name = std::string(output::TrimSpaces(player))](sqlite3_stmt* select) {
        sqlite::BindText(select, 1, name);
    };
}

ReviewResult Review(HandsResult read, int stake) {
    return {ReviewHands(read.hands, stake), std::move(read.error), {}};
}

}  // namespace

struct HandHistory::Store {
    sqlite::Database db;
    sqlite::Statement insertHand;
    sqlite::Statement insertSession;
};

HandHistory::HandHistory(std::filesystem::path file, std::unique_ptr<Store> store)
    : file_(std::move(file)), store_(std::move(store)) {}

HandHistory::~HandHistory() = default;

OpenResult HandHistory::Open(const std::filesystem::path& folder, std::string_view now) {
    const std::filesystem::path file = folder / kHistoryFileName;
    OpenResult result;
    const std::optional<FileIdentity> examined = IdentityOf(file);
    Connection connection = Connect(file);
    if (connection.state == Connected::Unreadable) {
        const std::string why = connection.status.reason;
        // Another copy of the game may have set the file aside and started a new one meanwhile.
        if (examined && IdentityOf(file) == examined) {
            const SetAsideResult aside = SetAside(file, now);
            if (!aside.failure.empty()) {
                result.error = ErrorAbout("set aside the damaged hand history", file,
                                          why + ", and it could not be renamed: " + aside.failure);
                return result;
            }
            result.notice = SetAsideNotice(file, why, aside.aside);
        }
        connection = Connect(file);
    }
    if (connection.state != Connected::Ready) {
        result.error = ErrorAbout("open the hand history", file, connection.status.reason);
        return result;
    }
    auto store = std::make_unique<Store>();
    store->db = std::move(connection.db);
    sqlite::Status status = sqlite::Prepare(store->db.get(), kInsertHand, store->insertHand);
    if (status.ok())
        status = sqlite::Prepare(store->db.get(), kInsertSession, store->insertSession);
    if (!status.ok()) {
        result.error = ErrorAbout("open the hand history", file, status.reason);
        return result;
    }
    result.history.reset(new HandHistory(file, std::move(store)));
    return result;
}

SessionResult HandHistory::BeginSession(std::string_view player, std::string_view startedAt) {
    const std::string action = "start a session in the hand history";
    SessionResult result;
    const std::string_view name = output::TrimSpaces(player);
    if (name.empty()) {
        result.error = FailureAbout(action, file_, {SQLITE_MISUSE, "the session has no player"});
        return result;
    }
    if (!IsLocalTimeText(startedAt)) {
        result.error = FailureAbout(
            action, file_,
            {SQLITE_MISUSE, "the time \"" + std::string(startedAt) +
                                "\" is not a date and time such as 2024-05-01T14:03:22"});
        return result;
    }
    const std::lock_guard lock(mutex_);
    sqlite3* db = store_->db.get();
    sqlite3_stmt* insert = store_->insertSession.get();
    sqlite::BindText(insert, 1, name);
    sqlite::BindText(insert, 2, startedAt);
    const int code = sqlite3_step(insert);
    if (code != SQLITE_DONE) {
        result.error = FailureAbout(action, file_, sqlite::Failure(db, code));
    } else {
        result.session = {sqlite3_last_insert_rowid(db), std::string(name), std::string(startedAt)};
    }
    sqlite3_reset(insert);
    return result;
}

std::optional<WriteFailure> HandHistory::Record(const HandRecord& hand) {
    const std::string action = "record the hand in the hand history";
    if (std::string problem = RecordProblem(hand); !problem.empty())
        return FailureAbout(action, file_, {SQLITE_MISUSE, std::move(problem)});
    const std::lock_guard lock(mutex_);
    sqlite3_stmt* insert = store_->insertHand.get();
    sqlite::BindText(insert, 1, output::TrimSpaces(hand.player));
    sqlite::BindText(insert, 2, hand.playedAt);
    sqlite::BindText(insert, 3, modcards::FormatCards(hand.dealt));
    sqlite::BindText(insert, 4, HeldText(hand.held));
    sqlite::BindText(insert, 5, modcards::FormatCards(hand.finalHand));
    sqlite3_bind_int(insert, 6, hand.category);
    sqlite3_bind_int(insert, 7, hand.pay);
    sqlite3_bind_double(insert, 8, hand.holdEv);
    sqlite3_bind_double(insert, 9, hand.bestEv);
    sqlite3_bind_int64(insert, 10, hand.session);
    sqlite::BindText(insert, 11, HeldText(hand.bestHeld));
    sqlite::BindText(insert, 12, hand.mode);
    sqlite::BindText(insert, 13, hand.pays);
    const int code = sqlite3_step(insert);
    std::optional<WriteFailure> error;
    if (code != SQLITE_DONE)
        error = FailureAbout(action, file_, sqlite::Failure(store_->db.get(), code));
    sqlite3_reset(insert);
    return error;
}

HandsResult HandHistory::SessionHands(std::int64_t session) const {
    return ReadHands(kHandsOfSession, SessionBinder(session), Detail::Every);
}

HandsResult HandHistory::PlayerHands(std::string_view player) const {
    return ReadHands(kHandsOfPlayer, PlayerBinder(player), Detail::Every);
}

ReviewResult HandHistory::ReviewSession(std::int64_t session, int stake) const {
    return Review(ReadHands(kHandsOfSession, SessionBinder(session), Detail::ListedOnly), stake);
}

ReviewResult HandHistory::ReviewPlayer(std::string_view player, int stake) const {
    return Review(ReadHands(kHandsOfPlayer, PlayerBinder(player), Detail::ListedOnly), stake);
}

HandsResult HandHistory::ReadHands(const char* where, const Binder& bind, Detail detail) const {
    const std::string action = "read the hand history";
    HandsResult result;
    const std::lock_guard lock(mutex_);
    sqlite3* db = store_->db.get();
    sqlite::Statement select;
    sqlite::Status status = sqlite::Prepare(db, std::string(kSelectHands) + where, select);
    if (!status.ok()) {
        result.error = ErrorAbout(action, file_, status.reason);
        return result;
    }
    bind(select.get());
    std::int64_t unreadable = 0;
    std::string firstProblem;
    int code;
    while ((code = sqlite3_step(select.get())) == SQLITE_ROW) {
        HandRecord& hand = result.hands.emplace_back();
        std::string problem = ReadNumbers(select.get(), hand);
        const bool listed = GradeHold(hand.holdEv, hand.bestEv) != HoldGrade::Best;
        if (problem.empty() && (detail == Detail::Every || listed))
            problem = ReadRowTexts(select.get(), hand);
        if (problem.empty()) continue;
        if (unreadable++ == 0) firstProblem = "hand " + std::to_string(hand.id) + ": " + problem;
        result.hands.pop_back();
    }
    if (code != SQLITE_DONE) {
        result.error = ErrorAbout(action, file_, sqlite::Failure(db, code).reason);
    } else if (unreadable > 0) {
        result.error = ErrorAbout(
            action, file_, CountOfHands(unreadable) + " could not be read (" + firstProblem + ")");
    }
    return result;
}

}  // namespace history
