// How long the hand history takes: a hand's row and its write, and the review of 100,000 hands.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <numeric>
#include <random>

#include "engine/PayTable.h"
#include "engine/analysis/Combinatorics.h"
#include "engine/analysis/Pays.h"
#include "game/history/HandHistory.h"
#include "game/history/SessionReview.h"
#include "game/history/SettledHand.h"
#include "tests/support/GameAdvisor.h"
#include "tests/support/SettledHands.h"

namespace {

using history::HandHistory;

constexpr const char* kNow = "2024-05-01T14:03:22";
constexpr int kReviewedHands = 100000;

// A scratch folder, removed at the end.
class ScratchFolder {
public:
    ScratchFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "bench-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data());
    }
    ~ScratchFolder() { std::filesystem::remove_all(path_); }
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

// Hands as a fair player makes them: ten cards from a shuffled deck, the best hold nine times
// in ten and any hold otherwise, so the review has mistakes and close calls to sort.
class HandMaker {
public:
    history::SettledHand Next() {
        std::array<int, 52> deck{};
        std::iota(deck.begin(), deck.end(), 0);
        std::shuffle(deck.begin(), deck.end(), random_);
        history::SettledHand hand;
        for (int slot = 0; slot < 5; ++slot) {
            hand.dealt[slot] = modcards::analysis::CardOfIndex(deck[slot]);
            hand.finalHand[slot] = modcards::analysis::CardOfIndex(deck[slot + 5]);
        }
        hand.held = random_() % 10 != 0 ? GameAdvisor().BestHold(hand.dealt) : random_() % 32;
        for (int slot = 0; slot < 5; ++slot)
            if ((hand.held >> slot) & 1u) hand.finalHand[slot] = hand.dealt[slot];
        return SettledByTheTable(hand.dealt, hand.held, hand.finalHand);
    }

private:
    std::mt19937 random_{12};
};

history::HandRecord RowOf(const history::Session& session, const history::SettledHand& hand) {
    return history::RecordOfHand(session, kNow, hand, GameAdvisor(), modcards::GamePayTable())
        .record;
}

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

// History.db with kReviewedHands of Alice's hands in ten sessions, and a few of Bob's.
class LargeHistory {
public:
    LargeHistory() {
        auto history = HandHistory::Open(folder_.path(), kNow).history;
        HandMaker maker;
        history::Session session;
        for (int i = 0; i < kReviewedHands; ++i) {
            if (i % (kReviewedHands / 10) == 0)
                session = history->BeginSession("Alice", kNow).session;
            history->Record(RowOf(session, maker.Next()));
        }
        const history::Session bob = history->BeginSession("Bob", kNow).session;
        for (int i = 0; i < 1000; ++i) history->Record(RowOf(bob, maker.Next()));
    }
    const std::filesystem::path& folder() const { return folder_.path(); }

private:
    ScratchFolder folder_;
};

// Built once for every benchmark that reads it.
const LargeHistory& Large() {
    static const LargeHistory large;
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

// Opening History.db at start-up, which checks every page of the file.
void BM_OpenHistoryOf100000Hands(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(HandHistory::Open(Large().folder(), kNow));
}
BENCHMARK(BM_OpenHistoryOf100000Hands)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
