// The four suit symbols, drawn on a 100 x 100 grid and scaled to their box.
#include "assets/Suits.h"

#include <QTransform>

namespace artwork {
namespace {

QPainterPath Heart() {
    QPainterPath path;
    path.moveTo(50, 100);
    path.cubicTo(38, 82, 0, 62, 0, 31);
    path.cubicTo(0, 11, 14, 0, 27, 0);
    path.cubicTo(40, 0, 48, 9, 50, 20);
    path.cubicTo(52, 9, 60, 0, 73, 0);
    path.cubicTo(86, 0, 100, 11, 100, 31);
    path.cubicTo(100, 62, 62, 82, 50, 100);
    return path;
}

QPainterPath Diamond() {
    QPainterPath path;
    path.moveTo(50, 0);
    path.quadTo(69, 28, 90, 50);
    path.quadTo(69, 72, 50, 100);
    path.quadTo(31, 72, 10, 50);
    path.quadTo(31, 28, 50, 0);
    return path;
}

// The flared foot shared by spades and clubs, rising into the body at (50, top).
QPainterPath Stem(qreal top) {
    QPainterPath stem;
    stem.moveTo(45, top);
    stem.cubicTo(45, 84, 40, 95, 28, 100);
    stem.lineTo(72, 100);
    stem.cubicTo(60, 95, 55, 84, 55, top);
    stem.closeSubpath();
    return stem;
}

QPainterPath Spade() {
    QPainterPath path;
    path.moveTo(50, 0);
    path.cubicTo(62, 18, 100, 36, 100, 60);
    path.cubicTo(100, 76, 88, 84, 76, 84);
    path.cubicTo(64, 84, 56, 78, 50, 70);
    path.cubicTo(44, 78, 36, 84, 24, 84);
    path.cubicTo(12, 84, 0, 76, 0, 60);
    path.cubicTo(0, 36, 38, 18, 50, 0);
    return path.united(Stem(58));
}

QPainterPath Club() {
    QPainterPath path;
    path.addEllipse(QPointF(50, 24), 23, 23);
    path.addEllipse(QPointF(24, 59), 23, 23);
    path.addEllipse(QPointF(76, 59), 23, 23);
    path.addEllipse(QPointF(50, 50), 12, 14);
    path.setFillRule(Qt::WindingFill);  // the lobes overlap; their union is the shape
    return path.simplified().united(Stem(60));
}

QPainterPath UnitSuit(int suit) {
    switch (suit) {
        case 0:
            return Spade();
        case 1:
            return Diamond();
        case 2:
            return Club();
        default:
            return Heart();
    }
}

}  // namespace

QPainterPath SuitPath(int suit, const QRectF& box) {
    QTransform toBox;
    toBox.translate(box.left(), box.top());
    toBox.scale(box.width() / 100.0, box.height() / 100.0);
    return toBox.map(UnitSuit(suit));
}

bool IsRedSuit(int suit) {
    return suit == 1 || suit == 3;
}

QColor SuitColour(int suit) {
    return IsRedSuit(suit) ? QColor(206, 17, 38) : QColor(24, 24, 30);
}

}  // namespace artwork
