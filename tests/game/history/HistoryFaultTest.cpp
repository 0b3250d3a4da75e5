// Faults of History.db: each is told in words, leaves Players.dat and every recorded hand as
// they were, and never overwrites a file the game cannot read.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cerrno>
#include <cstring>

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
    sqlite3_exec(db, "CREATE TABLE hands (x); PRAGMA user_version = 2;", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    const std::string before = ReadAll(HistoryIn(folder));

    const auto opened = HandHistory::Open(folder.path(), kNow);
    EXPECT_FALSE(opened.history);
    EXPECT_EQ(Told(opened), "Could not open the hand history.\n\"" + HistoryIn(folder).string() +
                                "\": it was written by a newer version of the game (history "
                                "format 2, this version reads format 1), so it is left as it is.");
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

TEST(HandHistoryFaults, TwoCopiesOfTheGameWritingAtOnceKeepEveryHand) {
    ScratchFolder folder;
    constexpr int kHandsEach = 300;
    std::vector<pid_t> children;
    for (int copy = 0; copy < 2; ++copy) {
        const pid_t child = ::fork();
        if (child == 0) {
            auto history = HandHistory::Open(folder.path(), kNow).history;
            const auto session =
                history ? history->BeginSession("Alice", kNow).session : history::Session{};
            int failures = history ? 0 : 1;
            for (int i = 0; i < kHandsEach && history; ++i)
                failures += history->Record(SomeHand(session.id)).has_value();
            ::_exit(failures == 0 ? 0 : 1);
        }
        children.push_back(child);
    }
    for (const pid_t child : children) {
        int status = 0;
        ::waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    auto history = HandHistory::Open(folder.path(), kNow).history;
    const auto hands = history->PlayerHands("Alice").hands;
    EXPECT_EQ(hands.size(), std::size_t(2 * kHandsEach));
    EXPECT_EQ(history->SessionHands(hands.front().session).hands.size(), std::size_t(kHandsEach));
    EXPECT_EQ(history->SessionHands(hands.back().session).hands.size(), std::size_t(kHandsEach));
}

}  // namespace
