// How long the hand history takes: a hand's row and its write, the review of 100,000 hands and
// of a million, and one hand folded into an open review.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>

#include "bench/history/LargeHistory.h"
#include "engine/analysis/GameChart.h"
#include "game/history/HandHistory.h"
#include "game/history/LeakGroups.h"
#include "game/history/ReviewReader.h"
#include "game/history/SessionReview.h"

namespace {

using bench_history::HandMaker;
using bench_history::kNow;
using bench_history::RowOf;
using bench_history::ScratchFolder;
using history::HandHistory;

constexpr int kReviewedHands = 100000;
constexpr int kMillion = 1000000;

// The row of a settled hand: both values from the advisor, on the game's worker thread.
void BM_RowOfOneHand(benchmark::State& state) {
    HandMaker maker;
    const history::Session session{1, "Alice", kNow};
    const history::SettledHand hand = maker.Next();
    for (auto _ : state) benchmark::DoNotOptimize(RowOf(session, hand));
}
BENCHMARK(BM_RowOfOneHand)->Unit(benchmark::kMicrosecond);

// Writing one hand to History.db, as the table does after every settled hand. Most writes
// only append to the log; about one in 300 also copies the log into the file and waits for the
// disk, which the counter `slowest_us` shows.
void BM_RecordOneHand(benchmark::State& state) {
    const ScratchFolder folder;
    auto history = HandHistory::Open(folder.path(), kNow).history;
    const history::HandRecord hand =
        RowOf(history->BeginSession("Alice", kNow).session, HandMaker().Next());
    double slowest = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        if (history->Record(hand)) state.SkipWithError("the hand was not recorded");
        const std::chrono::duration<double, std::micro> took =
            std::chrono::steady_clock::now() - start;
        slowest = std::max(slowest, took.count());
    }
    state.counters["slowest_us"] = slowest;
}
BENCHMARK(BM_RecordOneHand)->Unit(benchmark::kMicrosecond)->UseRealTime();

// History.db with `hands` of Alice's hands in ten sessions, and a few of Bob's.
class LargeHistory {
public:
    explicit LargeHistory(int hands) {
        bench_history::AddHands(folder_.path(), "Alice", hands, 10);
        bench_history::AddHands(folder_.path(), "Bob", 1000, 1);
    }
    const std::filesystem::path& folder() const { return folder_.path(); }

private:
    ScratchFolder folder_;
};

// Built once for every benchmark that reads it.
const LargeHistory& Large() {
    static const LargeHistory large(kReviewedHands);
    return large;
}

const LargeHistory& Million() {
    static const LargeHistory large(kMillion);
    return large;
}

// Opening the review of every session of a player, the history already open: read the
// hands, grade them, list the mistakes, and say the result in one sentence.
void BM_ReviewOf100000Hands(benchmark::State& state) {
    const auto history = HandHistory::Open(Large().folder(), kNow).history;
    for (auto _ : state) {
        const auto reviewed = history->ReviewPlayer("Alice", 5);
        if (reviewed.review.handsPlayed != kReviewedHands) state.SkipWithError("hands missing");
        benchmark::DoNotOptimize(history::ResultSentence(reviewed.review));
    }
}
BENCHMARK(BM_ReviewOf100000Hands)->Unit(benchmark::kMillisecond)->UseRealTime();

// Every hand read in full, for comparison: what the review saves by reading only the numbers
// of the hands where the best hold was taken.
void BM_EveryHandOf100000Read(benchmark::State& state) {
    const auto history = HandHistory::Open(Large().folder(), kNow).history;
    for (auto _ : state) benchmark::DoNotOptimize(history->PlayerHands("Alice"));
}
BENCHMARK(BM_EveryHandOf100000Read)->Unit(benchmark::kMillisecond)->UseRealTime();

// Mistakes grouped by the chart lines of both holds, from the rows already read.
void BM_LeakGroupsOf100000Hands(benchmark::State& state) {
    const auto history = HandHistory::Open(Large().folder(), kNow).history;
    const auto rows = history->PlayerHands("Alice").hands;
    for (auto _ : state)
        benchmark::DoNotOptimize(history::GroupLeaks(rows, modcards::analysis::GameChart()));
    state.counters["groups"] =
        double(history::GroupLeaks(rows, modcards::analysis::GameChart()).groups.size());
}
BENCHMARK(BM_LeakGroupsOf100000Hands)->Unit(benchmark::kMillisecond)->UseRealTime();

// The review's worker: the figures and the leak groups in one pass over the file.
void BM_ReviewWithLeaksOf100000Hands(benchmark::State& state) {
    history::ReviewReader reader(Large().folder() / "History.db", &modcards::analysis::GameChart());
    for (auto _ : state) {
        const auto read = reader.Review({"Alice", 0}, 5);
        if (read.leaks.groups.empty()) state.SkipWithError("no leaks");
    }
}
BENCHMARK(BM_ReviewWithLeaksOf100000Hands)->Unit(benchmark::kMillisecond)->UseRealTime();

// The tables a player has played at, for the review's choice: read once per player.
void BM_TablesOf100000Hands(benchmark::State& state) {
    history::ReviewReader reader(Large().folder() / "History.db");
    for (auto _ : state) {
        if (reader.Tables("Alice").pays.size() != 1) state.SkipWithError("no table");
    }
}
BENCHMARK(BM_TablesOf100000Hands)->Unit(benchmark::kMillisecond)->UseRealTime();

// The review's worker at one table chosen: its figures graded and grouped by its chart.
void BM_ReviewOfOneTableOf100000Hands(benchmark::State& state) {
    history::ReviewReader reader(Large().folder() / "History.db");
    const history::GradingChart& game = history::GameGrading();
    for (auto _ : state) {
        const auto read = reader.Review({"Alice", 0, game.pays}, 5, game);
        if (read.review.handsPlayed != kReviewedHands) state.SkipWithError("hands missing");
    }
}
BENCHMARK(BM_ReviewOfOneTableOf100000Hands)->Unit(benchmark::kMillisecond)->UseRealTime();

// Opening History.db at start-up, which checks every page of the file.
void BM_OpenHistoryOf100000Hands(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(HandHistory::Open(Large().folder(), kNow));
}
BENCHMARK(BM_OpenHistoryOf100000Hands)->Unit(benchmark::kMillisecond)->UseRealTime();

// The review the table opens on "All Sessions" of a million hands, on the review's own
// connection, opened afresh: the figures, the costliest mistakes and close calls read in full.
void BM_ReviewOfAMillionHands(benchmark::State& state) {
    const std::filesystem::path file = Million().folder() / history::kHistoryFileName;
    for (auto _ : state) {
        history::ReviewReader reader(file);
        const history::ReviewResult read = reader.Review({"Alice", 0}, 5);
        if (read.error || read.review.handsPlayed != kMillion) state.SkipWithError("hands missing");
        benchmark::DoNotOptimize(history::ResultSentence(read.review));
    }
}
BENCHMARK(BM_ReviewOfAMillionHands)->Unit(benchmark::kMillisecond)->UseRealTime();

// One more hand into the open review of a million: its row read, and folded in.
void BM_FoldOneHandIntoAMillion(benchmark::State& state) {
    history::ReviewReader reader(Million().folder() / history::kHistoryFileName);
    history::SessionReview review = reader.Review({"Alice", 0}, 5).review;
    const std::int64_t before = review.lastHand - 1;
    for (auto _ : state) {
        const history::HandsResult newer = reader.HandsAfter({"Alice", 0}, before);
        if (newer.hands.size() != 1) state.SkipWithError("the hand is missing");
        history::FoldHand(review, newer.hands.front(), 5);
    }
}
BENCHMARK(BM_FoldOneHandIntoAMillion)->Unit(benchmark::kMicrosecond)->UseRealTime();

}  // namespace
