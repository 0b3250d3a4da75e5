// A practice table chosen at the table, timed as the player meets it: from sitting down to the
// hint's hold values (the game's category tables built already; the chart's derivation begins at
// the same time), and to the table's chart in play, which names the hint's lines (derived
// afresh, no cache). Each sitting is at a table not
// met before. Run on Qt's offscreen platform:
//   QT_QPA_PLATFORM=offscreen build/bench/table/practice_table_bench
#include <benchmark/benchmark.h>

#include <QEventLoop>
#include <QSettings>
#include <QTest>
#include <QTimer>

#include "table/PracticeSeat.h"
#include "table/StrategyMenu.h"
#include "table/frmMain.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TableScene.h"

namespace {

struct Table : TableScene<ScriptedDialogs> {
    QSettings settings{dir.filePath("settings.ini"), QSettings::IniFormat};
    std::unique_ptr<StrategyMenu> strategy;
    std::unique_ptr<PracticeSeat> seat;
    bool ready = false;  // the game's own tables are there
    int royal = 800;     // each table sat at pays one more for a royal flush

    Table() {
        dialogs.inputAnswers.push_back(QStringLiteral("Bench"));
        window = std::make_unique<frmMain>(ctx, hand, aux);
        strategy = AddStrategy();
        seat = std::make_unique<PracticeSeat>(*window, *strategy->Menu(), hand, tables, dialogs,
                                              settings);
        window->show();
        ready = QTest::qWaitFor([&] { return strategy->Tables().Return().has_value(); }, 30000);
    }
    ~Table() {
        seat.reset();
        strategy.reset();
    }

    // Sits at a table not met before and waits for `signal` of `sender`; false after a minute.
    template <class Sender, class Signal>
    bool SitAndWaitFor(const Sender* sender, Signal signal) {
        const PracticeTable table{QStringLiteral("Bench"),
                                  {++royal, 200, 25, 15, 9, 5, 3, 2, 2, 1}};
        QEventLoop loop;
        QObject::connect(sender, signal, &loop, &QEventLoop::quit);
        QTimer::singleShot(60000, &loop, [&loop] { loop.exit(1); });
        if (!seat->Sit(table)) return false;
        return loop.exec() == 0;
    }
};

void BM_PracticeTableHintReady(benchmark::State& state) {
    Table table;
    if (!table.ready) state.SkipWithError("the game's tables did not come");
    const TableChart& chart = table.strategy->Chart();
    for (auto _ : state) {
        if (!table.SitAndWaitFor(&table.tables, &PerfectPlay::AdvisorReady))
            state.SkipWithError("the hold values did not come");
        // The chart's work, begun at the same time, is let finish its full chart: work that
        // cannot stop before then would pile up and slow the next sitting.
        state.PauseTiming();
        if (!QTest::qWaitFor([&] { return chart.ChartInPlay() != nullptr; }, 60000))
            state.SkipWithError("the chart did not come");
        state.ResumeTiming();
    }
}

void BM_PracticeTableChartReady(benchmark::State& state) {
    Table table;
    if (!table.ready) state.SkipWithError("the game's tables did not come");
    const TableChart& chart = table.strategy->Chart();
    for (auto _ : state) {
        if (!table.SitAndWaitFor(&chart, &TableChart::ChartInPlayChanged) || !chart.ChartInPlay())
            state.SkipWithError("the chart did not come");
    }
}

BENCHMARK(BM_PracticeTableHintReady)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
BENCHMARK(BM_PracticeTableChartReady)->Unit(benchmark::kSecond)->UseRealTime()->Iterations(3);

}  // namespace
