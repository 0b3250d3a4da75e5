// The GUI thread's time for the draw that settles a hand (the draw, the settlement, the account
// saved), with and without the hand history at the table. The history only queues the hand;
// its worker values and writes it. Run on Qt's offscreen platform:
//   QT_QPA_PLATFORM=offscreen build/bench/table/settle_hand_bench
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QTest>

#include "engine/CardText.h"
#include "table/StrategyMenu.h"
#include "table/TableHistory.h"
#include "table/frmMain.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/SettledHands.h"
#include "tests/support/TableScene.h"

namespace {

// Three nines kept; the draw brings a fourth.
constexpr std::string_view kTrips = "9c 9d 4s 9h Kd 3c 5h 9s 7c 8d";

struct Table : TableScene<ScriptedDialogs> {
    std::unique_ptr<StrategyMenu> strategy;
    std::unique_ptr<TableHistory> history;
    bool ready = false;  // the perfect-play tables are there

    explicit Table(bool withHistory) {
        dialogs.inputAnswers.push_back(QStringLiteral("Bench"));
        window = std::make_unique<frmMain>(ctx, hand, aux);
        strategy = AddStrategy();
        if (withHistory)
            history =
                std::make_unique<TableHistory>(*window, hand, tables, strategy->Chart(),
                                               strategy->Review(), strategy->BankrollEntry(), ctx);
        window->show();
        ready = QTest::qWaitFor([&] { return strategy->Tables().Return().has_value(); }, 30000);
    }
    ~Table() {
        history.reset();
        strategy.reset();
    }
};

void SettleHands(benchmark::State& state, bool withHistory) {
    Table table(withHistory);
    if (!table.ready) state.SkipWithError("the perfect-play tables did not come");
    frmMain& window = *table.window;
    for (auto _ : state) {
        state.PauseTiming();
        QCoreApplication::processEvents();  // the worker's news of the hands written
        table.deck.Queue(kTrips);
        window.cmdDeal_Click();
        for (int slot : {0, 1, 3}) window.pHand_Click(slot);
        state.ResumeTiming();
        window.cmdDeal_Click();
    }
    if (table.history) {
        const auto& recorder = table.history->Recorder();
        if (!QTest::qWaitFor([&] { return recorder.HandsWritten() == state.iterations(); }, 5000))
            state.SkipWithError("hands were lost");
    }
}

void BM_SettleWithoutHistory(benchmark::State& state) {
    SettleHands(state, false);
}
void BM_SettleWithHistory(benchmark::State& state) {
    SettleHands(state, true);
}
// The history's share alone: the table's signal that hands the settled hand to the recorder.
void BM_HandToTheRecorder(benchmark::State& state) {
    Table table(true);
    const history::SettledHand hand = SettledByTheTable(
        modcards::ParseHand("9c 9d 4s 9h Kd"), 0b01011, modcards::ParseHand("9c 9d 9s 9h 8d"));
    for (auto _ : state) {
        state.PauseTiming();
        QCoreApplication::processEvents();
        state.ResumeTiming();
        emit table.hand.Settled(hand);
    }
}

BENCHMARK(BM_SettleWithoutHistory)->Unit(benchmark::kMicrosecond)->Iterations(2000);
BENCHMARK(BM_SettleWithHistory)->Unit(benchmark::kMicrosecond)->Iterations(2000);
BENCHMARK(BM_HandToTheRecorder)->Unit(benchmark::kMicrosecond)->Iterations(2000);

}  // namespace
