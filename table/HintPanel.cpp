// The hint panel, painted like the pay chart: a dark panel, yellow figures, the best row lit
// on a red bar, each hold's chart line under it, and a note where the chart errs.
#include "table/HintPanel.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStringList>

#include "assets/Fonts.h"
#include "game/ChartTexts.h"
#include "game/HintTexts.h"
#include "windows/HoldsPanelLook.h"

namespace {

constexpr int kWidth = 380, kMessageHeight = 222;
// A row: the kept cards and the mean pay, then the chart line under them, wrapped.
constexpr int kTopTier = 21, kRowGap = 4, kBottom = 8;
constexpr int kUnderLeft = holdslook::kMargin + 28;
using holdslook::kHeaderHeight;
using holdslook::kMargin;

QFont UnderFont() {
    return fonts::Arial(8.25);
}

int UnderWidth() {
    return kWidth - kUnderLeft - kMargin - 2;
}

// The height `text` takes wrapped under a hold, or across the panel for a note.
int WrappedHeight(const QString& text, int width) {
    return QFontMetrics(UnderFont())
        .boundingRect(QRect(0, 0, width, 1000), Qt::TextWordWrap, text)
        .height();
}

}  // namespace

HintPanel::HintPanel(QWidget* table, int stake) : QWidget(table), stake_(stake) {
    setObjectName(QStringLiteral("hintPanel"));
    setGeometry((table->width() - kWidth) / 2, 6, kWidth, kMessageHeight);
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
    note_.clear();
    message_ = message;
    resize(kWidth, kMessageHeight);
    text_ = message;
    setAccessibleDescription(text_);
    update();
}

void HintPanel::ShowHolds(const modcards::Hand& dealt, std::vector<HoldHint> holds,
                          const modcards::analysis::StrategyChart* chart, const QString& note) {
    dealt_ = dealt;
    holds_ = std::move(holds);
    note_ = note;
    message_.clear();
    chartLines_.clear();
    decimals_ = HoldsDecimals(holds_);
    QStringList lines;
    int height = kHeaderHeight + 4;
    for (const HoldHint& hold : holds_) {
        chartLines_ << (chart ? HoldChartLine(*chart, dealt_, hold.kept) : QString());
        lines << HintLine(dealt_, hold, chartLines_.back(), decimals_);
        height += RowHeight(chartLines_.back());
    }
    if (!note_.isEmpty()) {
        lines << note_;
        height += WrappedHeight(note_, kWidth - 2 * kMargin) + kRowGap;
    }
    resize(kWidth, height + kBottom);
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
        const QString chartLine = chartLines_.value(static_cast<qsizetype>(i));
        PaintRow(painter, holds_[i], chartLine, top);
        top += RowHeight(chartLine);
    }
    if (note_.isEmpty()) return;
    painter.setPen(holdslook::kFigures);
    painter.setFont(UnderFont());
    painter.drawText(QRect(kMargin, top + kRowGap, width() - 2 * kMargin, height() - top),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, note_);
}

int HintPanel::RowHeight(const QString& chartLine) {
    if (chartLine.isEmpty()) return kTopTier + kRowGap;
    return kTopTier + WrappedHeight(chartLine, UnderWidth()) + kRowGap;
}

// The hold across the top tier, and under it the chart line the hold is.
void HintPanel::PaintRow(QPainter& painter, const HoldHint& hold, const QString& chartLine,
                         int top) const {
    const QRect row(kMargin - 4, top, width() - 2 * (kMargin - 4), RowHeight(chartLine) - 2);
    holdslook::PaintHold(painter, row, kTopTier, dealt_, hold,
                         CreditsText(hold.credits, decimals_));
    painter.setPen(holdslook::kHeading);
    painter.setFont(UnderFont());
    // Wrapped, never cut: a long line name takes another row.
    const QRect under(kUnderLeft, top + kTopTier - 1, UnderWidth(), row.height() - kTopTier);
    painter.drawText(under, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, chartLine);
}
