// The hint panel, painted like the pay chart: a dark panel, yellow figures, the best row lit
// on a red bar, each hold's chart line under it.
#include "table/HintPanel.h"

#include <QPainter>
#include <QStringList>

#include "assets/Fonts.h"
#include "engine/analysis/GameChart.h"
#include "game/ChartTexts.h"
#include "game/HintTexts.h"
#include "windows/HoldsPanelLook.h"

namespace {

constexpr int kWidth = 330, kHeight = 222;
// A row: the kept cards and the mean pay, then the chart line under them.
constexpr int kRowHeight = 37, kTopTier = 21;
using holdslook::kHeaderHeight;
using holdslook::kMargin;

}  // namespace

HintPanel::HintPanel(QWidget* table, int stake) : QWidget(table), stake_(stake) {
    setObjectName(QStringLiteral("hintPanel"));
    setGeometry((table->width() - kWidth) / 2, 6, kWidth, kHeight);
    setAccessibleName(QStringLiteral("Hint: the best holds"));
    setToolTip(
        QStringLiteral("The best holds and what each pays on average (H shows the hint; "
                       "click to put it away)"));
    setCursor(Qt::PointingHandCursor);
    hide();
}

void HintPanel::ShowPending() {
    SetMessage(QStringLiteral("Working out the best holds\u2026"));
}

void HintPanel::ShowFailure(const QString& why) {
    SetMessage(QStringLiteral("No hint: %1").arg(why));
}

void HintPanel::SetMessage(const QString& message) {
    holds_.clear();
    chartLines_.clear();
    message_ = message;
    text_ = message;
    setAccessibleDescription(text_);
    update();
}

void HintPanel::ShowHolds(const modcards::Hand& dealt, std::vector<HoldHint> holds) {
    dealt_ = dealt;
    holds_ = std::move(holds);
    message_.clear();
    chartLines_.clear();
    QStringList lines;
    for (const HoldHint& hold : holds_) {
        chartLines_ << HoldChartLine(modcards::analysis::GameChart(), dealt_, hold.kept);
        lines << HintLine(dealt_, hold, chartLines_.back());
    }
    text_ = lines.join('\n');
    setAccessibleDescription(text_);
    update();
}

void HintPanel::mousePressEvent(QMouseEvent*) {
    emit Dismissed();
}

void HintPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    holdslook::PaintFrame(painter, rect(), QStringLiteral("Best Holds"), stake_);
    if (!message_.isEmpty()) {
        holdslook::PaintMessage(painter, rect(), message_);
        return;
    }
    int top = kHeaderHeight + 4;
    for (std::size_t i = 0; i < holds_.size(); ++i) {
        PaintRow(painter, holds_[i], chartLines_.value(static_cast<qsizetype>(i)), top);
        top += kRowHeight;
    }
}

// The hold across the top tier, and under it the chart line the hold is.
void HintPanel::PaintRow(QPainter& painter, const HoldHint& hold, const QString& chartLine,
                         int top) const {
    const QRect row(kMargin - 4, top, width() - 2 * (kMargin - 4), kRowHeight - 2);
    holdslook::PaintHold(painter, row, kTopTier, dealt_, hold, CreditsText(hold.credits));
    painter.setPen(holdslook::kHeading);
    painter.setFont(fonts::Arial(8.25));
    const QRect under(kMargin + 28, top + kTopTier - 1, row.right() - kMargin - 34,
                      kRowHeight - kTopTier - 2);
    painter.drawText(under, Qt::AlignLeft | Qt::AlignVCenter,
                     painter.fontMetrics().elidedText(chartLine, Qt::ElideRight, under.width()));
}
