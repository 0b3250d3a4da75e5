// The hand history over SQLite: opening with its checks, one insert per hand, and reading back.
#include "game/history/HandHistory.h"

#include <algorithm>
#include <utility>

#include "accounts/NameKey.h"
#include "engine/CardText.h"
#include "game/history/DrillBoxes.h"
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
// A drill's answer and its group's box, written with its hand in one transaction.
constexpr const char* kCountDrills = "SELECT count(*) FROM drill_answers WHERE player = ?1";
constexpr const char* kInsertDrill =
    "INSERT INTO drill_answers (hand, player, your_line, chart_line, right) VALUES (?1, ?2, ?3, "
    "?4, ?5)";
constexpr const char* kSelectBox =
    "SELECT box, due FROM drill_boxes WHERE player = ?1 AND your_line = ?2 AND chart_line = ?3";
constexpr const char* kStoreBox =
    "INSERT OR REPLACE INTO drill_boxes (player, your_line, chart_line, box, due) VALUES (?1, ?2, "
    "?3, ?4, ?5)";
constexpr const char* kInsertSession = "INSERT INTO sessions (player, started_at) VALUES (?1, ?2)";
// The numbers first: a review reads the texts only of the hands it lists.
constexpr const char* kSelectHands =
    "SELECT id, session, category, pay, hold_ev, best_ev, player, played_at, dealt, held, final, "
    "best_held, mode, pays FROM hands ";
constexpr const char* kHandsOfSession = "WHERE session = ?1 ORDER BY id";
constexpr const char* kHandsOfPlayer = "WHERE player = ?1 ORDER BY id";
// The same hands as a review counts them: a drill's mode is read only for a listed hand.
const std::string kReviewedOfSession =
    std::string("WHERE session = ?1 AND ") + kReviewedSql + " ORDER BY id";
const std::string kReviewedOfPlayer =
    std::string("WHERE player = ?1 AND ") + kReviewedSql + " ORDER BY id";

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
    sqlite::Statement countDrills, insertDrill, selectBox, storeBox;
};

namespace {

// Runs a prepared statement to its end and resets it; the step's code.
int StepOnce(sqlite3_stmt* statement) {
    int code = sqlite3_step(statement);
    if (code == SQLITE_ROW) code = SQLITE_DONE;
    sqlite3_reset(statement);
    return code;
}

}  // namespace

// The drill's answer to the hand just inserted as `hand.id`, and its group's box moved.
int HandHistory::RecordDrill(const HandRecord& hand, std::int64_t id) {
    Store& store = *store_;
    const std::string_view player = output::TrimSpaces(hand.player);
    const LeakKey group = *hand.drill;
    sqlite3_stmt* count = store.countDrills.get();
    sqlite::BindText(count, 1, player);
    int code = sqlite3_step(count);
    const std::int64_t asked = code == SQLITE_ROW ? sqlite3_column_int64(count, 0) + 1 : 0;
    sqlite3_reset(count);
    if (code != SQLITE_ROW) return code;

    const bool right = DrillAnsweredRight(hand);
    sqlite3_stmt* insert = store.insertDrill.get();
    sqlite3_bind_int64(insert, 1, id);
    sqlite::BindText(insert, 2, player);
    sqlite3_bind_int(insert, 3, group.yourLine);
    sqlite3_bind_int(insert, 4, group.chartLine);
    sqlite3_bind_int(insert, 5, right ? 1 : 0);
    if ((code = StepOnce(insert)) != SQLITE_DONE) return code;

    DrillBox box{group};
    sqlite3_stmt* select = store.selectBox.get();
    sqlite::BindText(select, 1, player);
    sqlite3_bind_int(select, 2, group.yourLine);
    sqlite3_bind_int(select, 3, group.chartLine);
    code = sqlite3_step(select);
    if (code == SQLITE_ROW) {
        box.box = std::clamp(sqlite3_column_int(select, 0), 1, kTopBox);
        box.due = sqlite3_column_int64(select, 1);
    }
    sqlite3_reset(select);
    if (code != SQLITE_ROW && code != SQLITE_DONE) return code;
    box = AfterAnswer(box, right, asked);
    sqlite3_stmt* boxRow = store.storeBox.get();
    sqlite::BindText(boxRow, 1, player);
    sqlite3_bind_int(boxRow, 2, group.yourLine);
    sqlite3_bind_int(boxRow, 3, group.chartLine);
    sqlite3_bind_int(boxRow, 4, box.box);
    sqlite3_bind_int64(boxRow, 5, box.due);
    return StepOnce(boxRow);
}

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
    sqlite::Status status;
    for (const auto& [sql, statement] :
         {std::pair{kInsertHand, &store->insertHand},
          std::pair{kInsertSession, &store->insertSession},
          std::pair{kCountDrills, &store->countDrills},
          std::pair{kInsertDrill, &store->insertDrill}, std::pair{kSelectBox, &store->selectBox},
          std::pair{kStoreBox, &store->storeBox}}) {
        if (status.ok()) status = sqlite::Prepare(store->db.get(), sql, *statement);
    }
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
    sqlite3* db = store_->db.get();
    // A drill's hand, its answer and its box go in whole or not at all.
    if (hand.drill) {
        if (const int begun = sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
            begun != SQLITE_OK)
            return FailureAbout(action, file_, sqlite::Failure(db, begun));
    }
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
    int code = sqlite3_step(insert);
    sqlite3_reset(insert);
    if (code == SQLITE_DONE && hand.drill) code = RecordDrill(hand, sqlite3_last_insert_rowid(db));
    if (code == SQLITE_DONE && hand.drill)
        code = sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    if (code == SQLITE_DONE || code == SQLITE_OK) return std::nullopt;
    // The failure's words before the rollback can change them.
    WriteFailure failure = FailureAbout(action, file_, sqlite::Failure(db, code));
    if (hand.drill) sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
    return failure;
}

HandsResult HandHistory::SessionHands(std::int64_t session) const {
    return ReadHands(kHandsOfSession, SessionBinder(session), Detail::Every);
}

HandsResult HandHistory::PlayerHands(std::string_view player) const {
    return ReadHands(kHandsOfPlayer, PlayerBinder(player), Detail::Every);
}

ReviewResult HandHistory::ReviewSession(std::int64_t session, int stake) const {
    return Review(ReadHands(kReviewedOfSession.c_str(), SessionBinder(session), Detail::ListedOnly),
                  stake);
}

ReviewResult HandHistory::ReviewPlayer(std::string_view player, int stake) const {
    return Review(ReadHands(kReviewedOfPlayer.c_str(), PlayerBinder(player), Detail::ListedOnly),
                  stake);
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
        if (problem.empty() && (detail == Detail::Every || listed)) {
            problem = ReadRowTexts(select.get(), hand);
        } else if (problem.empty()) {
            hand.pays = sqlite::ColumnText(select.get(), 13);  // a review counts every table
        }
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
