// The strategy chart at the table: the window, and the line of the hand being held.
#include "table/TableChart.h"

#include "engine/analysis/GameChart.h"
#include "game/ChartTexts.h"
#include "table/frmMain.h"

TableChart::TableChart(frmMain& window, const TableHand& hand, QAction* open)
    : window_(window), hand_(hand) {
    connect(open, &QAction::triggered, this, &TableChart::mnuChart_Click);
    connect(&hand_, &TableHand::Dealt, this, &TableChart::FollowTable);
    connect(&hand_, &TableHand::HoldChanged, this, &TableChart::FollowTable);
    connect(&hand_, &TableHand::Settled, this, &TableChart::FollowTable);
}

TableChart::~TableChart() {
    delete chart_.data();
}

// One window at most, brought to the front when open already.
void TableChart::mnuChart_Click() {
    if (!chart_) {
        chart_ = new frmChart(&window_, modcards::analysis::GameChart(),
                              modcards::analysis::GameChartAudit());
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
    const auto& chart = modcards::analysis::GameChart();
    chart_->ShowDeal(chart.PlayHand(dealt).line, DealLineText(chart, dealt, hand_.Held()));
}
