// The review's deal panel, in the hint panel's colours: a dark panel, yellow figures, the best
// hold on a red bar, the hold taken framed in orange.
#include "windows/ReviewDealPanel.h"

#include <QStringList>

#include "assets/Fonts.h"
#include "game/CardNames.h"
#include "game/HintTexts.h"
#include "game/PracticeTable.h"
#include "game/ReviewTexts.h"
#include "windows/HoldsPanelLook.h"

namespace {

constexpr std::size_t kBestRows = 5;
constexpr int kCardsHeight = 44, kRowHeight = 22;
constexpr int kCardWidth = 44, kCardHeight = 34, kCardGap = 8;
constexpr int kGapHeight = 10;
const QColor kTaken(255, 160, 64);
using holdslook::kHeaderHeight;
using holdslook::kHeading;
using holdslook::kMargin;

}  // namespace

ReviewDealPanel::ReviewDealPanel(QWidget* parent, int stake) : QWidget(parent), stake_(stake) {
    setObjectName(QStringLiteral("pnlDeal"));
    setAccessibleName(QStringLiteral("The deal and its best holds"));
}

void ReviewDealPanel::ShowMessage(const QString& message) {
    holds_.clear();
    message_ = message;
    footnote_.clear();
    text_ = message;
    setAccessibleDescription(text_);
    update();
}

void ReviewDealPanel::ShowHand(const history::HandRecord& hand,
                               const modcards::analysis::HoldAdvisor& advisor,
                               const history::GradingChart& grading) {
    if (history::PaysText(advisor.pays()) != hand.pays) {
        ShowMessage(QStringLiteral("This hand was played at another table, %1: its holds are "
                                   "valued only while that table is in play.")
                        .arg(TableName(QString::fromStdString(hand.pays))));
        return;
    }
    hand_ = hand;
    message_.clear();
    const std::vector<HoldHint> all = TopHolds(advisor, hand.dealt, 32);
    holds_.assign(all.begin(), all.begin() + std::min(kBestRows, all.size()));
    const auto taken = std::find_if(all.begin(), all.end(),
                                    [&](const HoldHint& hold) { return hold.kept == hand.held; });
    const auto takenAt = std::size_t(taken - all.begin());
    if (taken != all.end() && takenAt >= kBestRows) holds_.push_back(*taken);
    gapBeforeTaken_ = taken != all.end() && takenAt > kBestRows;
    decimals_ = HoldsDecimals(holds_);
    footnote_ = hand.Cost() > 0
                    ? QStringLiteral("Your hold (framed) gave up %1 credits on average.")
                          .arg(CostText(hand.Cost()))
                    : QStringLiteral("Your hold (framed) was the best.");
    // A chart judges its own table alone.
    const auto* tableChart = grading.Judges(hand) ? grading.chart : nullptr;
    if (const QString chart =
            ChartExceptionText(hand.dealt, JudgeChart(advisor, tableChart, hand.dealt));
        !chart.isEmpty())
        footnote_ += u' ' + AsSentence(chart);
    QStringList lines(HandText(hand.dealt));
    for (const HoldHint& hold : holds_) {
        QString line = QStringLiteral("Keep %1: %2 credits")
                           .arg(KeptCards(hand.dealt, hold), CreditsText(hold.credits, decimals_));
        if (hold.rank == 1) line += QStringLiteral(", the best hold");
        if (hold.kept == hand.held) line += QStringLiteral(", your hold");
        lines << line;
    }
    lines << footnote_;
    text_ = lines.join(u'\n');
    setAccessibleDescription(text_);
    update();
}

void ReviewDealPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    holdslook::PaintFrame(painter, rect(), QStringLiteral("The Deal"), stake_);
    if (!message_.isEmpty()) {
        holdslook::PaintMessage(painter, rect(), message_);
        return;
    }
    PaintCards(painter, kHeaderHeight + 6);
    int top = kHeaderHeight + kCardsHeight + 6;
    for (std::size_t row = 0; row < holds_.size(); ++row) {
        if (row == kBestRows && gapBeforeTaken_) {  // the hold taken, further down the list
            PaintGap(painter, top);
            top += kGapHeight;
        }
        PaintRow(painter, holds_[row], top);
        top += kRowHeight;
    }
    painter.setPen(kHeading);
    painter.setFont(fonts::Aardvark(8.25, false));
    // Wrapped, never cut.
    painter.drawText(QRect(kMargin, top + 4, width() - 2 * kMargin, height() - top - 6),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, footnote_);
}

// Three dots between the best holds and the hold taken: the holds between are left out.
void ReviewDealPanel::PaintGap(QPainter& painter, int top) const {
    painter.setPen(Qt::NoPen);
    painter.setBrush(kHeading);
    for (int dot = -1; dot <= 1; ++dot)
        painter.drawEllipse(QPointF(width() / 2.0 + dot * 8, top + kGapHeight / 2.0 - 1), 1.6, 1.6);
}

// The five dealt cards as small white cards, left to right.
void ReviewDealPanel::PaintCards(QPainter& painter, int top) const {
    painter.setFont(fonts::Aardvark(12, true));
    const int left = (width() - 5 * kCardWidth - 4 * kCardGap) / 2;
    for (int slot = 0; slot < 5; ++slot) {
        const QRectF card(left + slot * (kCardWidth + kCardGap), top, kCardWidth, kCardHeight);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::white);
        painter.drawRoundedRect(card, 4, 4);
        painter.setPen(holdslook::SuitInk(hand_.dealt[slot]));
        painter.drawText(card, Qt::AlignCenter, ShortCard(hand_.dealt[slot]));
    }
}

// The hold, with the exact mean pay; the hold taken framed.
void ReviewDealPanel::PaintRow(QPainter& painter, const HoldHint& hold, int top) const {
    const QRectF row(kMargin - 4, top, width() - 2 * (kMargin - 4), kRowHeight - 2);
    holdslook::PaintHold(painter, row.adjusted(0, 0, -2, 0), kRowHeight - 2, hand_.dealt, hold,
                         CreditsText(hold.credits, decimals_));
    if (hold.kept == hand_.held) {
        painter.setPen(QPen(kTaken, 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(row.adjusted(1, 1, -1, -1), 3, 3);
    }
}
