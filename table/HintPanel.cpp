// The hint panel, painted like the pay chart: a dark panel, yellow figures, the best row lit
// on a red bar, each hold's chart line under it.
#include "table/HintPanel.h"

#include <QPainter>
#include <QPainterPath>
#include <QStringList>

#include "assets/Fonts.h"
#include "engine/analysis/GameChart.h"
#include "game/ChartTexts.h"
#include "game/HintTexts.h"

namespace {

constexpr int kWidth = 330, kHeight = 222;
// A row: the kept cards and the mean pay, then the chart line under them.
constexpr int kHeaderHeight = 30, kRowHeight = 37, kTopTier = 21, kMargin = 10;
constexpr int kChipWidth = 34, kChipGap = 4, kChipHeight = 18;
const QColor kPanel(44, 48, 56);
const QColor kBorder(214, 170, 60);
const QColor kHeading(255, 224, 192);
const QColor kFigures(255, 222, 80);
const QColor kLitRow(176, 24, 24);
const QColor kRedSuit(200, 20, 30);

bool IsRed(const modcards::Card& card) {
    return card.Suit == modcards::Diamonds || card.Suit == modcards::Hearts;
}

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
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath outline;
    outline.addRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 8, 8);
    painter.fillPath(outline, kPanel);
    painter.setPen(QPen(kBorder, 2));
    painter.drawPath(outline);

    painter.setPen(kHeading);
    painter.setFont(fonts::Aardvark(11.25));
    const QRect header(kMargin, 4, width() - 2 * kMargin, kHeaderHeight - 6);
    painter.drawText(header, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Best Holds"));
    painter.setFont(fonts::Aardvark(8.25, false));
    painter.drawText(header, Qt::AlignRight | Qt::AlignVCenter,
                     QStringLiteral("average pay for %1 credits").arg(stake_));
    painter.setPen(QPen(kBorder, 1));
    painter.drawLine(kMargin, kHeaderHeight, width() - kMargin, kHeaderHeight);

    if (!message_.isEmpty()) {
        painter.setPen(kHeading);
        painter.setFont(fonts::Aardvark(9.75));
        painter.drawText(rect().adjusted(kMargin, kHeaderHeight, -kMargin, 0),
                         Qt::AlignCenter | Qt::TextWordWrap, message_);
        return;
    }
    int top = kHeaderHeight + 4;
    for (std::size_t i = 0; i < holds_.size(); ++i) {
        PaintRow(painter, holds_[i], chartLines_.value(static_cast<qsizetype>(i)), top);
        top += kRowHeight;
    }
}

// Rank, the five table positions as chips (a kept card shows its corner, a discarded one an
// empty outline), then the mean pay; under them, the chart line the hold is.
void HintPanel::PaintRow(QPainter& painter, const HoldHint& hold, const QString& chartLine,
                         int top) const {
    const QRect row(kMargin - 4, top, width() - 2 * (kMargin - 4), kRowHeight - 2);
    if (hold.rank == 1) painter.fillRect(row, kLitRow);

    painter.setFont(fonts::Aardvark(9.75));
    painter.setPen(kHeading);
    // Holds of equal value share a rank, marked "=" as in a tied race.
    painter.drawText(QRect(kMargin, top, 24, kTopTier), Qt::AlignLeft | Qt::AlignVCenter,
                     QString::number(hold.rank) + (hold.tied ? "=" : ""));

    painter.setFont(fonts::Arial(8.25));
    const QRect under(kMargin + 28, top + kTopTier - 1, row.right() - kMargin - 34,
                      kRowHeight - kTopTier - 2);
    painter.drawText(under, Qt::AlignLeft | Qt::AlignVCenter,
                     painter.fontMetrics().elidedText(chartLine, Qt::ElideRight, under.width()));

    painter.setFont(fonts::Aardvark(9, true));
    for (int slot = 0; slot < 5; ++slot) {
        const QRectF chip(kMargin + 28 + slot * (kChipWidth + kChipGap),
                          top + (kTopTier - kChipHeight) / 2.0, kChipWidth, kChipHeight);
        if (!hold.Keeps(slot)) {
            painter.setPen(QPen(QColor(255, 255, 255, 70), 1, Qt::DashLine));
            painter.setBrush(Qt::NoBrush);
            painter.drawRoundedRect(chip.adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
            continue;
        }
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::white);
        painter.drawRoundedRect(chip, 3, 3);
        painter.setPen(IsRed(dealt_[slot]) ? kRedSuit : Qt::black);
        painter.drawText(chip, Qt::AlignCenter, ShortCard(dealt_[slot]));
    }
    painter.setFont(fonts::Aardvark(9.75));
    painter.setPen(kFigures);
    painter.drawText(QRect(row.left(), top, row.width() - 6, kTopTier),
                     Qt::AlignRight | Qt::AlignVCenter, CreditsText(hold.credits));
}
