// The strategy chart at the table: the window at every level, and the line of the hand being
// held.
#include "table/TableChart.h"

#include <QStandardPaths>

#include "engine/analysis/GameLevels.h"
#include "game/ChartTexts.h"
#include "table/frmMain.h"

TableChart::TableChart(frmMain& window, const TableHand& hand, QAction* open, Dialogs& dialogs)
    : window_(window), hand_(hand), dialogs_(dialogs) {
    connect(open, &QAction::triggered, this, &TableChart::OpenChart);
    connect(&hand_, &TableHand::Dealt, this, &TableChart::FollowTable);
    connect(&hand_, &TableHand::HoldChanged, this, &TableChart::FollowTable);
    connect(&hand_, &TableHand::Settled, this, &TableChart::FollowTable);
}

TableChart::~TableChart() {
    delete chart_.data();
}

// One window at most, brought to the front when open already.
void TableChart::OpenChart() {
    if (!chart_) {
        chart_ = new ChartWindow(&window_, modcards::analysis::GameLevels(),
                                 modcards::analysis::GameFrontier());
        chart_->AllowSaving(dialogs_,
                            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
        connect(chart_, &ChartWindow::LevelChosen, this, &TableChart::FollowTable);
        FollowTable();
    }
    chart_->show();
    chart_->raise();
    chart_->activateWindow();
}

void TableChart::FollowTable() {
    if (!chart_) return;
    if (!hand_.InPlay()) {
        chart_->LightLine(-1);
        return;
    }
    // In table order until the draw.
    const modcards::Hand& dealt = hand_.Cards();
    const modcards::analysis::StrategyChart& chart = chart_->Chart();
    chart_->ShowDeal(chart.PlayHand(dealt).line, DealLineText(chart, dealt, hand_.Held()));
}
