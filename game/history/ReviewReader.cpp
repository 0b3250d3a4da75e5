// Reading a review: the figures in one pass over the numbers, then the listed hands by their id.
#include "game/history/ReviewReader.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <utility>
#include <vector>

#include "engine/CardText.h"
#include "engine/HandEvaluation.h"
#include "game/history/HistoryConnection.h"
#include "game/history/RowTexts.h"
#include "game/history/Sqlite.h"

namespace history {
namespace {

// The cards, holds and pays come last: they are read only for a costly hand, which may be the
// chart's exception or a mistake a chart groups (at the chart's own table).
constexpr const char* kNumbers =
    "SELECT id, session, category, pay, hold_ev, best_ev, dealt, held, best_held, pays FROM hands ";
constexpr const char* kRows =
    "SELECT id, session, category, pay, hold_ev, best_ev, player, played_at, dealt, held, final, "
    "best_held, mode, pays FROM hands ";
constexpr const char* kOfPlayer = "WHERE player = ?1 AND id > ?2 AND (?3 = '' OR pays = ?3) ";
constexpr const char* kOfSession = "WHERE session = ?1 AND id > ?2 AND (?3 = '' OR pays = ?3) ";
constexpr const char* kOfEveryone = "WHERE ?1 IS NOT NULL AND id > ?2 AND (?3 = '' OR pays = ?3) ";
constexpr const char* kInOrder = "ORDER BY id";

// The hands of a scope that a review counts, in the order played: no drill's.
std::string Reviewed(const char* scope) {
    return std::string(scope) + "AND " + kReviewedSql + " " + kInOrder;
}
constexpr const char* kById = "WHERE id = ?1";
// Each group's drills by session, in the order the sessions were played; the scope as above.
constexpr const char* kDrillTallies =
    "SELECT hands.session, your_line, chart_line, count(*), sum(right) FROM drill_answers JOIN "
    "hands ON hands.id = drill_answers.hand ";
constexpr const char* kDrillTalliesGrouped =
    " GROUP BY hands.session, your_line, chart_line ORDER BY min(hands.id)";
constexpr const char* kTalliesOfPlayer = "WHERE hands.player = ?1 AND hands.id > ?2";
constexpr const char* kTalliesOfSession = "WHERE hands.session = ?1 AND hands.id > ?2";
constexpr const char* kTalliesOfEveryone = "WHERE ?1 IS NOT NULL AND hands.id > ?2";
// A player's tables, no drill's, each once: one pass over their rows, nothing sorted.
constexpr const char* kTablesOfPlayer =
    "SELECT DISTINCT pays FROM hands WHERE player = ?1 AND mode <> 'drill'";
constexpr const char* kDrillsAsked = "SELECT count(*) FROM drill_answers WHERE player = ?1";
constexpr const char* kDrillBoxes =
    "SELECT your_line, chart_line, box, due FROM drill_boxes WHERE player = ?1";

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
    return ReadRowTexts(row, hand);
}

// The dealt cards and holds of kNumbers' row, read only when the hand costs enough for
// the chart to be asked about it (IsChartHold); returns why they cannot be read, in words.
std::string ReadHoldOfCostlyHand(sqlite3_stmt* row, HandRecord& hand) {
    if (hand.Cost() < kCloseCallCredits) return {};
    try {
        hand.dealt = modcards::ParseHand(sqlite::ColumnText(row, 6));
    } catch (const modcards::CardTextError& error) {
        return error.what();
    }
    const auto held = ParseHeld(sqlite::ColumnText(row, 7));
    const auto bestHeld = ParseHeld(sqlite::ColumnText(row, 8));
    if (!held || !bestHeld) return "a hold is not five characters 0 or 1";
    hand.held = *held;
    hand.bestHeld = *bestHeld;
    return {};
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
    if (hands.session == 0 && hands.player.empty()) {
        sqlite3_bind_int(select, 1, 1);
    } else if (hands.session != 0) {
        sqlite3_bind_int64(select, 1, hands.session);
    } else {
        sqlite::BindText(select, 1, hands.player);
    }
    sqlite3_bind_int64(select, 2, after);
    sqlite::BindText(select, 3, hands.pays);
}

// One value of a CSV line.
void AppendCsvValue(std::string& line, sqlite3_stmt* row, int column) {
    switch (sqlite3_column_type(row, column)) {
        case SQLITE_NULL:
            return;
        case SQLITE_INTEGER:
            line += std::to_string(sqlite3_column_int64(row, column));
            return;
        case SQLITE_FLOAT: {
            std::array<char, 32> digits{};
            const auto written = std::to_chars(digits.data(), digits.data() + digits.size(),
                                               sqlite3_column_double(row, column));
            line.append(digits.data(), written.ptr);
            return;
        }
        default:
            break;
    }
    const std::string_view text = sqlite::ColumnText(row, column);
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
        line += text;
        return;
    }
    line += '"';
    for (const char c : text) {
        if (c == '"') line += '"';
        line += c;
    }
    line += '"';
}

// Why `db` cannot be read as a hand history, in words; empty when it can.
std::string HistoryProblem(sqlite3* db) {
    std::int64_t version = 0;
    if (sqlite::Status status = sqlite::QueryInteger(db, "PRAGMA user_version", version);
        !status.ok())
        return status.unreadable() ? "it is not a hand history (" + status.reason + ")"
                                   : status.reason;
    if (version > kSchemaVersion)
        return "it was written by a newer version of the game (format " + std::to_string(version) +
               "; this one reads up to " + std::to_string(kSchemaVersion) + ")";
    std::int64_t tables = 0;
    if (sqlite::Status status = sqlite::QueryInteger(
            db, "SELECT count(*) FROM sqlite_schema WHERE type = 'table' AND name = 'hands'",
            tables);
        !status.ok())
        return status.reason;
    if (tables == 0) return "it is not a hand history (it has no table of hands)";
    return {};
}

}  // namespace

struct ReviewReader::Store {
    sqlite::Database db;
    sqlite::Statement numbersOfPlayer, numbersOfSession, numbersOfEveryone, rowsOfPlayer,
        rowsOfSession, rowsOfEveryone, rowById, tablesOfPlayer;
    // Empty in a file of a format before drills, read as it is.
    sqlite::Statement talliesOfPlayer, talliesOfSession, talliesOfEveryone, drillsAsked, drillBoxes;

    sqlite3_stmt* Numbers(const ReviewedHands& hands) const {
        if (hands.session != 0) return numbersOfSession.get();
        return (hands.player.empty() ? numbersOfEveryone : numbersOfPlayer).get();
    }
    sqlite3_stmt* Rows(const ReviewedHands& hands) const {
        if (hands.session != 0) return rowsOfSession.get();
        return (hands.player.empty() ? rowsOfEveryone : rowsOfPlayer).get();
    }
    sqlite3_stmt* Tallies(const ReviewedHands& hands) const {
        if (hands.session != 0) return talliesOfSession.get();
        return (hands.player.empty() ? talliesOfEveryone : talliesOfPlayer).get();
    }
};

ReviewReader::ReviewReader(std::filesystem::path file,
                           const modcards::analysis::StrategyChart* chart)
    : file_(std::move(file)), chart_(chart) {}

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
    if (opened != SQLITE_OK) {
        std::error_code error;
        if (!std::filesystem::exists(file_, error)) return ErrorAbout("there is no such file");
        return ErrorAbout(sqlite::Failure(raw, opened).reason);
    }
    sqlite3_busy_timeout(raw, kBusyTimeoutMs);
    if (const std::string problem = HistoryProblem(raw); !problem.empty())
        return ErrorAbout(problem);
    const std::string numbers = kNumbers, rows = kRows;
    for (const auto& [sql, statement] :
         {std::pair{numbers + Reviewed(kOfPlayer), &store->numbersOfPlayer},
          std::pair{numbers + Reviewed(kOfSession), &store->numbersOfSession},
          std::pair{numbers + Reviewed(kOfEveryone), &store->numbersOfEveryone},
          std::pair{rows + Reviewed(kOfPlayer), &store->rowsOfPlayer},
          std::pair{rows + Reviewed(kOfSession), &store->rowsOfSession},
          std::pair{rows + Reviewed(kOfEveryone), &store->rowsOfEveryone},
          std::pair{rows + kById, &store->rowById},
          std::pair{std::string(kTablesOfPlayer), &store->tablesOfPlayer}}) {
        if (sqlite::Status status = sqlite::Prepare(raw, sql, *statement); !status.ok())
            return ErrorAbout(status.reason);
    }
    std::int64_t drillTables = 0;
    sqlite::QueryInteger(raw, "SELECT count(*) FROM sqlite_schema WHERE name = 'drill_boxes'",
                         drillTables);
    const std::string tallies = kDrillTallies;
    for (const auto& [sql, statement] :
         {std::pair{tallies + kTalliesOfPlayer + kDrillTalliesGrouped, &store->talliesOfPlayer},
          std::pair{tallies + kTalliesOfSession + kDrillTalliesGrouped, &store->talliesOfSession},
          std::pair{tallies + kTalliesOfEveryone + kDrillTalliesGrouped, &store->talliesOfEveryone},
          std::pair{std::string(kDrillsAsked), &store->drillsAsked},
          std::pair{std::string(kDrillBoxes), &store->drillBoxes}}) {
        if (drillTables == 0) break;
        if (sqlite::Status status = sqlite::Prepare(raw, sql, *statement); !status.ok())
            return ErrorAbout(status.reason);
    }
    store_ = std::move(store);
    return std::nullopt;
}

ReviewResult ReviewReader::Review(const ReviewedHands& hands, int stake) {
    if (!chart_) return Read(hands, stake, GameGrading(), false);
    return Read(hands, stake, GradingChart{chart_, GameGrading().pays}, true);
}

ReviewResult ReviewReader::Review(const ReviewedHands& hands, int stake,
                                  const GradingChart& grading) {
    return Read(hands, stake, grading, true);
}

ReviewResult ReviewReader::Read(const ReviewedHands& hands, int stake, const GradingChart& grading,
                                bool group) {
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
    std::vector<Listed> mistakes, closeCalls, chartExceptions;
    LeftOut leftOut;
    sqlite3_stmt* select = store_->Numbers(hands);
    BindHands(select, hands, 0);
    HandRecord hand;  // its numbers only, and the hold of a costly hand
    int code;
    while ((code = sqlite3_step(select)) == SQLITE_ROW) {
        ++rowsRead_;
        hand.id = sqlite3_column_int64(select, 0);
        hand.session = sqlite3_column_int64(select, 1);
        hand.category = sqlite3_column_int(select, 2);
        hand.pay = sqlite3_column_int(select, 3);
        hand.holdEv = sqlite3_column_double(select, 4);
        hand.bestEv = sqlite3_column_double(select, 5);
        // Nearly always the last row's table: copied only when it changes.
        if (const std::string_view pays = sqlite::ColumnText(select, 9); pays != hand.pays)
            hand.pays = pays;
        std::string problem = NumbersProblem(hand);
        if (problem.empty()) problem = ReadHoldOfCostlyHand(select, hand);
        if (!problem.empty()) {
            leftOut.Add(hand.id, problem);
            continue;
        }
        const HoldGrade grade = CountHand(review, hand, stake, grading);
        if (group) {
            if (grade == HoldGrade::Mistake) {
                result.leaks.Fold(hand, grading);
            } else {
                result.leaks.CountHand(hand, grading);
            }
        }
        switch (grade) {
            case HoldGrade::Best:
                break;
            case HoldGrade::CloseCall:
                closeCalls.push_back({hand.Cost(), hand.id});
                break;
            case HoldGrade::Mistake:
                mistakes.push_back({hand.Cost(), hand.id});
                break;
            case HoldGrade::ChartException:
                chartExceptions.push_back({hand.Cost(), hand.id});
                break;
        }
    }
    sqlite3_reset(select);
    // Drills are dealt for the game chart's lines: another chart's groups have none.
    if (code == SQLITE_DONE && group && grading.pays == GameGrading().pays)
        code = ReadTallies(hands, result.leaks);
    if (code != SQLITE_DONE) {
        result.error = ErrorAbout(sqlite::Failure(db, code).reason);
        sqlite::Execute(db, "COMMIT");
        return result;
    }

    sqlite3_stmt* byId = store_->rowById.get();
    for (auto [listed, into] :
         {std::pair{&mistakes, &review.mistakes}, std::pair{&closeCalls, &review.closeCalls},
          std::pair{&chartExceptions, &review.chartExceptions}}) {
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

int ReviewReader::ReadTallies(const ReviewedHands& hands, Leaks& leaks) {
    sqlite3_stmt* select = store_->Tallies(hands);
    if (!select) return SQLITE_DONE;
    BindHands(select, hands, 0);
    int code;
    while ((code = sqlite3_step(select)) == SQLITE_ROW) {
        ++rowsRead_;
        const LeakKey group{sqlite3_column_int(select, 1), sqlite3_column_int(select, 2)};
        leaks.drills[group].push_back({sqlite3_column_int64(select, 0),
                                       sqlite3_column_int64(select, 3),
                                       sqlite3_column_int64(select, 4)});
    }
    sqlite3_reset(select);
    return code;
}

TablesResult ReviewReader::Tables(std::string_view player) {
    TablesResult result{std::string(player), {}, std::nullopt};
    if (auto error = Ready()) {
        result.error = std::move(error);
        return result;
    }
    sqlite3_stmt* select = store_->tablesOfPlayer.get();
    sqlite::BindText(select, 1, player);
    int code;
    while ((code = sqlite3_step(select)) == SQLITE_ROW) {
        ++rowsRead_;
        result.pays.emplace_back(sqlite::ColumnText(select, 0));
    }
    sqlite3_reset(select);
    if (code != SQLITE_DONE)
        result.error = ErrorAbout(sqlite::Failure(store_->db.get(), code).reason);
    return result;
}

DrillStateResult ReviewReader::Drills(std::string_view player) {
    DrillStateResult result;
    if (auto error = Ready()) {
        result.error = std::move(error);
        return result;
    }
    if (!store_->drillBoxes) return result;
    sqlite3* db = store_->db.get();
    sqlite::Execute(db, "BEGIN");
    sqlite3_stmt* asked = store_->drillsAsked.get();
    sqlite::BindText(asked, 1, player);
    int code = sqlite3_step(asked);
    if (code == SQLITE_ROW) result.state.asked = sqlite3_column_int64(asked, 0);
    sqlite3_reset(asked);
    sqlite3_stmt* boxes = store_->drillBoxes.get();
    sqlite::BindText(boxes, 1, player);
    while (code == SQLITE_ROW && (code = sqlite3_step(boxes)) == SQLITE_ROW) {
        result.state.boxes.push_back({{sqlite3_column_int(boxes, 0), sqlite3_column_int(boxes, 1)},
                                      std::clamp(sqlite3_column_int(boxes, 2), 1, kTopBox),
                                      sqlite3_column_int64(boxes, 3)});
    }
    sqlite3_reset(boxes);
    sqlite::Execute(db, "COMMIT");
    if (code != SQLITE_DONE) result.error = ErrorAbout(sqlite::Failure(db, code).reason);
    return result;
}

CsvResult ReviewReader::Csv(const ReviewedHands& hands) {
    CsvResult result;
    if (auto error = Ready()) {
        result.error = std::move(error);
        return result;
    }
    const char* where = hands.session != 0     ? kOfSession
                        : hands.player.empty() ? kOfEveryone
                                               : kOfPlayer;
    sqlite::Statement select;
    if (sqlite::Status status = sqlite::Prepare(
            store_->db.get(), std::string("SELECT * FROM hands ") + where + kInOrder, select);
        !status.ok()) {
        result.error = ErrorAbout(status.reason);
        return result;
    }
    BindHands(select.get(), hands, 0);
    const int columns = sqlite3_column_count(select.get());
    std::string& text = result.text;
    for (int column = 0; column < columns; ++column) {
        if (column > 0) text += ',';
        text += sqlite3_column_name(select.get(), column);
    }
    text += '\n';
    int code;
    while ((code = sqlite3_step(select.get())) == SQLITE_ROW) {
        ++rowsRead_;
        for (int column = 0; column < columns; ++column) {
            if (column > 0) text += ',';
            AppendCsvValue(text, select.get(), column);
        }
        text += '\n';
    }
    if (code != SQLITE_DONE) {
        result.error = ErrorAbout(sqlite::Failure(store_->db.get(), code).reason);
        result.text.clear();
    }
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
