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

void PaintRobe(QPainter& p, int suit, int value) {
    QPainterPath robe;
    robe.moveTo(6, 100);
    robe.cubicTo(8, 80, 22, 71, 38, 69);
    robe.lineTo(62, 69);
    robe.cubicTo(78, 71, 92, 80, 94, 100);
    robe.closeSubpath();
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(Vertical(68, 100, SuitColour(suit).lighter(125), SuitColour(suit)));
    p.drawPath(robe);

    QPainterPath vest;
    vest.moveTo(38, 69);
    vest.lineTo(50, 96);
    vest.lineTo(62, 69);
    p.setBrush(Accent(value));
    p.drawPath(vest);

    // Collar: ermine for the king, gold for the others.
    p.setPen(QPen(value == 13 ? QColor(250, 250, 250) : kGold, 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(35, 71), QPointF(65, 71));
    if (value == 13) {
        p.setPen(QPen(kInk, 2, Qt::SolidLine, Qt::RoundCap));
        for (qreal x : {39.0, 47.0, 55.0, 62.0}) p.drawPoint(QPointF(x, 71));
    }
}

void PaintHairBehind(QPainter& p, int value) {
    if (value != 12) return;  // the queen's long hair falls behind her shoulders
    QPainterPath hair;
    hair.moveTo(37, 44);
    hair.cubicTo(32, 56, 30, 66, 33, 74);
    hair.lineTo(67, 74);
    hair.cubicTo(70, 66, 68, 56, 63, 44);
    hair.closeSubpath();
    p.setPen(QPen(kInk, 1));
    p.setBrush(QColor(214, 150, 40));
    p.drawPath(hair);
}

void PaintHead(QPainter& p, int value) {
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(kSkin);
    p.drawRect(QRectF(45, 58, 10, 12));
    p.drawEllipse(QPointF(50, 48), 11, 13);
    if (value == 13) {  // the king's white beard
        QPainterPath beard;
        beard.moveTo(39, 50);
        beard.cubicTo(40, 64, 46, 70, 50, 72);
        beard.cubicTo(54, 70, 60, 64, 61, 50);
        beard.cubicTo(57, 56, 43, 56, 39, 50);
        p.setBrush(QColor(236, 236, 240));
        p.drawPath(beard);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawEllipse(QPointF(45.5, 46.5), 1.5, 1.5);
    p.drawEllipse(QPointF(54.5, 46.5), 1.5, 1.5);
    p.setPen(QPen(QColor(170, 40, 40), 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(47.5, value == 13 ? 55.5 : 54.5), QPointF(52.5, value == 13 ? 55.5 : 54.5));
}

void PaintCrown(QPainter& p) {
    const QPolygonF crown({{37, 38}, {36, 21}, {43, 29}, {50, 15}, {57, 29}, {64, 21}, {63, 38}});
    p.setPen(QPen(kInk, 1.1));
    p.setBrush(Vertical(15, 38, QColor(255, 230, 120), kGold));
    p.drawPolygon(crown);
    p.setBrush(QColor(210, 20, 40));
    for (const QPointF& jewel : {QPointF(36, 21), QPointF(50, 15), QPointF(64, 21)})
        p.drawEllipse(jewel, 2.2, 2.2);
}

void PaintTiara(QPainter& p) {
    QPainterPath tiara;
    tiara.moveTo(38, 38);
    tiara.cubicTo(40, 28, 46, 28, 50, 24);
    tiara.cubicTo(54, 28, 60, 28, 62, 38);
    tiara.closeSubpath();
    p.setPen(QPen(kInk, 1.1));
    p.setBrush(Vertical(24, 38, QColor(255, 236, 150), kGold));
    p.drawPath(tiara);
    p.setBrush(Qt::white);
    for (const QPointF& pearl : {QPointF(41, 30), QPointF(50, 22), QPointF(59, 30)})
        p.drawEllipse(pearl, 2, 2);
}

void PaintCap(QPainter& p, int suit) {
    QPainterPath cap;
    cap.moveTo(37, 42);
    cap.cubicTo(34, 28, 48, 24, 58, 27);
    cap.cubicTo(66, 30, 68, 36, 64, 42);
    cap.closeSubpath();
    p.setPen(QPen(kInk, 1.1));
    p.setBrush(SuitColour(suit));
    p.drawPath(cap);
    QPainterPath feather;
    feather.moveTo(60, 29);
    feather.cubicTo(70, 18, 78, 18, 84, 14);
    feather.cubicTo(80, 24, 72, 28, 62, 32);
    feather.closeSubpath();
    p.setBrush(kGold);
    p.drawPath(feather);
    p.setPen(QPen(kGold, 4, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(38, 40), QPointF(63, 40));
}

// What the figure holds at its side: sceptre, flower or halberd.
void PaintEmblem(QPainter& p, int value) {
    p.setPen(QPen(kInk, 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(84, 98), QPointF(84, 44));
    p.setPen(QPen(kGold, 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(84, 98), QPointF(84, 44));
    p.setPen(QPen(kInk, 1));
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
