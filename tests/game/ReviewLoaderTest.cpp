// The review's reads on their own thread: only the last request is answered, the hands since
// are read alone, in order after the review they extend, and a player's tables are always told.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <thread>

#include "game/ReviewLoader.h"
#include "game/history/HandHistory.h"
#include "tests/game/history/HistoryTestFiles.h"
#include "tests/support/RunUntil.h"

namespace {

using history_test::Hand;

TEST(ReviewLoading, OnlyTheLastRequestIsAnsweredAndNewHandsAreReadAlone) {
    int argc = 0;
    QCoreApplication app(argc, nullptr);
    ScratchFolder folder;
    auto history = history::HandHistory::Open(folder.path(), history_test::kNow).history;
    ASSERT_TRUE(history);
    const std::int64_t alice = history->BeginSession("Alice", history_test::kNow).session.id;
    const std::int64_t bob = history->BeginSession("Bob", history_test::kNow).session.id;
    auto record = [&](std::int64_t session, const char* player) {
        auto hand = Hand(session, "Ah 2c 5d 9s Kh", "11001", "Ah 2c 7d Jc Kh", 4.5, 5.5);
        hand.player = player;
        ASSERT_FALSE(history->Record(hand));
    };
    for (int i = 0; i < 3; ++i) record(alice, "Alice");
    for (int i = 0; i < 2; ++i) record(bob, "Bob");

    std::vector<std::int64_t> reviewed;  // hands played in each review given
    std::vector<std::int64_t> added;     // ids of the hands given since
    std::vector<std::string> exports;    // "written", or why not
    std::vector<std::string> tablesOf;   // the players whose tables were told
    ReviewLoader loader(
        history_test::HistoryIn(folder), 5,
        {.loaded = [&](history::ReviewResult read) { reviewed.push_back(read.review.handsPlayed); },
         .tables = [&](history::TablesResult read) { tablesOf.push_back(read.player); },
         .added =
             [&](history::HandsResult newer, history::Leaks) {
                 for (const auto& hand : newer.hands) added.push_back(hand.id);
             },
         .exported =
             [&](std::optional<output::FileError> error) {
                 exports.push_back(error ? error->Describe() : "written");
             }});
    // Alice's review is read, and its answer waits for this thread, when Bob's is asked for.
    loader.Load({"Alice", 0});
    while (loader.ReviewsRead() == 0) std::this_thread::yield();
    loader.Load({"Bob", 0});
    loader.LoadNewer();  // nothing new yet: an empty answer after the review
    RunUntil([&] { return !reviewed.empty(); });
    record(alice, "Alice");
    record(bob, "Bob");
    loader.LoadNewer();
    RunUntil([&] { return !added.empty(); });
    EXPECT_EQ(reviewed, std::vector<std::int64_t>{2});
    EXPECT_EQ(added, std::vector<std::int64_t>{7});

    // After Cancel no answer comes, and the hands since are not asked for.
    loader.Load({"Alice", 0});
    loader.Cancel();
    loader.LoadNewer();
    loader.Load({"Alice", alice});
    RunUntil([&] { return reviewed.size() >= 2; });
    EXPECT_EQ(reviewed.back(), 4);

    // An export is answered even when a review is asked for meanwhile; a file it cannot write
    // is told in words and left as it was.
    WriteAll(folder / "hands.csv", "kept");
    loader.Export({"Bob", 0}, folder / "hands.csv");
    loader.Load({"Alice", 0});
    loader.Export({"Alice", 0}, folder / "missing" / "hands.csv");
    RunUntil([&] { return exports.size() >= 2; });
    EXPECT_EQ(exports.front(), "written");
    const std::string csv = ReadAll(folder / "hands.csv");
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 1 + 3);
    EXPECT_TRUE(csv.starts_with("id,")) << csv;
    EXPECT_NE(exports.back().find("Could not export the hands"), std::string::npos)
        << exports.back();

    // A player's tables are told whatever is loaded or cancelled after they are asked for.
    loader.ReadTables("Bob");
    loader.Load({"Alice", 0});
    loader.Cancel();
    RunUntil([&] { return !tablesOf.empty(); });
    EXPECT_EQ(tablesOf, std::vector<std::string>{"Bob"});
}

}  // namespace
