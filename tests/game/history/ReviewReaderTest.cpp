// The review as read on its own connection: the same figures as reviewing every hand, the
// costliest listed, new hands folded in equal to a fresh read, and only new rows read for them.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <algorithm>

#include "engine/PayTable.h"
#include "engine/analysis/GameChart.h"
#include "game/history/HandHistory.h"
#include "game/history/LeakGroups.h"
#include "game/history/ReviewReader.h"
#include "tests/game/history/HistoryTestFiles.h"

namespace {

using history::HandHistory;
using history::HandRecord;
using history::ReviewReader;
using history_test::HistoryIn;
using history_test::kNow;

// Hand i of a long session: costs repeat, so ties are ordered by the order played; most of
// the costly hands are mistakes (the deuce thrown away), more than a review lists. Every fourth
// hand keeps the game chart's hold of 2♥ 2♣ 4♠ 6♠ 9♦, where the chart errs: costly, it is the
// chart's exception.
HandRecord Scripted(std::int64_t session, int i) {
    static constexpr double kCosts[] = {0, 2.5, 0.005, 0.25, 0, 1.0, 2.5, 0.0025, 0.75};
    const double cost = kCosts[i % 9] + (i % 5 == 0 ? 0.125 : 0);
    const bool chart = i % 4 == 1;
    HandRecord hand = history_test::Hand(
        session, chart ? "2h 2c 4s 6s 9d" : "Ah 2c 5d 9s Kh", chart ? "11110" : "10001",
        chart ? "2h 2c 4s 6s 9c" : "Ah 3c 7d Jc Kh", 8.0 - cost, 8.0, (i * 7) % 3 == 0 ? 10 : 0);
    hand.category = hand.pay > 0 ? 3 : 0;
    return hand;
}

class ReviewReading : public ::testing::Test {
protected:
    void SetUp() override {
        history = HandHistory::Open(folder.path(), kNow).history;
        ASSERT_TRUE(history);
        alice = history->BeginSession("Alice", kNow).session.id;
        later = history->BeginSession("Alice", kNow).session.id;
    }
    void Record(int count, std::int64_t session) {
        for (int i = 0; i < count; ++i, ++played) {
            HandRecord hand = Scripted(session, played);
            ASSERT_FALSE(history->Record(hand));
            hand.id = played + 1;
            recorded.push_back(hand);
        }
    }

    ScratchFolder folder;
    std::unique_ptr<HandHistory> history;
    std::int64_t alice = 0, later = 0;
    int played = 0;
    std::vector<HandRecord> recorded;  // with the ids the history gives them
};

TEST_F(ReviewReading, TheFiguresAreThoseOfEveryHandReviewedAndTheCostliestAreListed) {
    Record(2400, alice);
    Record(600, later);
    ReviewReader reader(HistoryIn(folder));
    const history::ReviewResult read = reader.Review({"Alice", 0}, 5);
    ASSERT_FALSE(read.error) << read.error->Describe();
    EXPECT_EQ(read.review, history::ReviewHands(recorded, 5));
    EXPECT_EQ(read.review.handsPlayed, 3000);
    EXPECT_GT(read.review.mistakeCount, std::int64_t(history::kListedHands));
    EXPECT_EQ(read.review.mistakes.size(), history::kListedHands);
    EXPECT_GT(read.review.chartExceptionCount, 300);
    EXPECT_EQ(std::ssize(read.review.chartExceptions), read.review.chartExceptionCount);
    EXPECT_EQ(read.review.lastHand, 3000);

    const std::vector<HandRecord> laterHands(recorded.begin() + 2400, recorded.end());
    EXPECT_EQ(reader.Review({"Alice", later}, 5).review, history::ReviewHands(laterHands, 5));
    EXPECT_EQ(reader.Review({"Bob", 0}, 5).review, history::SessionReview{});
}

// The review the table keeps open: read once, then each new hand folded in. After every hand it
// equals a fresh read, and each fold reads only the new rows.
TEST_F(ReviewReading, NewHandsFoldedInEqualAFreshRead) {
    Record(1500, alice);
    ReviewReader reader(HistoryIn(folder));
    history::SessionReview kept = reader.Review({"Alice", 0}, 5).review;
    for (int burst : {1, 1, 3, 1, 700, 2}) {
        Record(burst, burst == 3 ? later : alice);
        const std::int64_t rowsBefore = reader.RowsRead();
        const history::HandsResult newer = reader.HandsAfter({"Alice", 0}, kept.lastHand);
        ASSERT_FALSE(newer.error);
        EXPECT_EQ(reader.RowsRead() - rowsBefore, burst);
        for (const HandRecord& hand : newer.hands) history::FoldHand(kept, hand, 5);
        ASSERT_EQ(kept, ReviewReader(HistoryIn(folder)).Review({"Alice", 0}, 5).review)
            << "after " << played << " hands";
    }
    EXPECT_EQ(reader.HandsAfter({"Alice", later}, 1501).hands.size(), 3u);
}

// Hands at two tables in one history, interleaved in both sessions: each table's review,
// leaks and hands since are those of its hands alone, and every table's those of them all.
TEST_F(ReviewReading, EachTablesFiguresAreThoseOfItsHandsAlone) {
    const std::string game = history::PaysText(modcards::GamePayTable());
    const std::string fullPay = "800,200,25,15,9,5,3,2,2,1";
    std::vector<HandRecord> atGame, atFullPay;
    for (int i = 0; i < 1200; ++i, ++played) {
        HandRecord hand = Scripted(i < 900 ? alice : later, played);
        if (i % 3 == 1) {
            hand.mode = history::kPracticeMode;
            hand.pays = fullPay;
        }
        ASSERT_FALSE(history->Record(hand));
        hand.id = played + 1;
        recorded.push_back(hand);
        (hand.pays == game ? atGame : atFullPay).push_back(hand);
    }
    ReviewReader reader(HistoryIn(folder), &modcards::analysis::GameChart());
    for (const auto& [pays, hands] : {std::pair{game, &atGame}, std::pair{fullPay, &atFullPay},
                                      std::pair{std::string(), &recorded}}) {
        const history::ReviewResult read = reader.Review({"Alice", 0, pays}, 5);
        ASSERT_FALSE(read.error) << read.error->Describe();
        EXPECT_EQ(read.review, history::ReviewHands(*hands, 5)) << pays;
        EXPECT_EQ(read.leaks, history::GroupLeaks(*hands, modcards::analysis::GameChart()));
    }
    std::vector<HandRecord> laterAtFullPay;
    for (const HandRecord& hand : atFullPay)
        if (hand.session == later) laterAtFullPay.push_back(hand);
    EXPECT_EQ(reader.Review({"Alice", later, fullPay}, 5).review,
              history::ReviewHands(laterAtFullPay, 5));
    const history::HandsResult since = reader.HandsAfter({"Alice", 0, fullPay}, 1000);
    ASSERT_EQ(since.hands.size(), 67u);
    for (const HandRecord& hand : since.hands) EXPECT_EQ(hand.pays, fullPay);
}

// A practice table reviewed alone by its own chart (the game's lines stand in for it here): the
// chart's holds there are its exceptions, its mistakes join groups of its lines and no drill of
// the game's lines is told beside them; graded by the game's chart, the same mistakes are another
// table's. The tables read are the player's, no drill's, each once.
TEST_F(ReviewReading, ATableReviewedByItsOwnChartIsGradedAndGroupedByIt) {
    const std::string game = history::PaysText(modcards::GamePayTable());
    const std::string fullPay = "800,200,25,15,9,5,3,2,2,1";
    std::vector<HandRecord> atFullPay;
    for (int i = 0; i < 200; ++i, ++played) {
        HandRecord hand = Scripted(alice, played);
        if (i == 7) {
            hand =
                history_test::Hand(alice, "2c 2d 5h 9s Kh", "00001", "2c 2d 6h 7s 8h", 1.0, 8.0, 0);
            hand.mode = history::kDrillMode;
            hand.drill = history::LeakKey{12, 5};
            hand.pays = "800,200,25,16,10,4,4,3,2,1";
        } else if (i % 2 == 1) {
            hand.mode = history::kPracticeMode;
            hand.pays = fullPay;
            atFullPay.push_back(hand);
            atFullPay.back().id = played + 1;
        }
        ASSERT_FALSE(history->Record(hand));
    }
    const history::GradingChart own{&modcards::analysis::GameChart(), fullPay};
    ReviewReader reader(HistoryIn(folder));
    const history::ReviewResult read = reader.Review({"Alice", 0, fullPay}, 5, own);
    ASSERT_FALSE(read.error) << read.error->Describe();
    EXPECT_EQ(read.review, history::ReviewHands(atFullPay, 5, own));
    EXPECT_EQ(read.leaks, history::GroupLeaks(atFullPay, own));
    EXPECT_GT(read.review.chartExceptionCount, 0);
    EXPECT_FALSE(read.leaks.groups.empty());
    EXPECT_EQ(read.leaks.otherTables, 0);
    EXPECT_TRUE(read.leaks.drills.empty());

    const history::ReviewResult byGame =
        reader.Review({"Alice", 0, fullPay}, 5, history::GameGrading());
    EXPECT_EQ(byGame.review.chartExceptionCount, 0);
    EXPECT_EQ(byGame.review.mistakeCount,
              read.review.mistakeCount + read.review.chartExceptionCount);
    EXPECT_TRUE(byGame.leaks.groups.empty());
    EXPECT_EQ(byGame.leaks.otherTables, byGame.review.mistakeCount);
    EXPECT_FALSE(reader.Review({"Alice", 0}, 5, history::GameGrading()).leaks.drills.empty());

    std::vector<std::string> tables = reader.Tables("Alice").pays;
    std::sort(tables.begin(), tables.end());
    EXPECT_EQ(tables, (std::vector{game, fullPay}));
    EXPECT_TRUE(reader.Tables("Bob").pays.empty());
}

// Drills among the hands of both sessions, with values no hand has (a royal paid; 7 credits
// given up, or none for a right answer): no figure, leak or trend of any scope counts them, nor
// the hands read since a review, while the CSV keeps every hand.
TEST_F(ReviewReading, ADrillsHandsCountInNoFigure) {
    std::vector<HandRecord> counted, every;
    for (int i = 0; i < 600; ++i, ++played) {
        HandRecord hand = Scripted(i < 400 ? alice : later, played);
        if (i % 4 == 2) {
            const bool right = i % 8 == 2;
            hand = history_test::Hand(hand.session, "2c 2d 5h 9s Kh", right ? "11000" : "00001",
                                      "2c 2d 6h 7s 8h", right ? 8.0 : 1.0, 8.0, 4000);
            hand.bestHeld = 0b00011;
            hand.mode = history::kDrillMode;
            hand.drill = history::LeakKey{12, 5};
        }
        ASSERT_FALSE(history->Record(hand));
        hand.id = played + 1;
        every.push_back(hand);
        if (hand.mode != history::kDrillMode) counted.push_back(hand);
    }
    const auto& chart = modcards::analysis::GameChart();
    EXPECT_EQ(history::ReviewHands(every, 5), history::ReviewHands(counted, 5));
    EXPECT_EQ(history::GroupLeaks(every, chart), history::GroupLeaks(counted, chart));

    ReviewReader reader(HistoryIn(folder), &chart);
    const history::ReviewResult read = reader.Review({"Alice", 0}, 5);
    ASSERT_FALSE(read.error) << read.error->Describe();
    EXPECT_EQ(read.review, history::ReviewHands(counted, 5));
    EXPECT_EQ(read.review.handsPlayed, 450);
    history::Leaks leaks = read.leaks;
    leaks.drills.clear();  // the drills' answers, which the review shows beside the leaks
    EXPECT_EQ(leaks, history::GroupLeaks(counted, chart));
    EXPECT_EQ(history->ReviewPlayer("Alice", 5).review, read.review);
    const std::vector<HandRecord> laterHands(counted.begin() + 300, counted.end());
    EXPECT_EQ(reader.Review({"Alice", later}, 5).review, history::ReviewHands(laterHands, 5));
    EXPECT_EQ(history->ReviewSession(later, 5).review, history::ReviewHands(laterHands, 5));

    EXPECT_EQ(reader.HandsAfter({"Alice", 0}, 0).hands, counted);

    const std::string csv = reader.Csv({"Alice", 0}).text;
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 1 + 600);
}

TEST_F(ReviewReading, RowsWithImpossibleValuesAreLeftOutAndCountedInWords) {
    Record(4, alice);
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(HistoryIn(folder).c_str(), &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db,
                           "UPDATE hands SET hold_ev = 99 WHERE id = 2;"
                           "UPDATE hands SET dealt = 'Ah Ah Ah Ah Ah' WHERE id = 3",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    sqlite3_close(db);

    ReviewReader reader(HistoryIn(folder));
    const history::ReviewResult read = reader.Review({"Alice", 0}, 5);
    EXPECT_EQ(read.review.handsPlayed, 3);  // hand 3's numbers count; it is not listed
    ASSERT_TRUE(read.error);
    EXPECT_EQ(read.error->reason,
              "2 hands could not be read (hand 2: the hand's expected pays are not those of a "
              "hold and the best hold)");
    const history::HandsResult newer = reader.HandsAfter({"Alice", 0}, 0);
    EXPECT_EQ(newer.hands.size(), 2u);
    EXPECT_TRUE(newer.error);
}

TEST(ReviewReadingFaults, AHistoryThatIsMissingIsToldInWords) {
    ScratchFolder folder;
    ReviewReader reader(HistoryIn(folder));
    const history::ReviewResult read = reader.Review({"Alice", 0}, 5);
    ASSERT_TRUE(read.error);
    EXPECT_EQ(read.error->action, "read the hand history");
    EXPECT_FALSE(std::filesystem::exists(HistoryIn(folder)));
}

}  // namespace
