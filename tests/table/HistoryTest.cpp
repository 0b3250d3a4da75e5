// The hand history at the table: each settled hand's row with its exact values, a session for
// each player seated, a failing history told once with the accounts as they would be anyway,
// and the review window opened from the Strategy menu.
#include <sqlite3.h>

#include <QSignalSpy>
#include <fstream>
#include <iterator>

#include "accounts/RecordCodec.h"
#include "engine/HandEvaluation.h"
#include "engine/analysis/GameChart.h"
#include "game/history/HandHistory.h"
#include "game/history/ReviewReader.h"
#include "table/StrategyMenu.h"
#include "table/TableHistory.h"
#include "tests/support/TenCardDeals.h"
#include "tests/table/TableFixture.h"

namespace {

using history::HandRecord;

// FixedClock's moment, 46000.5 days after 30 December 1899.
constexpr const char* kPlayedAt = "2025-12-09T12:00:00";

class HistoryFixture : public TableFixture {
protected:
    void OpenWithHistory() {
        Open();
        strategy = AddStrategy();
        history =
            std::make_unique<TableHistory>(*window, hand, tables, strategy->Chart(),
                                           strategy->Review(), strategy->BankrollEntry(), ctx);
    }
    void WaitForHands(std::int64_t count) {
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return history->Recorder().HandsWritten() >= count; }, 20000));
    }
    std::filesystem::path Folder() const { return ctx.accountsFile.parent_path(); }
    std::vector<HandRecord> HandsOf(std::string_view player) const {
        const auto opened = history::HandHistory::Open(Folder(), kPlayedAt);
        EXPECT_TRUE(opened.history) << opened.error->Describe();
        return opened.history->PlayerHands(player).hands;
    }
    std::string AccountsBytes() const {
        std::ifstream in(ctx.accountsFile, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    std::string Encoded(const output::PlayerRecord& record) const {
        const output::RecordBytes bytes = output::EncodeRecord(record);
        return std::string(bytes.begin(), bytes.end());
    }
    // The messages told so far with the title of the game's error box.
    std::vector<QString> Errors() const {
        std::vector<QString> texts;
        for (const auto& message : dialogs.messages)
            if (message.title == "Error") texts.push_back(message.text);
        return texts;
    }

    std::unique_ptr<StrategyMenu> strategy;  // these go before the window
    std::unique_ptr<TableHistory> history;
};

HandRecord Row(const char* dealt, const char* held, const char* bestHeld, const char* finalHand,
               int category, int pay, double holdEv, double bestEv) {
    HandRecord row;
    row.player = "Tester";
    row.playedAt = kPlayedAt;
    row.dealt = modcards::ParseHand(dealt);
    row.held = *history::ParseHeld(held);
    row.bestHeld = *history::ParseHeld(bestHeld);
    row.finalHand = modcards::ParseHand(finalHand);
    row.category = category;
    row.pay = pay;
    row.holdEv = holdEv;
    row.bestEv = bestEv;
    return row;
}

using TableHandHistory = HistoryFixture;

TEST_F(TableHandHistory, EachSettledHandIsARowWithTheExactValuesOfTheHoldAndTheBest) {
    OpenWithHistory();
    // Played before the tables are ready: the rows wait for them, the table does not.
    PlayHand(kDeuce, {0, 3});
    PlayHand(kTrips, {0, 1, 3});
    PlayHand(kCloseCall, {1, 2, 3, 4});
    WaitForHands(3);

    // The values in credits for 5: five times the exact pays per unit bet.
    const std::vector<HandRecord> expected = {
        Row("Kh 2c Qh 7s 5d", "10010", "11100", "Kh 5h 9s 7s 8d", modcards::kNoPayingHand, 0,
            7790.0 / 16215, 6415.0 / 1081),
        Row("9c 9d 4s 9h Kd", "11010", "11010", "9c 9d 9s 9h 8d", modcards::kFourOfAKind, 20,
            10205.0 / 1081, 10205.0 / 1081),
        Row("Qd 5c 6h 2c 7s", "01111", "00010", "5s 5c 6h 2c 7s", modcards::kThreeOfAKind, 5, 5.0,
            892735.0 / 178365),
    };
    std::vector<HandRecord> rows = HandsOf("Tester");
    ASSERT_EQ(rows.size(), expected.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].session, history->Recorder().SessionId());
        rows[i].id = rows[i].session = 0;
        EXPECT_EQ(rows[i], expected[i]) << "hand " << i;
    }
    EXPECT_TRUE(Errors().empty());
}

TEST_F(TableHandHistory, ANewPlayerBeginsASessionOfTheirOwn) {
    OpenWithHistory();
    PlayHand(kTrips, {0, 1, 3});
    WaitForHands(1);
    const std::int64_t first = history->Recorder().SessionId();
    dialogs.inputAnswers.push_back("  Bob ");
    c().mnuNewPl->trigger();
    PlayHand(kDeuce, {0, 1, 2});
    WaitForHands(2);

    const std::vector<HandRecord> bobs = HandsOf("Bob");
    ASSERT_EQ(bobs.size(), 1u);
    EXPECT_EQ(bobs[0].dealt, modcards::ParseHand("Kh 2c Qh 7s 5d"));
    EXPECT_NE(bobs[0].session, first);
    EXPECT_EQ(bobs[0].session, history->Recorder().SessionId());
    EXPECT_EQ(HandsOf("Tester").size(), 1u);
}

TEST_F(TableHandHistory, AWriteThatFailsIsToldOnceAndTheAccountsAreSavedAsEver) {
    {
        auto made = history::HandHistory::Open(Folder(), kPlayedAt);
        ASSERT_TRUE(made.history);
    }
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open((Folder() / "History.db").c_str(), &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db,
                           "CREATE TRIGGER refuse BEFORE INSERT ON hands WHEN NEW.held <> '11000' "
                           "BEGIN SELECT RAISE(ABORT, 'database or disk is full'); END",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    sqlite3_close(db);

    OpenWithHistory();
    PlayHand(kDeuce, {0, 3});
    PlayHand(kTrips, {0, 1, 3});
    PlayHand(kCloseCall, {1, 2, 3, 4});
    ASSERT_TRUE(QTest::qWaitFor([&] { return !Errors().empty(); }, 20000));
    // The file takes the fourth hand (its hold alone): once it is in, the recorder has dealt
    // with the refused two before it as well, which fail without a word.
    PlayHand(kTrips, {0, 1});
    WaitForHands(1);

    ASSERT_EQ(Errors().size(), 1u);
    EXPECT_TRUE(Errors()[0].startsWith("Could not record the hand in the hand history.\n"));
    EXPECT_TRUE(Errors()[0].contains("database or disk is full"));
    EXPECT_TRUE(Errors()[0].endsWith("your account in Players.dat is not affected."));
    EXPECT_EQ(HandsOf("Tester").size(), 1u);
    EXPECT_EQ(ctx.CurrentPlayer.HandsPlayed, 4);
    EXPECT_EQ(AccountsBytes(), Encoded(ctx.CurrentPlayer));
}

TEST_F(TableHandHistory, AHistoryThatIsNoDatabaseIsSetAsideToldAndStartedAfresh) {
    const std::string garbage(3000, 'x');
    std::ofstream(Folder() / "History.db", std::ios::binary) << garbage;
    OpenWithHistory();
    PlayHand(kTrips, {0, 1, 3});
    WaitForHands(1);

    ASSERT_EQ(Errors().size(), 1u);
    EXPECT_TRUE(Errors()[0].contains("could not be read: it is not a database"));
    EXPECT_TRUE(Errors()[0].contains("History.db.corrupt-20251209-120000"));
    std::ifstream aside(Folder() / "History.db.corrupt-20251209-120000", std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(aside), {}), garbage);
    EXPECT_EQ(HandsOf("Tester").size(), 1u);
    EXPECT_EQ(AccountsBytes(), Encoded(ctx.CurrentPlayer));
}

TEST_F(TableHandHistory, SessionReviewOpensOnceForThePlayerAtTheTable) {
    OpenWithHistory();
    PlayHand(kDeuce, {0, 3});
    WaitForHands(1);
    QStringList entries;
    for (QAction* action : qobject_cast<QMenu*>(strategy->Review()->parent())->actions())
        entries << action->text();
    EXPECT_EQ(entries.mid(entries.size() - 2),
              (QStringList{"Session &Review", QStringLiteral("&Bankroll\u2026")}));

    // The window is there at once, busy while its figures are read on another thread.
    strategy->Review()->trigger();
    frmReview* review = history->Review();
    ASSERT_NE(review, nullptr);
    EXPECT_TRUE(review->isVisible());
    EXPECT_TRUE(review->Busy());
    QSignalSpy shown(review, &frmReview::FiguresShown);
    ASSERT_TRUE(shown.wait(20000));
    EXPECT_FALSE(review->Busy());
    EXPECT_EQ(review->lblpname()->text(), "Tester");
    EXPECT_EQ(review->lstMistakes()->model()->rowCount(), 1);

    // A second opening brings the same window; closing the table closes it.
    strategy->Review()->trigger();
    EXPECT_EQ(history->Review(), review);

    // The bankroll is given the player's measured play from the same history.
    ASSERT_TRUE(QTest::qWaitFor([&] { return strategy->Tables().Advisor() != nullptr; }, 20000));
    strategy->BankrollEntry()->trigger();  // opens once the measured play is read
    ASSERT_TRUE(QTest::qWaitFor([&] { return history->Bankroll() != nullptr; }, 20000));
    BankrollWindow* bankroll = history->Bankroll();
    EXPECT_TRUE(bankroll->isVisible());
    EXPECT_TRUE(bankroll->modelLabel()->text().contains("over your 1 hand ("));
    c().cmdEnd->click();
    EXPECT_FALSE(review->isVisible());
    EXPECT_FALSE(bankroll->isVisible());
}

// The messages told so far with the title of the history's news.
std::vector<QString> HistoryNews(const ScriptedDialogs& dialogs) {
    std::vector<QString> texts;
    for (const auto& message : dialogs.messages)
        if (message.title == "Hand History") texts.push_back(message.text);
    return texts;
}

// Another copy of the game holds the file longer than a write waits: the hands wait, in order,
// and are written once it lets go; the player hears once of each.
TEST_F(TableHandHistory, HandsHeldUpByAnotherCopyWaitAndAreWrittenWhenItLetsGo) {
    OpenWithHistory();
    history->BeginSession();
    ASSERT_TRUE(QTest::qWaitFor([&] { return history->Recorder().SessionId() != 0; }, 20000));
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open((Folder() / "History.db").c_str(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    PlayHand(kDeuce, {0, 3});
    ASSERT_TRUE(QTest::qWaitFor([&] { return !Errors().empty(); }, 30000));
    PlayHand(kTrips, {0, 1, 3});
    sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !HistoryNews(dialogs).empty(); }, 30000));

    ASSERT_EQ(Errors().size(), 1u);
    EXPECT_TRUE(Errors()[0].contains("another copy of the game kept the file locked"));
    EXPECT_TRUE(Errors()[0].contains("\n1 hand is waiting to be written; the game keeps them"));
    EXPECT_EQ(HistoryNews(dialogs),
              std::vector<QString>{"The hand history can be written again: the 2 hands that "
                                   "were waiting are in it now."});
    const std::vector<HandRecord> rows = HandsOf("Tester");
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].dealt, modcards::ParseHand("Kh 2c Qh 7s 5d"));
    EXPECT_EQ(rows[1].dealt, modcards::ParseHand("9c 9d 4s 9h Kd"));
    EXPECT_EQ(history->Recorder().HandsWritten(), 2);
}

// A history that cannot be opened at the start is tried again at the next hand.
TEST_F(TableHandHistory, AHistoryThatCouldNotBeOpenedIsTriedAgainAtTheNextHand) {
    std::filesystem::create_directory(Folder() / "History.db");
    OpenWithHistory();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !Errors().empty(); }, 20000));
    EXPECT_TRUE(Errors()[0].contains("it is a folder, not a file"));
    std::filesystem::remove(Folder() / "History.db");
    PlayHand(kTrips, {0, 1, 3});
    WaitForHands(1);

    ASSERT_TRUE(QTest::qWaitFor([&] { return !HistoryNews(dialogs).empty(); }, 20000));
    EXPECT_EQ(HistoryNews(dialogs),
              std::vector<QString>{"The hand history can be written again: the 1 hand that "
                                   "was waiting is in it now."});
    EXPECT_EQ(HandsOf("Tester").size(), 1u);
    EXPECT_EQ(Errors().size(), 1u);
}

// While the review is open, each hand is folded into the figures already read: only its own row
// is read, and after every hand the figures equal a fresh read of the whole history.
TEST_F(TableHandHistory, AnOpenReviewTakesEachHandWithoutReadingTheHistoryAgain) {
    OpenWithHistory();
    PlayHand(kDeuce, {0, 3});
    WaitForHands(1);
    strategy->Review()->trigger();
    frmReview* review = history->Review();
    QSignalSpy shown(review, &frmReview::FiguresShown);
    ASSERT_TRUE(shown.wait(20000));
    review->tabScope()->setCurrentIndex(1);
    ASSERT_TRUE(shown.wait(20000));
    const ReviewLoader& loader = *history->Loader();
    const std::int64_t reviews = loader.ReviewsRead(), rows = loader.RowsRead();

    std::int64_t played = 1;
    const auto play = [&](std::string_view deal, std::initializer_list<int> held) {
        PlayHand(deal, held);
        ++played;
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return review->Page().review.handsPlayed == played; }, 20000));
        history::ReviewReader fresh(Folder() / "History.db", &modcards::analysis::GameChart());
        const history::ReviewResult read = fresh.Review({"Tester", 0}, 5);
        EXPECT_EQ(review->Page().review, read.review) << played;
        EXPECT_EQ(review->Page().leaks, read.leaks) << played;
    };
    play(kTrips, {0, 1, 3});
    play(kCloseCall, {1, 2, 3, 4});
    play(kDeuce, {1});
    play(kTrips, {0, 1});
    EXPECT_EQ(loader.ReviewsRead(), reviews);
    EXPECT_EQ(loader.RowsRead(), rows + 4);
    EXPECT_EQ(review->lblFigure(0)->text(), "5");
    EXPECT_EQ(review->lblFigure(4)->text(), "3");
    EXPECT_EQ(review->lstLeaks()->count(), 3);  // the three mistakes teach three things
}

// Export writes the hands of the scope shown where the player says, off the table's thread; a
// place it cannot write, or the history itself, is refused in words.
TEST_F(TableHandHistory, TheReviewExportsItsHandsAsCsv) {
    OpenWithHistory();
    PlayHand(kDeuce, {0, 3});
    PlayHand(kTrips, {0, 1, 3});
    WaitForHands(2);
    strategy->Review()->trigger();
    frmReview* review = history->Review();
    QSignalSpy shown(review, &frmReview::FiguresShown);
    ASSERT_TRUE(shown.wait(20000));
    const std::filesystem::path csv = Folder() / "hands.csv";
    dialogs.saveAnswers.push_back(QString::fromStdString(csv.string()));
    review->cmdExport()->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return std::filesystem::exists(csv); }, 20000));
    const std::string text = ReadAll(csv);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 3);
    EXPECT_TRUE(text.starts_with("id,")) << text;

    const auto errors = [&] {
        int count = 0;
        for (const auto& message : dialogs.messages) count += message.title == "Error";
        return count;
    };
    dialogs.saveAnswers.push_back(QString::fromStdString((Folder() / "no" / "x.csv").string()));
    review->cmdExport()->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return errors() == 1; }, 20000));
    EXPECT_TRUE(dialogs.messages.back().text.startsWith("Could not export the hands."));
    dialogs.saveAnswers.push_back(QString::fromStdString((Folder() / "History.db-wal").string()));
    review->cmdExport()->click();
    EXPECT_EQ(errors(), 2);
    EXPECT_TRUE(dialogs.messages.back().text.contains("hand history"))
        << dialogs.messages.back().text.toStdString();
}

}  // namespace
