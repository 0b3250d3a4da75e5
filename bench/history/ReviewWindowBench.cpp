// The table with a history of a million hands: Strategy -> Session Review on "All Sessions",
// the time until its figures show, and the longest the table's (GUI) thread is kept from its
// events meanwhile; then a hand played with that review open. The history is made in a scratch
// folder first (some seconds). Run on Qt's offscreen platform:
//   QT_QPA_PLATFORM=offscreen build/bench/history/review_window_bench
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <ctime>

#include "bench/history/LargeHistory.h"
#include "table/StrategyMenu.h"
#include "table/TableHistory.h"
#include "table/frmMain.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TableScene.h"

namespace {

constexpr int kMillion = 1000000;
constexpr std::string_view kTrips = "9c 9d 4s 9h Kd 3c 5h 9s 7c 8d";

// The GUI thread's own processor time: a gap in it is work, not waiting for a busy machine.
qint64 ThreadCpuNs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

// The longest gap between the GUI thread's turns at its events: a timer due every millisecond
// notes how late each tick comes, in wall time and in the thread's own processor time (on a
// loaded machine the first also holds the time the thread waited for a core).
class Heartbeat {
public:
    Heartbeat() {
        timer_.setTimerType(Qt::PreciseTimer);
        timer_.setInterval(1);
        QObject::connect(&timer_, &QTimer::timeout, [this] { Beat(); });
    }
    void Start() {
        clock_.start();
        last_ = 0;
        lastCpu_ = ThreadCpuNs();
        timer_.start();
    }
    void Stop() {
        Beat();
        timer_.stop();
    }
    double LongestMs() const { return longest_ / 1e6; }
    double LongestCpuMs() const { return longestCpu_ / 1e6; }

private:
    void Beat() {
        const qint64 now = clock_.nsecsElapsed(), cpu = ThreadCpuNs();
        longest_ = std::max(longest_, now - last_);
        longestCpu_ = std::max(longestCpu_, cpu - lastCpu_);
        last_ = now;
        lastCpu_ = cpu;
    }
    QTimer timer_;
    QElapsedTimer clock_;
    qint64 last_ = 0, longest_ = 0, lastCpu_ = 0, longestCpu_ = 0;
};

struct Table : TableScene<ScriptedDialogs> {
    std::unique_ptr<StrategyMenu> strategy;
    std::unique_ptr<TableHistory> history;
    frmReview* review = nullptr;
    bool ready = false;

    Table() {
        bench_history::AddHands(dir.path().toStdString(), "Bench", kMillion, 10);
        dialogs.inputAnswers.push_back(QStringLiteral("Bench"));
        window = std::make_unique<frmMain>(ctx, hand, aux);
        strategy = AddStrategy();
        history =
            std::make_unique<TableHistory>(*window, hand, tables, strategy->Chart(),
                                           strategy->Review(), strategy->BankrollEntry(), ctx);
        history->BeginSession();
        window->show();
        ready = QTest::qWaitFor(
            [&] {
                return history->Loader() && history->Recorder().SessionId() != 0 &&
                       strategy->Tables().Advisor();
            },
            60000);
        if (!ready) return;
        strategy->Review()->trigger();
        review = history->Review();
        if (review->Busy()) WaitForFigures();
    }
    ~Table() {
        history.reset();
        strategy.reset();
    }
    // Runs the table's events until the review shows its figures.
    void WaitForFigures() const {
        QEventLoop loop;
        QObject::connect(review, &frmReview::FiguresShown, &loop, &QEventLoop::quit);
        loop.exec();
    }
};

// Made once, in main, and gone before the application.
Table* theTable = nullptr;

Table& TheTable() {
    return *theTable;
}

// From the click on "All Sessions" to its figures shown, as the player waits for them.
void BM_AllSessionsOfAMillionHands(benchmark::State& state) {
    Table& table = TheTable();
    if (!table.ready) {
        state.SkipWithError("the table did not open its history");
        return;
    }
    double stall = 0, stallCpu = 0;
    for (auto _ : state) {
        table.review->tabScope()->setCurrentIndex(0);
        if (table.review->Busy()) table.WaitForFigures();
        Heartbeat heartbeat;
        QElapsedTimer took;
        heartbeat.Start();
        took.start();
        table.review->tabScope()->setCurrentIndex(1);
        if (table.review->Busy()) table.WaitForFigures();
        state.SetIterationTime(double(took.nsecsElapsed()) / 1e9);
        heartbeat.Stop();
        stall = std::max(stall, heartbeat.LongestMs());
        stallCpu = std::max(stallCpu, heartbeat.LongestCpuMs());
        if (table.review->Page().review.handsPlayed != kMillion)
            state.SkipWithError("hands missing");
    }
    state.counters["longest_stall_ms"] = stall;
    state.counters["longest_stall_cpu_ms"] = stallCpu;
}
BENCHMARK(BM_AllSessionsOfAMillionHands)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(5);

// A hand played with the review open on this session (its few hands: the table's own share) or
// on all sessions (the million): from the draw to the hand in the review's figures.
void BM_HandIntoTheOpenReview(benchmark::State& state) {
    Table& table = TheTable();
    if (!table.ready) {
        state.SkipWithError("the table did not open its history");
        return;
    }
    frmMain& window = *table.window;
    table.review->tabScope()->setCurrentIndex(int(state.range(0)));
    if (table.review->Busy()) table.WaitForFigures();
    double stall = 0, stallCpu = 0;
    for (auto _ : state) {
        table.deck.Queue(kTrips);
        window.cmdDeal_Click();
        for (int slot : {0, 1, 3}) window.pHand_Click(slot);
        const std::int64_t before = table.review->Page().review.handsPlayed;
        Heartbeat heartbeat;
        QElapsedTimer took;
        heartbeat.Start();
        took.start();
        window.cmdDeal_Click();
        while (table.review->Page().review.handsPlayed == before) table.WaitForFigures();
        state.SetIterationTime(double(took.nsecsElapsed()) / 1e9);
        heartbeat.Stop();
        stall = std::max(stall, heartbeat.LongestMs());
        stallCpu = std::max(stallCpu, heartbeat.LongestCpuMs());
    }
    state.counters["longest_stall_ms"] = stall;
    state.counters["longest_stall_cpu_ms"] = stallCpu;
}
BENCHMARK(BM_HandIntoTheOpenReview)
    ->ArgName("all_sessions")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(20);

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    auto table = std::make_unique<Table>();
    theTable = table.get();
    benchmark::RunSpecifiedBenchmarks();
    table.reset();
    benchmark::Shutdown();
    return 0;
}
