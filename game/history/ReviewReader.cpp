// Reading a review: the figures in one pass over the numbers, then the listed hands by their id.
#include "game/history/ReviewReader.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "engine/CardText.h"
#include "engine/HandEvaluation.h"
#include "game/history/HistoryConnection.h"
#include "game/history/Sqlite.h"

namespace history {
namespace {

constexpr const char* kNumbers = "SELECT id, session, category, pay, hold_ev, best_ev FROM hands ";
constexpr const char* kRows =
    "SELECT id, session, category, pay, hold_ev, best_ev, player, played_at, dealt, held, final, "
    "best_held, mode, pays FROM hands ";
constexpr const char* kOfPlayer = "WHERE player = ?1 AND id > ?2 ORDER BY id";
constexpr const char* kOfSession = "WHERE session = ?1 AND id > ?2 ORDER BY id";
constexpr const char* kById = "WHERE id = ?1";

// A hand of the lists before its row is read: its place is all the pass keeps.
struct Listed {
    double cost;
    std::int64_t id;
};

// Rows left out, counted, with the first one's reason.
struct LeftOut {
    std::int64_t count = 0;
    std::string first;

    void Add(std::int64_t id, const std::string& why) {
        if (count++ == 0) first = "hand " + std::to_string(id) + ": " + why;
    }
    std::string Words() const {
        return std::to_string(count) + (count == 1 ? " hand" : " hands") + " could not be read (" +
               first + ")";
    }
};

// The whole row of kRows; returns why it cannot be read, in words.
std::string ReadRow(sqlite3_stmt* row, HandRecord& hand) {
    hand.id = sqlite3_column_int64(row, 0);
    hand.session = sqlite3_column_int64(row, 1);
    hand.category = sqlite3_column_int(row, 2);
    hand.pay = sqlite3_column_int(row, 3);
    hand.holdEv = sqlite3_column_double(row, 4);
    hand.bestEv = sqlite3_column_double(row, 5);
    hand.player = sqlite::ColumnText(row, 6);
    hand.playedAt = sqlite::ColumnText(row, 7);
    try {
        hand.dealt = modcards::ParseHand(sqlite::ColumnText(row, 8));
        hand.finalHand = modcards::ParseHand(sqlite::ColumnText(row, 10));
    } catch (const modcards::CardTextError& error) {
        return error.what();
    }
    const auto held = ParseHeld(sqlite::ColumnText(row, 9));
    const auto bestHeld = ParseHeld(sqlite::ColumnText(row, 11));
    if (!held || !bestHeld) return "a hold is not five characters 0 or 1";
    hand.held = *held;
    hand.bestHeld = *bestHeld;
    hand.mode = sqlite::ColumnText(row, 12);
    hand.pays = sqlite::ColumnText(row, 13);
    return RecordProblem(hand);
}

// The costliest `listed`, in the order ListedBefore puts them, at most kListedHands.
void KeepCostliest(std::vector<Listed>& listed) {
    const auto before = [](const Listed& a, const Listed& b) {
        return ListedBefore(a.cost, a.id, b.cost, b.id);
    };
    const auto kept = listed.begin() + std::ptrdiff_t(std::min(listed.size(), kListedHands));
    std::partial_sort(listed.begin(), kept, listed.end(), before);
    listed.erase(kept, listed.end());
}

void BindHands(sqlite3_stmt* select, const ReviewedHands& hands, std::int64_t after) {
    if (hands.session != 0) {
        sqlite3_bind_int64(select, 1, hands.session);
    } else {
        sqlite::BindText(select, 1, hands.player);
    }
    sqlite3_bind_int64(select, 2, after);
}

}  // namespace

struct ReviewReader::Store {
    sqlite::Database db;
    sqlite::Statement numbersOfPlayer, numbersOfSession, rowsOfPlayer, rowsOfSession, rowById;

    sqlite3_stmt* Numbers(const ReviewedHands& hands) const {
        return (hands.session != 0 ? numbersOfSession : numbersOfPlayer).get();
    }
    sqlite3_stmt* Rows(const ReviewedHands& hands) const {
        return (hands.session != 0 ? rowsOfSession : rowsOfPlayer).get();
    }
};

ReviewReader::ReviewReader(std::filesystem::path file) : file_(std::move(file)) {}

ReviewReader::~ReviewReader() = default;

output::FileError ReviewReader::ErrorAbout(std::string reason) const {
    return {"read the hand history", file_, std::move(reason)};
}

std::optional<output::FileError> ReviewReader::Ready() {
    if (store_) return std::nullopt;
    sqlite3* raw = nullptr;
    const int opened = sqlite3_open_v2(
        file_.c_str(), &raw, SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX | SQLITE_OPEN_EXRESCODE,
        nullptr);
    auto store = std::make_unique<Store>();
    store->db.reset(raw);
    if (opened != SQLITE_OK) return ErrorAbout(sqlite::Failure(raw, opened).reason);
    sqlite3_busy_timeout(raw, kBusyTimeoutMs);
    const std::string numbers = kNumbers, rows = kRows;
    for (const auto& [sql, statement] : {std::pair{numbers + kOfPlayer, &store->numbersOfPlayer},
                                         std::pair{numbers + kOfSession, &store->numbersOfSession},
                                         std::pair{rows + kOfPlayer, &store->rowsOfPlayer},
                                         std::pair{rows + kOfSession, &store->rowsOfSession},
                                         std::pair{rows + kById, &store->rowById}}) {
        if (sqlite::Status status = sqlite::Prepare(raw, sql, *statement); !status.ok())
            return ErrorAbout(status.reason);
    }
    store_ = std::move(store);
    return std::nullopt;
}

ReviewResult ReviewReader::Review(const ReviewedHands& hands, int stake) {
    ReviewResult result;
    if (auto error = Ready()) {
        result.error = std::move(error);
        return result;
    }
    sqlite3* db = store_->db.get();
    // One snapshot: the listed hands are those the figures counted.
    if (sqlite::Status status = sqlite::Execute(db, "BEGIN"); !status.ok()) {
        result.error = ErrorAbout(status.reason);
        return result;
    }
    SessionReview& review = result.review;
    std::vector<Listed> mistakes, closeCalls;
    LeftOut leftOut;
    sqlite3_stmt* select = store_->Numbers(hands);
    BindHands(select, hands, 0);
    HandRecord hand;  // its numbers only
    int code;
    while ((code = sqlite3_step(select)) == SQLITE_ROW) {
        ++rowsRead_;
        hand.id = sqlite3_column_int64(select, 0);
        hand.session = sqlite3_column_int64(select, 1);
        hand.category = sqlite3_column_int(select, 2);
        hand.pay = sqlite3_column_int(select, 3);
        hand.holdEv = sqlite3_column_double(select, 4);
        hand.bestEv = sqlite3_column_double(select, 5);
        if (const std::string problem = NumbersProblem(hand); !problem.empty()) {
            leftOut.Add(hand.id, problem);
            continue;
        }
        const HoldGrade grade = CountHand(review, hand, stake);
        if (grade != HoldGrade::Best)
            (grade == HoldGrade::Mistake ? mistakes : closeCalls).push_back({hand.Cost(), hand.id});
    }
    sqlite3_reset(select);
    if (code != SQLITE_DONE) {
        result.error = ErrorAbout(sqlite::Failure(db, code).reason);
        sqlite::Execute(db, "COMMIT");
        return result;
    }

    sqlite3_stmt* byId = store_->rowById.get();
    for (auto [listed, into] :
         {std::pair{&mistakes, &review.mistakes}, std::pair{&closeCalls, &review.closeCalls}}) {
        KeepCostliest(*listed);
        into->reserve(listed->size());
        for (const Listed& entry : *listed) {
            sqlite3_bind_int64(byId, 1, entry.id);
            if (sqlite3_step(byId) == SQLITE_ROW) {
                ++rowsRead_;
                HandRecord& row = into->emplace_back();
                if (const std::string problem = ReadRow(byId, row); !problem.empty()) {
                    leftOut.Add(entry.id, problem);
                    into->pop_back();
                }
            }
            sqlite3_reset(byId);
        }
    }
    sqlite::Execute(db, "COMMIT");
    if (leftOut.count > 0) result.error = ErrorAbout(leftOut.Words());
    return result;
}

HandsResult ReviewReader::HandsAfter(const ReviewedHands& hands, std::int64_t after) {
    HandsResult result;
    if (auto error = Ready()) {
        result.error = std::move(error);
        return result;
    }
    sqlite3_stmt* select = store_->Rows(hands);
    BindHands(select, hands, after);
    LeftOut leftOut;
    int code;
    while ((code = sqlite3_step(select)) == SQLITE_ROW) {
        ++rowsRead_;
        HandRecord& hand = result.hands.emplace_back();
        if (const std::string problem = ReadRow(select, hand); !problem.empty()) {
            leftOut.Add(hand.id, problem);
            result.hands.pop_back();
        }
    }
    sqlite3_reset(select);
    if (code != SQLITE_DONE) {
        result.error = ErrorAbout(sqlite::Failure(store_->db.get(), code).reason);
    } else if (leftOut.count > 0) {
        result.error = ErrorAbout(leftOut.Words());
    }
    return result;
}

}  // namespace history
