// History.db as written: the columns as text, sessions apart, and hands read back as recorded.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include "game/history/HandHistory.h"
#include "tests/game/history/HistoryTestFiles.h"

namespace {

using history::HandHistory;
using history_test::Hand;
using history_test::HistoryIn;
using history_test::kNow;

// The first row of `sql` on the file, its columns joined by '|'.
std::string FirstRow(const std::filesystem::path& file, const char* sql) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* statement = nullptr;
    std::string row;
    if (sqlite3_prepare_v2(db, sql, -1, &statement, nullptr) == SQLITE_OK &&
        sqlite3_step(statement) == SQLITE_ROW) {
        for (int i = 0; i < sqlite3_column_count(statement); ++i) {
            if (i > 0) row += '|';
            row += reinterpret_cast<const char*>(sqlite3_column_text(statement, i));
        }
    }
    sqlite3_finalize(statement);
    sqlite3_close(db);
    return row;
}

TEST(HandHistoryFile, HandsAreStoredAsTextAPlayerCanRead) {
    ScratchFolder folder;
    auto opened = HandHistory::Open(folder.path(), kNow);
    ASSERT_TRUE(opened.history) << opened.error->Describe();
    EXPECT_EQ(opened.notice, "");
    const auto session = opened.history->BeginSession("  Alice  ", "2024-05-01T14:00:00");
    ASSERT_FALSE(session.error);
    EXPECT_EQ(session.session.player, "Alice");

    auto hand = Hand(session.session.id, "Ah 2c 5d 9s Kh", "01000", "Jd 2c 7d Jc 4s",
                     900890.0 / 178365.0, 5895.0 / 1081.0, 5);
    hand.player = " Alice ";
    hand.bestHeld = 0b10011;
    hand.category = 10;
    ASSERT_FALSE(opened.history->Record(hand));
    opened.history.reset();

    EXPECT_EQ(FirstRow(HistoryIn(folder),
                       "SELECT player, played_at, dealt, held, final, category, pay, best_held "
                       "FROM hands"),
              "Alice|2024-05-01T14:03:22|Ah 2c 5d 9s Kh|01000|Jd 2c 7d Jc 4s|10|5|11001");
    EXPECT_EQ(FirstRow(HistoryIn(folder), "SELECT hold_ev = 900890.0 / 178365, best_ev FROM hands"),
              "1|5.45328399629972");
    EXPECT_EQ(FirstRow(HistoryIn(folder), "SELECT mode, pays FROM hands"),
              "account|600,200,25,16,10,4,4,3,2,1");
    EXPECT_EQ(FirstRow(HistoryIn(folder), "PRAGMA user_version"), "3");
    EXPECT_EQ(FirstRow(HistoryIn(folder), "PRAGMA journal_mode"), "wal");
}

// The hands read, without the ids the history gave them.
std::vector<history::HandRecord> Recorded(history::HandsResult read) {
    EXPECT_FALSE(read.error);
    for (auto& hand : read.hands) hand.id = 0;
    return read.hands;
}

TEST(HandHistoryFile, SessionsAndPlayersReadBackApart) {
    ScratchFolder folder;
    auto history = HandHistory::Open(folder.path(), kNow).history;
    ASSERT_TRUE(history);
    const auto first = history->BeginSession("Alice", kNow).session;
    const auto other = history->BeginSession("Bob", kNow).session;
    const auto second = history->BeginSession("Alice", kNow).session;
    EXPECT_LT(first.id, second.id);

    const auto a1 = Hand(first.id, "Ah 2c 5d 9s Kh", "11001", "Ah 2c 7d Jc Kh", 5.5, 5.5);
    auto b1 = Hand(other.id, "3c 5d 9s Jh Kd", "00000", "4c 6d 8s Th Qd", 1.5, 1.75, 5);
    b1.player = "Bob";
    auto a2 = Hand(second.id, "Th Jh Qh Kh Ah", "11111", "Th Jh Qh Kh Ah", 4000, 4000, 4000);
    a2.mode = "practice";
    a2.pays = "800,200,25,15,9,5,3,2,2,1";
    for (const auto& hand : {a1, b1, a2}) ASSERT_FALSE(history->Record(hand));
    history.reset();

    // Read from a new connection, as the next start of the game would.
    history = HandHistory::Open(folder.path(), kNow).history;
    EXPECT_EQ(Recorded(history->SessionHands(second.id)), std::vector{a2});
    EXPECT_EQ(Recorded(history->SessionHands(first.id)), std::vector{a1});
    EXPECT_EQ(Recorded(history->PlayerHands(" Alice")), (std::vector{a1, a2}));
    EXPECT_EQ(Recorded(history->PlayerHands("Bob")), std::vector{b1});
}

TEST(HandHistoryFile, TheReviewReadsTheCardsOfTheHandsItLists) {
    ScratchFolder folder;
    auto history = HandHistory::Open(folder.path(), kNow).history;
    const auto session = history->BeginSession("Alice", kNow).session;
    const auto best = Hand(session.id, "Ah 2c 5d 9s Kh", "11001", "Ah 2c 7d Jc Kh", 5.5, 5.5, 5);
    const auto mistake = Hand(session.id, "3c 5d 9s Jh Kd", "10000", "3c 6d 8s Th Qd", 1.5, 2.5);
    const auto closeCall = Hand(session.id, "Th Jh Qh Kh 3s", "11110", "Th Jh Qh Kh 3c", 7, 7.005);
    for (const auto& hand : {best, mistake, closeCall}) ASSERT_FALSE(history->Record(hand));

    auto reviewed = history->ReviewSession(session.id, 5);
    ASSERT_FALSE(reviewed.error);
    auto& review = reviewed.review;
    EXPECT_EQ(review.handsPlayed, 3);  // the figures themselves: SessionReviewTest
    ASSERT_EQ(review.mistakes.size(), 1u);
    ASSERT_EQ(review.closeCalls.size(), 1u);
    EXPECT_EQ(review.mistakes[0].id, 2);
    review.mistakes[0].id = review.closeCalls[0].id = 0;
    EXPECT_EQ(review.mistakes[0], mistake);
    EXPECT_EQ(review.closeCalls[0], closeCall);
    EXPECT_EQ(history->ReviewPlayer("Alice", 5).review.balance.back().actual, -10);
}

TEST(HandHistoryFile, RowsOutOfRangeAreRefusedInWords) {
    ScratchFolder folder;
    auto history = HandHistory::Open(folder.path(), kNow).history;
    const auto session = history->BeginSession("Alice", kNow).session;
    auto hand = Hand(session.id, "Ah 2c 5d 9s Kh", "11001", "Ah 2c 7d Jc Kh", 5.5, 5.5);
    hand.session = 0;
    EXPECT_EQ(history->Record(hand)->Describe(),
              "Could not record the hand in the hand history.\n\"" + HistoryIn(folder).string() +
                  "\": the hand belongs to no session.");
    hand.session = session.id;
    hand.holdEv = 6;  // better than the best
    EXPECT_EQ(history->Record(hand)->reason,
              "the hand's expected pays are not those of a hold and the best hold");
    hand.holdEv = 5.5;
    hand.mode = "casino";
    EXPECT_EQ(history->Record(hand)->reason,
              "the mode \"casino\" is not account, drill or practice");
    hand.mode = "drill";
    for (const char* pays : {"800,200,25,15,9,5,3,2,2", "800,200,25,15,9,5,3,2,2,-1",
                             "800,200,25,15,9,5,3,2,2,1,", "40000,200,25,15,9,5,3,2,2,1"}) {
        hand.pays = pays;
        EXPECT_EQ(history->Record(hand)->reason,
                  "the pays \"" + std::string(pays) + "\" are not ten numbers separated by commas");
    }
    EXPECT_EQ(history->BeginSession("   ", kNow).error->reason, "the session has no player");
    EXPECT_TRUE(history->SessionHands(session.id).hands.empty());
}

}  // namespace

namespace {

// A history as the first format wrote it: no mode and no pays.
void WriteFormatOne(const std::filesystem::path& file) {
    sqlite3* db = nullptr;
    sqlite3_open(file.c_str(), &db);
    sqlite3_exec(db, R"sql(
        CREATE TABLE sessions (id INTEGER PRIMARY KEY AUTOINCREMENT, player TEXT NOT NULL,
                               started_at TEXT NOT NULL);
        CREATE TABLE hands (id INTEGER PRIMARY KEY, player TEXT NOT NULL,
            played_at TEXT NOT NULL, dealt TEXT NOT NULL, held TEXT NOT NULL,
            final TEXT NOT NULL, category INTEGER NOT NULL, pay INTEGER NOT NULL,
            hold_ev REAL NOT NULL, best_ev REAL NOT NULL,
            session INTEGER NOT NULL REFERENCES sessions(id), best_held TEXT NOT NULL);
        CREATE INDEX hands_of_player ON hands(player, id);
        CREATE INDEX hands_of_session ON hands(session, id);
        INSERT INTO sessions (player, started_at) VALUES ('Alice', '2024-04-01T10:00:00');
        INSERT INTO hands VALUES (1, 'Alice', '2024-04-01T10:00:05', 'Ah 2c 5d 9s Kh', '11001',
            'Ah 2c 7d Jc Kh', 10, 5, 5.5, 5.5, 1, '11001');
        INSERT INTO hands VALUES (2, 'Alice', '2024-04-01T10:00:09', '3c 5d 9s Jh Kd', '00000',
            '4c 6d 8s Th Qd', 0, 0, 1.5, 2.5, 1, '00000');
        PRAGMA user_version = 1;)sql",
                 nullptr, nullptr, nullptr);
    sqlite3_close(db);
}

TEST(HandHistoryFile, AFirstFormatHistoryIsUpgradedInPlaceKeepingEveryHand) {
    ScratchFolder folder;
    WriteFormatOne(HistoryIn(folder));
    auto opened = HandHistory::Open(folder.path(), kNow);
    ASSERT_TRUE(opened.history) << opened.error->Describe();
    EXPECT_EQ(opened.notice, "");  // nothing set aside

    const auto old = opened.history->PlayerHands("Alice");
    ASSERT_FALSE(old.error);
    ASSERT_EQ(old.hands.size(), 2u);
    for (const auto& hand : old.hands) {
        EXPECT_EQ(hand.mode, "account");
        EXPECT_EQ(hand.pays, "600,200,25,16,10,4,4,3,2,1");
    }
    EXPECT_EQ(old.hands[1].bestEv, 2.5);
    // The second hand's costly hold is read and graded (drawing five is that deal's chart line).
    const auto review = opened.history->ReviewPlayer("Alice", 5).review;
    EXPECT_EQ(review.mistakes.size() + review.chartExceptions.size(), 1u);

    // New hands go in beside the old ones, with their own mode and pays.
    const auto session = opened.history->BeginSession("Alice", kNow).session;
    auto practice = Hand(session.id, "Th Jh Qh Kh 3s", "11110", "Th Jh Qh Kh 3c", 7, 7);
    practice.mode = "practice";
    practice.pays = "800,200,25,15,9,5,3,2,2,1";
    ASSERT_FALSE(opened.history->Record(practice));
    opened.history.reset();

    EXPECT_EQ(FirstRow(HistoryIn(folder), "PRAGMA user_version"), "3");
    EXPECT_EQ(FirstRow(HistoryIn(folder),
                       "SELECT count(*), group_concat(mode || ' ' || pays, ';') FROM hands"),
              "3|account 600,200,25,16,10,4,4,3,2,1;account 600,200,25,16,10,4,4,3,2,1;"
              "practice 800,200,25,15,9,5,3,2,2,1");
    // Opened again, nothing changes: the upgrade is made once.
    auto again = HandHistory::Open(folder.path(), kNow);
    ASSERT_TRUE(again.history);
    EXPECT_EQ(again.history->PlayerHands("Alice").hands.size(), 3u);
}

// A history of the second format, as the game left it before drills.
void WriteFormatTwo(const std::filesystem::path& file) {
    WriteFormatOne(file);
    sqlite3* db = nullptr;
    sqlite3_open(file.c_str(), &db);
    sqlite3_exec(db, R"sql(
        ALTER TABLE hands ADD COLUMN mode TEXT NOT NULL DEFAULT 'account';
        ALTER TABLE hands ADD COLUMN pays TEXT NOT NULL DEFAULT '600,200,25,16,10,4,4,3,2,1';
        UPDATE hands SET mode = 'practice' WHERE id = 2;
        PRAGMA user_version = 2;)sql",
                 nullptr, nullptr, nullptr);
    sqlite3_close(db);
}

TEST(HandHistoryFile, ASecondFormatHistoryGainsTheDrillTablesKeepingEveryHand) {
    ScratchFolder folder;
    WriteFormatTwo(HistoryIn(folder));
    const std::string before = FirstRow(HistoryIn(folder),
                                        "SELECT group_concat(id || dealt || "
                                        "held || hold_ev || mode, ';') FROM hands");
    auto opened = HandHistory::Open(folder.path(), kNow);
    ASSERT_TRUE(opened.history) << opened.error->Describe();
    const auto session = opened.history->BeginSession("Alice", kNow).session;
    auto drill = Hand(session.id, "2c 2d 5h 9s Kh", "00001", "2c 2d 6h 7s 8h", 1.0, 3.0);
    drill.bestHeld = 0b00011;
    drill.mode = history::kDrillMode;
    drill.drill = history::LeakKey{12, 5};
    ASSERT_FALSE(opened.history->Record(drill));
    opened.history.reset();

    EXPECT_EQ(FirstRow(HistoryIn(folder), "PRAGMA user_version"), "3");
    EXPECT_EQ(FirstRow(HistoryIn(folder),
                       "SELECT group_concat(id || dealt || held || hold_ev || "
                       "mode, ';') FROM hands WHERE id < 3"),
              before);
    EXPECT_EQ(FirstRow(HistoryIn(folder),
                       "SELECT hand, your_line, chart_line, right FROM "
                       "drill_answers"),
              "3|12|5|0");
    EXPECT_EQ(FirstRow(HistoryIn(folder), "SELECT box, due FROM drill_boxes"), "1|1");
}

}  // namespace
