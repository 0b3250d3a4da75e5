// The title in yellow letters, for the about window: two lines on a clear ground.
#include "assets/Artwork.h"
#include "assets/Fonts.h"
#include "assets/Painting.h"

namespace artwork {

QPixmap Lettering(qreal dpr) {
    Canvas canvas(150, 59, dpr);
    QPainter& p = canvas.painter();
    const QFont font = fonts::Garamond(17);
    QLinearGradient yellow = Vertical(4, 56, QColor(255, 255, 150), QColor(255, 196, 0));
    const TextStyle style{yellow, QColor(60, 24, 0), 1.2, QPointF(1.5, 1.5), QColor(0, 0, 0, 160)};
    DrawLettering(p, TextPath("Verudu Vuro", font, QRectF(0, 2, 150, 27)), style);
    DrawLettering(p, TextPath("Verir Azivi", font, QRectF(0, 29, 150, 27)), style);
    return canvas.Finish();
}

}  // namespace artwork
