// The strategy chart at the table: the window, and the line of the hand being held.
#include "table/TableChart.h"

#include "engine/analysis/GameChart.h"
#include "game/ChartTexts.h"
#include "table/frmMain.h"

TableChart::TableChart(frmMain& window, QAction* open) : window_(window) {
    connect(open, &QAction::triggered, this, &TableChart::mnuChart_Click);
    connect(&window_, &frmMain::HandDealt, this, &TableChart::FollowTable);
    connect(&window_, &frmMain::HandSettled, this, &TableChart::FollowTable);
    for (HoldCheckBox* hold : window_.Controls().chkHold)
        connect(hold, &HoldCheckBox::Click, this, &TableChart::FollowTable);
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
    if (!window_.InDrawPhase()) {
        chart_->LightLine(-1);
        return;
    }
    // In table order until the draw.
    const modcards::Hand dealt = window_.HandCards().Hand;
    std::uint8_t held = 0;
    for (int slot = 0; slot < 5; ++slot)
        if (window_.Controls().chkHold[static_cast<std::size_t>(slot)]->Value() == 1)
            held |= static_cast<std::uint8_t>(1u << slot);
    const auto& chart = modcards::analysis::GameChart();
    chart_->ShowDeal(chart.PlayHand(dealt).line, DealLineText(chart, dealt, held));
}
