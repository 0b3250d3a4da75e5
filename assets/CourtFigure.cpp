// Court figures: each half shows a bust with the rank's headwear and emblem, the rank
// letter and the suit; the lower half is the upper one turned, as on real cards.
#include "assets/CourtFigure.h"

#include "assets/Fonts.h"
#include "assets/Painting.h"
#include "assets/Suits.h"

namespace artwork {
namespace {

const QColor kGold(222, 172, 46);
const QColor kInk(40, 26, 20);
const QColor kSkin(250, 218, 182);

// The figure's second colour, one per rank, so the three courts differ at a glance.
QColor Accent(int value) {
    if (value == 13) return QColor(38, 74, 178);   // king: royal blue
    if (value == 12) return QColor(236, 178, 36);  // queen: gold
    return QColor(32, 128, 76);                    // jack: green
}

QColor RobeColour(int suit) {
    return IsRedSuit(suit) ? SuitColour(suit) : QColor(34, 40, 66);
}

void PaintRobe(QPainter& p, int suit, int value) {
    QPainterPath robe;
    robe.moveTo(12, 100);
    robe.cubicTo(12, 76, 24, 64, 40, 61);
    robe.lineTo(60, 61);
    robe.cubicTo(76, 64, 88, 76, 88, 100);
    robe.closeSubpath();
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(Vertical(60, 100, RobeColour(suit).lighter(135), RobeColour(suit)));
    p.drawPath(robe);

    // The front panel in the rank's colour, edged in gold, with a row of gold buttons.
    const QPolygonF panel({{41, 61}, {59, 61}, {65, 100}, {35, 100}});
    p.setPen(QPen(kGold, 2));
    p.setBrush(Accent(value));
    p.drawPolygon(panel);
    p.setPen(Qt::NoPen);
    p.setBrush(kGold);
    for (qreal y : {72.0, 82.0, 92.0}) p.drawEllipse(QPointF(50, y), 2, 2);

    // Shoulder pieces and the collar: ermine for the king, gold for the others.
    p.setPen(QPen(kGold, 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(14, 64, 26, 22), 90 * 16, 90 * 16);
    p.drawArc(QRectF(60, 64, 26, 22), 0, 90 * 16);
    p.setPen(QPen(value == 13 ? QColor(250, 250, 250) : kGold, 6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(36, 62), QPointF(64, 62));
    if (value == 13) {
        p.setPen(QPen(kInk, 2, Qt::SolidLine, Qt::RoundCap));
        for (qreal x : {39.0, 46.0, 54.0, 61.0}) p.drawPoint(QPointF(x, 62));
    }
}

void PaintHairBehind(QPainter& p, int value) {
    if (value != 12) return;  // the queen's long hair falls behind her shoulders
    QPainterPath hair;
    hair.moveTo(36, 34);
    hair.cubicTo(30, 46, 28, 58, 31, 68);
    hair.lineTo(69, 68);
    hair.cubicTo(72, 58, 70, 46, 64, 34);
    hair.closeSubpath();
    p.setPen(QPen(kInk, 1));
    p.setBrush(QColor(214, 150, 40));
    p.drawPath(hair);
}

void PaintHead(QPainter& p, int value) {
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(kSkin);
    p.drawRect(QRectF(45, 50, 10, 11));
    p.drawEllipse(QPointF(50, 40), 12.5, 14.5);
    if (value == 11) {  // the jack's short dark hair under his cap
        p.setBrush(QColor(96, 56, 30));
        p.drawChord(QRectF(37.5, 25.5, 25, 18), 0, 180 * 16);
    }
    if (value == 13) {  // the king's white beard
        QPainterPath beard;
        beard.moveTo(37.5, 41);
        beard.cubicTo(38, 58, 45, 64, 50, 66);
        beard.cubicTo(55, 64, 62, 58, 62.5, 41);
        beard.cubicTo(58, 48, 42, 48, 37.5, 41);
        p.setBrush(QColor(236, 236, 240));
        p.drawPath(beard);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawEllipse(QPointF(45, 38.5), 1.6, 1.6);
    p.drawEllipse(QPointF(55, 38.5), 1.6, 1.6);
    const qreal mouth = value == 13 ? 47.5 : 46.5;
    p.setPen(QPen(QColor(180, 40, 40), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(47, mouth), QPointF(53, mouth));
}

void PaintCrown(QPainter& p) {
    const QPolygonF crown({{37, 31}, {35, 12}, {43, 21}, {50, 5}, {57, 21}, {65, 12}, {63, 31}});
    p.setPen(QPen(kInk, 1.1));
    p.setBrush(Vertical(5, 31, QColor(255, 230, 120), kGold));
    p.drawPolygon(crown);
    p.setBrush(QColor(210, 20, 40));
    for (const QPointF& jewel : {QPointF(35, 12), QPointF(50, 5), QPointF(65, 12)})
        p.drawEllipse(jewel, 2.2, 2.2);
}

void PaintTiara(QPainter& p) {
    QPainterPath tiara;
    tiara.moveTo(37, 31);
    tiara.cubicTo(39, 20, 46, 20, 50, 15);
    tiara.cubicTo(54, 20, 61, 20, 63, 31);
    tiara.closeSubpath();
    p.setPen(QPen(kInk, 1.1));
    p.setBrush(Vertical(15, 31, QColor(255, 236, 150), kGold));
    p.drawPath(tiara);
    p.setBrush(Qt::white);
    for (const QPointF& pearl : {QPointF(40, 22), QPointF(50, 13), QPointF(60, 22)})
        p.drawEllipse(pearl, 2, 2);
}

void PaintCap(QPainter& p, int suit) {
    QPainterPath cap;
    cap.moveTo(35, 32);
    cap.cubicTo(32, 16, 48, 12, 60, 15);
    cap.cubicTo(68, 18, 70, 26, 66, 32);
    cap.closeSubpath();
    p.setPen(QPen(kInk, 1.1));
    p.setBrush(SuitColour(suit));
    p.drawPath(cap);
    QPainterPath feather;
    feather.moveTo(60, 18);
    feather.cubicTo(70, 8, 80, 6, 88, 2);
    feather.cubicTo(84, 14, 74, 18, 63, 22);
    feather.closeSubpath();
    p.setBrush(kGold);
    p.drawPath(feather);
    p.setPen(QPen(kGold, 4, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(36, 30), QPointF(65, 30));
}

// What the figure holds at its side: sceptre, flower or halberd.
void PaintEmblem(QPainter& p, int value) {
    p.setPen(QPen(kInk, 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(84, 98), QPointF(84, 44));
    p.setPen(QPen(kGold, 1.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(84, 98), QPointF(84, 44));
    p.setPen(QPen(kInk, 1));
    p.setBrush(kSkin);
    p.drawEllipse(QPointF(84, 80), 4, 3.5);  // the hand that holds it
    if (value == 13) {
        p.setBrush(kGold);
        p.drawEllipse(QPointF(84, 41), 4.5, 4.5);
    } else if (value == 12) {
        p.setBrush(QColor(220, 30, 60));
        for (int i = 0; i < 5; ++i) {
            p.save();
            p.translate(84, 42);
            p.rotate(i * 72);
            p.drawEllipse(QPointF(0, -3.5), 2.6, 3.4);
            p.restore();
        }
        p.setBrush(kGold);
        p.drawEllipse(QPointF(84, 42), 2, 2);
    } else {
        const QPolygonF blade({{84, 30}, {90, 42}, {84, 48}, {78, 42}});
        p.setBrush(QColor(200, 206, 214));
        p.drawPolygon(blade);
    }
}

// One half of the panel, on a 100 x 100 grid whose bottom edge is the panel's middle.
void PaintHalf(QPainter& p, int suit, int value) {
    PaintHairBehind(p, value);
    PaintRobe(p, suit, value);
    PaintHead(p, value);
    if (value == 13) PaintCrown(p);
    if (value == 12) PaintTiara(p);
    if (value == 11) PaintCap(p, suit);
    PaintEmblem(p, value);

    const char* letter = value == 13 ? "K" : value == 12 ? "Q" : "J";
    p.setPen(Qt::NoPen);
    p.setBrush(SuitColour(suit));
    p.drawPath(TextPath(letter, fonts::Garamond(26), QRectF(3, 4, 28, 30), Qt::AlignHCenter));
    p.drawPath(SuitPath(suit, QRectF(9, 40, 14, 16)));
}

}  // namespace

void PaintCourtPanel(QPainter& p, const QRectF& panel, int suit, int value) {
    p.save();
    p.setPen(QPen(kGold, 1.2));
    p.setBrush(QColor(255, 251, 238));
    p.drawRect(panel);
    const QRectF inner = panel.adjusted(1.5, 1.5, -1.5, -1.5);
    p.setClipRect(inner);
    for (int half = 0; half < 2; ++half) {
        p.save();
        if (half == 1) {
            p.translate(panel.center());
            p.rotate(180);
            p.translate(-panel.center());
        }
        p.translate(inner.left(), inner.top());
        p.scale(inner.width() / 100.0, inner.height() / 200.0);
        PaintHalf(p, suit, value);
        p.restore();
    }
    p.setClipping(false);
    p.setPen(QPen(SuitColour(suit), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawRect(inner);
    p.setPen(QPen(kGold, 1));
    p.drawLine(QPointF(inner.left(), panel.center().y()),
               QPointF(inner.right(), panel.center().y()));
    p.restore();
}

}  // namespace artwork
