// The maker's mark: a gold "C" ring around a red diamond on a dark badge, over the name.
#include "assets/LogoPainter.h"

#include "assets/Fonts.h"
#include "assets/Painting.h"
#include "assets/Suits.h"

namespace artwork {
namespace {

const QColor kGoldLight(255, 228, 140);
const QColor kLogoGold(214, 166, 58);
const QColor kGoldDark(150, 100, 24);

QLinearGradient GoldBrush(qreal top, qreal bottom) {
    QLinearGradient gold(0, top, 0, bottom);
    gold.setColorAt(0, kGoldLight);
    gold.setColorAt(0.5, kLogoGold);
    gold.setColorAt(1, kGoldDark);
    return gold;
}

void PaintBadge(QPainter& p, const QRectF& box, qreal radius) {
    p.setPen(QPen(QBrush(GoldBrush(box.top(), box.bottom())), 1.6));
    p.setBrush(Vertical(box.top(), box.bottom(), QColor(92, 14, 28), QColor(28, 2, 8)));
    p.drawRoundedRect(box, radius, radius);
}

// The "C" ring, open to the right, with a red diamond at its heart.
void PaintRing(QPainter& p, const QPointF& centre, qreal radius) {
    const QRectF ring(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    QPen gold(QBrush(GoldBrush(ring.top(), ring.bottom())), radius * 0.28, Qt::SolidLine,
              Qt::RoundCap);
    p.setPen(gold);
    p.setBrush(Qt::NoBrush);
    p.drawArc(ring, 40 * 16, 280 * 16);

    const qreal d = radius * 0.62;
    const QRectF diamondBox(centre.x() - d * 0.8, centre.y() - d, d * 1.6, 2 * d);
    QRadialGradient ruby(diamondBox.center() - QPointF(d * 0.25, d * 0.35), d * 1.4);
    ruby.setColorAt(0, QColor(255, 120, 120));
    ruby.setColorAt(0.5, QColor(220, 20, 40));
    ruby.setColorAt(1, QColor(130, 0, 16));
    p.setPen(QPen(QColor(60, 0, 8), radius * 0.05));
    p.setBrush(ruby);
    p.drawPath(SuitPath(1, diamondBox));
}

void PaintFlourish(QPainter& p, qreal x1, qreal x2, qreal y) {
    p.setPen(QPen(kLogoGold, 0.9));
    p.drawLine(QPointF(x1, y), QPointF(x2, y));
    p.setPen(Qt::NoPen);
    p.setBrush(kGoldLight);
    for (qreal x : {x1, x2}) p.drawPath(SuitPath(1, QRectF(x - 2, y - 2.5, 4, 5)));
}

}  // namespace

void PaintLogo(QPainter& p, const QRectF& target) {
    p.save();
    p.translate(target.topLeft());
    p.scale(target.width() / 94.0, target.height() / 55.0);
    PaintBadge(p, QRectF(1, 1, 92, 53), 8);
    PaintRing(p, QPointF(47, 20), 12.5);
    PaintFlourish(p, 12, 29, 20);
    PaintFlourish(p, 65, 82, 20);

    QFont font = fonts::Garamond(10.5);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 1.2);
    const QPainterPath name = TextPath("CALVARRO", font, QRectF(4, 36, 86, 14));
    DrawLettering(p, name, {QBrush(GoldBrush(37, 50)), QColor(20, 0, 4), 0.6});
    p.restore();
}

void PaintEmblem(QPainter& p, const QRectF& target) {
    const qreal side = qMin(target.width(), target.height());
    p.save();
    p.translate(target.center() - QPointF(side / 2, side / 2));
    p.scale(side / 64.0, side / 64.0);
    PaintBadge(p, QRectF(1, 1, 62, 62), 12);
    PaintRing(p, QPointF(32, 32), 21);
    p.restore();
}

}  // namespace artwork
