// Faults of History.db: each is told in words, leaves Players.dat and every recorded hand as
// they were, and never overwrites a file the game cannot read.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <signal.h>
#include <sys/stat.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <map>

#include "game/history/HandHistory.h"
#include "tests/game/history/HistoryTestFiles.h"
#include "tests/support/SmallDisk.h"

namespace {

using history::HandHistory;
using history_test::Hand;
using history_test::HistoryIn;
using history_test::kNow;

// An accounts file beside the history, which no fault of the history may touch.
const std::string kAccounts(92 * 3, 'A');

// What opening the history tells: its error, its notice, or "opened".
std::string Told(const history::OpenResult& opened) {
    if (opened.error) return opened.error->Describe();
    return opened.notice.empty() ? "opened" : opened.notice;
}

history::HandRecord SomeHand(std::int64_t session) {
    return Hand(session, "Ah 2c 5d 9s Kh", "11001", "Ah 2c 7d Jc Kh", 5.5, 5.5);
}

// Writes up to `count` hands of a new session of Alice's; returns how many were written and
// the failure that stopped them.
std::pair<int, std::optional<output::FileError>> RecordHands(HandHistory& history, int count) {
    const auto session = history.BeginSession("Alice", kNow);
    if (session.error) return {0, session.error};
    for (int written = 0; written < count; ++written) {
        if (auto error = history.Record(SomeHand(session.session.id))) return {written, error};
    }
    return {count, std::nullopt};
}

TEST(HandHistoryFaults, AFileThatIsNoDatabaseIsSetAsideAndTold) {
    ScratchFolder folder;
    WriteAll(folder.path() / "Players.dat", kAccounts);
    const std::string garbage(5000, 'x');
    WriteAll(HistoryIn(folder), garbage);

    auto opened = HandHistory::Open(folder.path(), kNow);
    EXPECT_EQ(Told(opened), "The hand history \"" + HistoryIn(folder).string() +
                                "\" could not be read: it is not a database. It was kept as "
                                "\"History.db.corrupt-20240501-140322\" and a new history was "
                                "started.");
    ASSERT_TRUE(opened.history);
    EXPECT_EQ(ReadAll(folder.path() / "History.db.corrupt-20240501-140322"), garbage);
    EXPECT_EQ(ReadAll(folder.path() / "Players.dat"), kAccounts);
    RecordHands(*opened.history, 1);

    // A second damaged file in the same second keeps the first one set aside.
    opened.history.reset();
    WriteAll(HistoryIn(folder), garbage);
    EXPECT_NE(Told(HandHistory::Open(folder.path(), kNow)).find("corrupt-20240501-140322-2"),
              std::string::npos);
    EXPECT_EQ(ReadAll(folder.path() / "History.db.corrupt-20240501-140322"), garbage);
}

TEST(HandHistoryFaults, ADamagedDatabaseIsSetAsideNotOverwritten) {
    ScratchFolder folder;
    {
        auto history = HandHistory::Open(folder.path(), kNow).history;
        ASSERT_EQ(RecordHands(*history, 2000).first, 2000);
    }
    std::string bytes = ReadAll(HistoryIn(folder));
    std::memset(bytes.data() + bytes.size() / 2, 0x5A, 8192);  // two pages in the middle
    WriteAll(HistoryIn(folder), bytes);

    const auto opened = HandHistory::Open(folder.path(), kNow);
    EXPECT_NE(Told(opened).find("could not be read: it is damaged"), std::string::npos);
    EXPECT_EQ(ReadAll(folder.path() / "History.db.corrupt-20240501-140322"), bytes);
}

TEST(HandHistoryFaults, ANewerFormatIsRefusedAndLeftUntouched) {
    ScratchFolder folder;
    sqlite3* db = nullptr;
    sqlite3_open(HistoryIn(folder).c_str(), &db);
    sqlite3_exec(db, "CREATE TABLE hands (x); PRAGMA user_version = 4;", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    const std::string before = ReadAll(HistoryIn(folder));

    const auto opened = HandHistory::Open(folder.path(), kNow);
    EXPECT_FALSE(opened.history);
    EXPECT_EQ(Told(opened), "Could not open the hand history.\n\"" + HistoryIn(folder).string() +
                                "\": it was written by a newer version of the game (history "
                                "format 4, this version reads format 3), so it is left as it is.");
    EXPECT_EQ(ReadAll(HistoryIn(folder)), before);
}

TEST(HandHistoryFaults, AReadOnlyFolderIsTold) {
    ScratchFolder folder;
    WriteAll(folder.path() / "Players.dat", kAccounts);
    ::chmod(folder.path().c_str(), 0555);
    const auto told = [&] {
        return RunUnprivileged([&] { return Told(HandHistory::Open(folder.path(), kNow)); });
    };
    const std::string cannotOpen =
        "Could not open the hand history.\n\"" + HistoryIn(folder).string();
    EXPECT_EQ(told(), cannotOpen + "\": Permission denied.");
    EXPECT_FALSE(std::filesystem::exists(HistoryIn(folder)));

    // A history that anyone may write, in a folder where its log cannot be made.
    ::chmod(folder.path().c_str(), 0755);
    HandHistory::Open(folder.path(), kNow);
    ::chmod(HistoryIn(folder).c_str(), 0666);
    ::chmod(folder.path().c_str(), 0555);
    EXPECT_EQ(told(), cannotOpen + "\": the folder it is in cannot be written.");
    EXPECT_EQ(ReadAll(folder.path() / "Players.dat"), kAccounts);
}

TEST(HandHistoryFaults, AFullDiskRefusesTheHandAndKeepsEveryEarlierOne) {
    ScratchFolder folder;
    const SmallDisk small(folder.path() / "disk", "256k");
    if (!small.mounted()) GTEST_SKIP() << small.why();
    const std::filesystem::path& disk = small.path();

    auto history = HandHistory::Open(disk, kNow).history;
    ASSERT_TRUE(history);
    const auto [written, error] = RecordHands(*history, 100000);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->reason, std::strerror(ENOSPC));
    EXPECT_GT(written, 0);
    history.reset();
    const auto reopened = HandHistory::Open(disk, kNow);
    ASSERT_TRUE(reopened.history) << Told(reopened);
    EXPECT_EQ(reopened.history->PlayerHands("Alice").hands.size(), std::size_t(written));
}

TEST(HandHistoryFaults, TheHistoryAndItsLogMustBeRegularFiles) {
    ScratchFolder folder;
    std::filesystem::create_symlink("/dev/null", HistoryIn(folder));
    EXPECT_EQ(Told(HandHistory::Open(folder.path(), kNow)),
              "Could not open the hand history.\n\"" + HistoryIn(folder).string() +
                  "\": it is a device, not a regular file.");
    EXPECT_TRUE(std::filesystem::is_symlink(HistoryIn(folder)));

    std::filesystem::remove(HistoryIn(folder));
    ASSERT_EQ(::mkfifo((HistoryIn(folder).string() + "-wal").c_str(), 0644), 0);
    EXPECT_EQ(Told(HandHistory::Open(folder.path(), kNow)),
              "Could not open the hand history.\n\"" + HistoryIn(folder).string() +
                  "\": \"History.db-wal\" beside it: it is a named pipe (FIFO), not a regular "
                  "file.");
    EXPECT_FALSE(std::filesystem::exists(HistoryIn(folder)));
}

// Each row a review reads is checked, listed or not: a row with numbers no hand can have is
// left out and counted, and the figures stay finite.
TEST(HandHistoryFaults, RowsWithImpossibleNumbersAreLeftOutOfTheReviewAndCounted) {
    ScratchFolder folder;
    {
        auto history = HandHistory::Open(folder.path(), kNow).history;
        ASSERT_EQ(RecordHands(*history, 9).first, 9);
    }
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(HistoryIn(folder).c_str(), &db), SQLITE_OK);
    for (const char* change : {
             "UPDATE hands SET pay = 1e308 WHERE id = 2",
             "UPDATE hands SET hold_ev = 9e999, best_ev = 9e999 WHERE id = 3",
             "UPDATE hands SET pay = 4294967301 WHERE id = 4",
             "UPDATE hands SET category = -3 WHERE id = 5",
             "UPDATE hands SET pay = 'lots' WHERE id = 6",
             "UPDATE hands SET hold_ev = -1, best_ev = -1 WHERE id = 7",
         })
        ASSERT_EQ(sqlite3_exec(db, change, nullptr, nullptr, nullptr), SQLITE_OK) << change;
    sqlite3_close(db);

    auto history = HandHistory::Open(folder.path(), kNow).history;
    const auto read = history->ReviewPlayer("Alice", 5);
    EXPECT_EQ(read.review.handsPlayed, 3);
    EXPECT_EQ(read.review.result, 3 * (0 - 5));
    EXPECT_DOUBLE_EQ(read.review.heldExpected, 3 * 5.5);
    ASSERT_TRUE(read.error);
    EXPECT_EQ(read.error->reason,
              "6 hands could not be read (hand 2: a count or a pay of the hand is not a whole "
              "number)");
    EXPECT_EQ(history::ResultSentence(read.review).find("inf"), std::string::npos);
    EXPECT_EQ(history->PlayerHands("Alice").hands.size(), 3u);
}

// Opening the history again in the same process (as a review on a thread of its own may) must
// not touch the file outside SQLite: closing any descriptor of it drops the locks the first
// connection holds, and another copy that leaves would take its log away.
TEST(HandHistoryFaults, OpeningTheHistoryAgainKeepsTheLocksOfTheConnectionAlreadyOpen) {
    ScratchFolder folder;
    int toAnn[2], fromAnn[2];
    ASSERT_EQ(::pipe(toAnn), 0);
    ASSERT_EQ(::pipe(fromAnn), 0);
    const pid_t ann = ::fork();
    if (ann == 0) {
        char word = 0;
        auto history = HandHistory::Open(folder.path(), kNow).history;
        const auto session = history->BeginSession("Ann", kNow).session;
        auto hand = SomeHand(session.id);
        hand.player = "Ann";
        history->Record(hand);
        HandHistory::Open(folder.path(), kNow);  // opened and closed at once
        (void)!::write(fromAnn[1], "1", 1);
        (void)!::read(toAnn[0], &word, 1);
        for (int i = 0; i < 3; ++i) history->Record(hand);
        (void)!::write(fromAnn[1], "3", 1);
        ::pause();  // killed here
        ::_exit(0);
    }
    char word = 0;
    ASSERT_EQ(::read(fromAnn[0], &word, 1), 1);
    ASSERT_EQ(RecordHands(*HandHistory::Open(folder.path(), kNow).history, 1).first, 1);
    ASSERT_EQ(::write(toAnn[1], "more", 1), 1);
    ASSERT_EQ(::read(fromAnn[0], &word, 1), 1);
    ::kill(ann, SIGKILL);
    ::waitpid(ann, nullptr, 0);
    for (int fd : {toAnn[0], toAnn[1], fromAnn[0], fromAnn[1]}) ::close(fd);

    auto history = HandHistory::Open(folder.path(), kNow).history;
    EXPECT_EQ(history->PlayerHands("Ann").hands.size(), 4u);
    EXPECT_EQ(history->PlayerHands("Alice").hands.size(), 1u);
}

// Copies of the game opening a new history at the same moment, round after round: creating the
// file, its tables and its log mode must hold against the others doing the same.
TEST(HandHistoryFaults, TwoCopiesOfTheGameWritingAtOnceKeepEveryHand) {
    ScratchFolder folder;
    constexpr int kCopies = 4, kRounds = 60, kHandsEach = 5;
    const auto round = [&](int r) { return folder / ("round-" + std::to_string(r)); };
    std::vector<std::array<int, 2>> starts(kRounds);
    for (int r = 0; r < kRounds; ++r) {
        std::filesystem::create_directory(round(r));
        ASSERT_EQ(::pipe(starts[r].data()), 0);
    }
    int done[2];
    ASSERT_EQ(::pipe(done), 0);
    std::vector<pid_t> children;
    for (int copy = 0; copy < kCopies; ++copy) {
        const pid_t child = ::fork();
        if (child == 0) {
            for (auto& start : starts) ::close(start[1]);
            bool failed = false;
            for (int r = 0; r < kRounds; ++r) {
                char go;
                (void)!::read(starts[r][0], &go, 1);  // returns when the parent closes its end
                auto history = HandHistory::Open(round(r), kNow).history;
                const auto session =
                    history ? history->BeginSession("Alice", kNow).session : history::Session{};
                failed = failed || session.id == 0;
                for (int i = 0; i < kHandsEach && !failed; ++i)
                    failed = history->Record(SomeHand(session.id)).has_value();
                (void)!::write(done[1], "r", 1);
            }
            ::_exit(failed ? 1 : 0);
        }
        children.push_back(child);
    }
    for (int r = 0; r < kRounds; ++r) {
        ::close(starts[r][1]);
        for (int copy = 0; copy < kCopies; ++copy) {
            char finished;
            ASSERT_EQ(::read(done[0], &finished, 1), 1);
        }
    }
    for (const pid_t child : children) {
        int status = 0;
        ::waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    for (auto& start : starts) ::close(start[0]);
    ::close(done[0]);
    ::close(done[1]);
    for (int r = 0; r < kRounds; ++r) {
        auto history = HandHistory::Open(round(r), kNow).history;
        ASSERT_TRUE(history);
        std::map<std::int64_t, int> handsOfSession;
        for (const auto& hand : history->PlayerHands("Alice").hands) ++handsOfSession[hand.session];
        EXPECT_EQ(handsOfSession.size(), std::size_t(kCopies)) << "round " << r;
        for (const auto& [session, count] : handsOfSession)
            EXPECT_EQ(count, kHandsEach) << "round " << r;
    }
}

}  // namespace
