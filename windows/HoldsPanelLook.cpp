// The look the hint panel and the review's deal panel share.
#include "windows/HoldsPanelLook.h"

#include <QPainterPath>

#include "assets/Fonts.h"
#include "game/CardNames.h"

namespace holdslook {
namespace {

const QColor kPanel(44, 48, 56);
const QColor kBorder(214, 170, 60);
const QColor kLitRow(176, 24, 24);
constexpr int kChipWidth = 34, kChipGap = 4, kChipHeight = 18;

}  // namespace

QColor SuitInk(const modcards::Card& card) {
    const bool red = card.Suit == modcards::Diamonds || card.Suit == modcards::Hearts;
    return red ? QColor(200, 20, 30) : QColor(Qt::black);
}

void PaintFrame(QPainter& painter, const QRect& area, const QString& title, int stake) {
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath outline;
    outline.addRoundedRect(QRectF(area).adjusted(1, 1, -1, -1), 8, 8);
    painter.fillPath(outline, kPanel);
    painter.setPen(QPen(kBorder, 2));
    painter.drawPath(outline);

    painter.setPen(kHeading);
    painter.setFont(fonts::Aardvark(11.25));
    const QRect header(kMargin, 4, area.width() - 2 * kMargin, kHeaderHeight - 6);
    painter.drawText(header, Qt::AlignLeft | Qt::AlignVCenter, title);
    painter.setFont(fonts::Aardvark(8.25, false));
    painter.drawText(header, Qt::AlignRight | Qt::AlignVCenter,
                     QStringLiteral("average pay for %1 credits").arg(stake));
    painter.setPen(QPen(kBorder, 1));
    painter.drawLine(kMargin, kHeaderHeight, area.width() - kMargin, kHeaderHeight);
}

void PaintMessage(QPainter& painter, const QRect& area, const QString& message) {
    painter.setPen(kHeading);
    painter.setFont(fonts::Aardvark(9.75));
    painter.drawText(area.adjusted(kMargin, kHeaderHeight, -kMargin, 0),
                     Qt::AlignCenter | Qt::TextWordWrap, message);
}

void PaintHold(QPainter& painter, const QRectF& row, int tier, const modcards::Hand& dealt,
               const HoldHint& hold, const QString& figure) {
    if (hold.rank == 1) painter.fillRect(row, kLitRow);
    const qreal top = row.top();
    painter.setFont(fonts::Aardvark(9.75));
    painter.setPen(kHeading);
    // Holds of equal value share a rank, marked "=" as in a tied race.
    painter.drawText(QRectF(kMargin, top, 24, tier), Qt::AlignLeft | Qt::AlignVCenter,
                     QString::number(hold.rank) + (hold.tied ? "=" : ""));

    painter.setFont(fonts::Aardvark(9, true));
    for (int slot = 0; slot < 5; ++slot) {
        const QRectF chip(kMargin + 28 + slot * (kChipWidth + kChipGap),
                          top + (tier - kChipHeight) / 2.0, kChipWidth, kChipHeight);
        if (!hold.Keeps(slot)) {
            painter.setPen(QPen(QColor(255, 255, 255, 70), 1, Qt::DashLine));
            painter.setBrush(Qt::NoBrush);
            painter.drawRoundedRect(chip.adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
            continue;
        }
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::white);
        painter.drawRoundedRect(chip, 3, 3);
        painter.setPen(SuitInk(dealt[slot]));
        painter.drawText(chip, Qt::AlignCenter, ShortCard(dealt[slot]));
    }
    painter.setFont(fonts::Aardvark(9.75));
    painter.setPen(kFigures);
    painter.drawText(QRectF(row.left(), top, row.width() - 6, tier),
                     Qt::AlignRight | Qt::AlignVCenter, figure);
}

}  // namespace holdslook
