// The strategy chart at the table: the chart in play, the window at every level, and the line
// of the hand being held.
#include "table/TableChart.h"

#include <QStandardPaths>

#include "engine/analysis/GameChart.h"
#include "engine/analysis/GameLevels.h"
#include "game/ChartTexts.h"
#include "game/PracticeTable.h"
#include "table/frmMain.h"

TableChart::TableChart(frmMain& window, const TableHand& hand, QAction* open, Dialogs& dialogs,
                       const PerfectPlay& tables, const QString& chartCache)
    : window_(window), hand_(hand), dialogs_(dialogs), tables_(tables), work_(chartCache) {
    connect(open, &QAction::triggered, this, &TableChart::OpenChart);
    connect(&hand_, &TableHand::Dealt, this, &TableChart::FollowTable);
    connect(&hand_, &TableHand::HoldChanged, this, &TableChart::FollowTable);
    connect(&hand_, &TableHand::Settled, this, &TableChart::FollowTable);
    connect(&hand_, &TableHand::TableChanged, this, [this] {
        FollowPays();
        if (chart_) ShowTable();
    });
    connect(&work_, &ChartWork::ChartReady, this, &TableChart::KeepDerivedChart);
    connect(&work_, &ChartWork::ChartReady, this, &TableChart::ShowCharts);
    connect(&work_, &ChartWork::Progress, this, &TableChart::ShowWork);
    connect(&work_, &ChartWork::Failed, this, &TableChart::ShowWork);
    FollowPays();
}

TableChart::~TableChart() {
    delete chart_.data();
}

namespace {

bool AtGamePays(const TableHand& hand) {
    return modcards::analysis::GamePays(hand.Pays()) == modcards::analysis::GamePays();
}

}  // namespace

// The game's pays have the game's chart, built in; another table's chart is derived once.
void TableChart::FollowPays() {
    if (AtGamePays(hand_)) {
        SetChartInPlay(&modcards::analysis::GameChart());
        return;
    }
    const auto pays = modcards::analysis::GamePays(hand_.Pays());
    const modcards::analysis::StrategyChart* derived = Derived(pays);
    if (!derived) work_.Ask(pays, tables_.SharedTables());
    SetChartInPlay(derived);
}

void TableChart::KeepDerivedChart() {
    const auto& pays = work_.Asked();
    if (!pays || !work_.Charts()) return;
    // The full chart comes first and the levels after it, when a finer search may have found a
    // longer chart that costs less: the longest level is the table's chart from then on, as a
    // later run reads it from the kept file, and as the chart window shows it. The chart it
    // replaces stays kept: a hand being judged may still hold it.
    const modcards::analysis::StrategyChart& latest = work_.Charts()->levels.back().chart;
    if (const auto* kept = Derived(*pays); kept && kept->Lines() == latest.Lines()) return;
    derived_.emplace_back(*pays, std::make_unique<const modcards::analysis::StrategyChart>(latest));
    if (!AtGamePays(hand_) && modcards::analysis::GamePays(hand_.Pays()) == *pays)
        SetChartInPlay(derived_.back().second.get());
}

void TableChart::SetChartInPlay(const modcards::analysis::StrategyChart* chart) {
    if (chart == inPlay_) return;
    inPlay_ = chart;
    emit ChartInPlayChanged();
}

const modcards::analysis::StrategyChart* TableChart::Derived(
    const modcards::analysis::Pays& pays) const {
    // The last kept is the latest.
    for (auto entry = derived_.rbegin(); entry != derived_.rend(); ++entry)
        if (entry->first == pays) return entry->second.get();
    return nullptr;
}

// One window at most, brought to the front when open already.
void TableChart::OpenChart() {
    if (!chart_) {
        chart_ = new ChartWindow(&window_);
        chart_->AllowSaving(dialogs_,
                            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
        connect(chart_, &ChartWindow::LevelChosen, this, &TableChart::FollowTable);
        ShowTable();
    }
    chart_->show();
    chart_->raise();
    chart_->activateWindow();
}

void TableChart::ShowTable() {
    if (AtGamePays(hand_)) {
        chart_->HideProgress();
        chart_->SetCharts(modcards::analysis::GameLevels(), modcards::analysis::GameFrontier());
        return;
    }
    work_.Ask(modcards::analysis::GamePays(hand_.Pays()));  // at once when asked already
    if (work_.Charts()) {
        ShowCharts();
        return;
    }
    chart_->SetCharts({}, {}, TableName(hand_.Pays()));
    ShowWork();
}

bool TableChart::ShowsWork() const {
    return chart_ && !AtGamePays(hand_) &&
           work_.Asked() == modcards::analysis::GamePays(hand_.Pays());
}

void TableChart::ShowCharts() {
    if (!ShowsWork()) return;
    chart_->SetCharts(work_.Charts()->levels, work_.Charts()->frontier, TableName(hand_.Pays()));
    ShowWork();
}

void TableChart::ShowWork() {
    if (!ShowsWork()) return;
    const QString table = TableName(hand_.Pays());
    const auto* charts = work_.Charts();
    if (!work_.Failure().isEmpty()) {
        chart_->ShowProgress(
            QStringLiteral("The chart for %1 could not be derived: %2").arg(table, work_.Failure()),
            0, 1);
    } else if (!charts) {
        chart_->ShowProgress(
            QStringLiteral("Deriving the chart for %1 Deuces Wild\u2026").arg(table), 0, 0);
    } else if (!work_.HasLevels()) {
        chart_->ShowProgress(QStringLiteral("This is the full chart for %1 Deuces Wild. Its levels "
                                            "are being derived: %2 of %3 charts audited\u2026")
                                 .arg(table)
                                 .arg(work_.Done())
                                 .arg(work_.Total()),
                             work_.Done(), work_.Total());
    } else {
        chart_->HideProgress();
    }
}

void TableChart::FollowTable() {
    if (!chart_ || !chart_->HasChart()) return;
    if (!hand_.InPlay()) {
        chart_->LightLine(-1);
        return;
    }
    // In table order until the draw.
    const modcards::Hand& dealt = hand_.Cards();
    const modcards::analysis::StrategyChart& chart = chart_->Chart();
    chart_->ShowDeal(chart.PlayHand(dealt).line, DealLineText(chart, dealt, hand_.Held()));
}
