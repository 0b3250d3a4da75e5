// The "WILD" ribbon of the deuces: a gold banner whose tails fold behind it.
#include "assets/WildMark.h"

#include "assets/Fonts.h"
#include "assets/Painting.h"

namespace artwork {
namespace {

constexpr qreal kCardWidth = 77;
const QRectF kBanner(17, 45.5, kCardWidth - 34, 17);
constexpr qreal kTailDrop = 4;   // the tails hang this much lower than the banner
constexpr qreal kTailReach = 6;  // and reach this far beyond its ends
const QColor kRim(96, 56, 0);

// The left tail, a swallowtail tucked behind the banner; the right one is its mirror image.
QPolygonF LeftTail() {
    const qreal top = kBanner.top() + kTailDrop, bottom = kBanner.bottom() + kTailDrop;
    const qreal outer = kBanner.left() - kTailReach, inner = kBanner.left() + 4;
    return QPolygonF({{inner, top},
                      {outer, top},
                      {outer + 3.5, (top + bottom) / 2},
                      {outer, bottom},
                      {inner, bottom}});
}

QPolygonF Mirrored(const QPolygonF& shape) {
    QPolygonF mirrored;
    for (const QPointF& point : shape) mirrored << QPointF(kCardWidth - point.x(), point.y());
    return mirrored;
}

void PaintTails(QPainter& p) {
    const QLinearGradient shade = Vertical(kBanner.top() + kTailDrop, kBanner.bottom() + kTailDrop,
                                           QColor(226, 164, 40), QColor(150, 96, 8));
    p.setPen(QPen(kRim, 0.8, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(shade);
    p.drawPolygon(LeftTail());
    p.drawPolygon(Mirrored(LeftTail()));
    // The fold where each tail turns under the banner, in shadow.
    const QPolygonF fold({kBanner.bottomLeft(),
                          {kBanner.left() + 4, kBanner.bottom()},
                          {kBanner.left() + 4, kBanner.bottom() + kTailDrop}});
    p.setBrush(QColor(104, 62, 0));
    p.drawPolygon(fold);
    p.drawPolygon(Mirrored(fold));
}

void PaintBanner(QPainter& p) {
    QLinearGradient gold =
        Vertical(kBanner.top(), kBanner.bottom(), QColor(255, 244, 170), QColor(206, 140, 16));
    gold.setColorAt(0.45, QColor(250, 208, 70));
    p.setPen(QPen(kRim, 0.8));
    p.setBrush(gold);
    p.drawRect(kBanner);
    p.setPen(QPen(QColor(255, 250, 220, 200), 0.7));
    p.drawLine(kBanner.topLeft() + QPointF(1, 1.2), kBanner.topRight() + QPointF(-1, 1.2));
}

}  // namespace

void PaintWildMark(QPainter& p) {
    p.save();
    PaintTails(p);
    PaintBanner(p);
    QFont font = fonts::Arial(10.5, true);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 0.6);
    font = FitFont(font, "WILD", kBanner.width() - 5);
    DrawLettering(
        p, TextPath("WILD", font, kBanner.translated(0, 0.3)),
        {QColor(20, 24, 60), Qt::transparent, 0, QPointF(0, 0.8), QColor(255, 255, 230, 180)});
    p.restore();
}

}  // namespace artwork
