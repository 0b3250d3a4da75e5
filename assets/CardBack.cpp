// The card back: a green lattice inside a white rim, the maker's logo in a gold cartouche.
#include "assets/Artwork.h"
#include "assets/LogoPainter.h"
#include "assets/Painting.h"

namespace artwork {
namespace {

constexpr int kCardBackWidth = 80;
constexpr int kCardBackHeight = 108;

void PaintLattice(QPainter& p, const QRectF& field) {
    p.save();
    p.setClipRect(field);
    p.setPen(QPen(QColor(120, 200, 140, 110), 0.8));
    for (qreal d = -kCardBackHeight; d < kCardBackWidth + kCardBackHeight; d += 6) {
        p.drawLine(QPointF(d, 0), QPointF(d + kCardBackHeight, kCardBackHeight));
        p.drawLine(QPointF(d, kCardBackHeight), QPointF(d + kCardBackHeight, 0));
    }
    p.restore();
}

}  // namespace

QPixmap CardBack(qreal dpr) {
    Canvas canvas(kCardBackWidth, kCardBackHeight, dpr);
    QPainter& p = canvas.painter();
    p.setPen(QPen(QColor(120, 120, 128), 1));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(0.5, 0.5, kCardBackWidth - 1, kCardBackHeight - 1), 5, 5);

    const QRectF field(4, 4, kCardBackWidth - 8, kCardBackHeight - 8);
    QRadialGradient felt(field.center(), field.height() * 0.7);
    felt.setColorAt(0, QColor(20, 150, 80));
    felt.setColorAt(1, QColor(0, 82, 42));
    p.setPen(Qt::NoPen);
    p.setBrush(felt);
    p.drawRoundedRect(field, 3, 3);
    PaintLattice(p, field);
    p.setPen(QPen(QColor(226, 184, 80), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(field.adjusted(2.5, 2.5, -2.5, -2.5), 2, 2);

    const QRectF cartouche(7, 32, 66, 44);
    p.setPen(QPen(QColor(226, 184, 80), 1.4));
    p.setBrush(QColor(0, 50, 26));
    p.drawRoundedRect(cartouche, 8, 8);
    PaintLogo(p, cartouche.adjusted(3, 3, -3, -3));
    return canvas.Finish();
}

}  // namespace artwork
