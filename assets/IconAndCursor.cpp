// The window icon (the maker's emblem) and the pointing-hand cursor over the cards.
#include "assets/Artwork.h"
#include "assets/LogoPainter.h"
#include "assets/Painting.h"

namespace artwork {
namespace {

// A hand pointing up, its fingertip at (6, 0): index finger raised, the others curled.
QPainterPath HandOutline() {
    QPainterPath hand;
    hand.moveTo(3.5, 3);
    hand.cubicTo(3.5, 0.5, 8.5, 0.5, 8.5, 3);
    hand.lineTo(8.5, 12);
    hand.cubicTo(9, 9.5, 13.5, 9.5, 13.5, 12.5);
    hand.cubicTo(14, 10, 18.5, 10, 18.5, 13.5);
    hand.cubicTo(19, 11.5, 23.5, 11.5, 23.5, 15);
    hand.lineTo(23.5, 22);
    hand.cubicTo(23.5, 26, 21, 28, 20, 31);
    hand.lineTo(8, 31);
    hand.cubicTo(7, 28, 4.5, 26.5, 2, 23);
    hand.lineTo(0.5, 19.5);
    hand.cubicTo(-0.5, 17, 2, 15.5, 3.5, 17.5);
    hand.closeSubpath();
    return hand;
}

}  // namespace

QIcon AppIcon() {
    QIcon icon;
    for (int side : {16, 24, 32, 48, 64, 128, 256}) {
        Canvas canvas(side, side, 1);
        PaintEmblem(canvas.painter(), QRectF(0, 0, side, side));
        icon.addPixmap(canvas.Finish());
    }
    return icon;
}

QCursor HandCursor() {
    Canvas canvas(32, 32, 1);
    QPainter& p = canvas.painter();
    p.translate(0.5, 0);
    p.setPen(QPen(Qt::black, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawPath(HandOutline());
    p.setPen(QPen(Qt::black, 0.9));  // the creases between the curled fingers
    for (qreal x : {13.5, 18.5}) p.drawLine(QPointF(x, 13), QPointF(x, 17));
    return QCursor(canvas.Finish(), 6, 0);
}

}  // namespace artwork
