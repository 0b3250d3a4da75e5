// The card room behind the table: a lamp-lit felt table below a papered wall carrying the
// title and the maker's logo. The window stretches it, so the places where the window puts
// its controls are worked out in window pixels and mapped onto the picture.
#include "assets/Artwork.h"
#include "assets/Fonts.h"
#include "assets/LogoPainter.h"
#include "assets/Painting.h"

#include <cstdint>

namespace artwork {
namespace {

constexpr int kBackdropWidth = 800;
constexpr int kBackdropHeight = 600;
// The window shows the picture 665 x 513 pixels large, starting 13.3 pixels left of its edge.
constexpr qreal kShownLeft = -200 / 15.0;
constexpr qreal kShownWidth = 9975 / 15.0;
constexpr qreal kShownHeight = 7695 / 15.0;

qreal FromWindowX(qreal x) {
    return (x - kShownLeft) * kBackdropWidth / kShownWidth;
}
qreal FromWindowY(qreal y) {
    return y * kBackdropHeight / kShownHeight;
}

const qreal kVisibleCentreX = (FromWindowX(0) + kBackdropWidth) / 2;
const qreal kWallBottom = FromWindowY(166);  // the title keeps the window's top 170 pixels
const qreal kRailTop = FromWindowY(466);     // the name and the credits sit on the front rail

void PaintWall(QPainter& p) {
    p.fillRect(QRectF(0, 0, kBackdropWidth, kWallBottom),
               Vertical(0, kWallBottom, QColor(84, 16, 26), QColor(34, 4, 10)));
    // Damask stripes, barely there.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 200, 160, 10));
    for (qreal x = 0; x < kBackdropWidth; x += 32) p.drawRect(QRectF(x, 0, 12, kWallBottom));
    QRadialGradient lamp(QPointF(kVisibleCentreX, -60), 460);
    lamp.setColorAt(0, QColor(255, 196, 120, 110));
    lamp.setColorAt(1, QColor(255, 196, 120, 0));
    p.setBrush(lamp);
    p.drawRect(QRectF(0, 0, kBackdropWidth, kWallBottom));
}

// A felt texture made of faint specks; a fixed sequence so every run paints the same picture.
void PaintFeltSpecks(QPainter& p, const QRectF& area) {
    std::uint32_t state = 0x2545F491u;
    auto next = [&state] {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return state;
    };
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 9000; ++i) {
        const qreal x = area.left() + (next() % 10000) / 10000.0 * area.width();
        const qreal y = area.top() + (next() % 10000) / 10000.0 * area.height();
        const bool light = next() % 2 == 0;
        p.setBrush(light ? QColor(160, 255, 190, 14) : QColor(0, 0, 0, 26));
        p.drawEllipse(QPointF(x, y), 0.9, 0.9);
    }
}

void PaintFelt(QPainter& p) {
    const QRectF felt(0, kWallBottom, kBackdropWidth, kRailTop - kWallBottom);
    QRadialGradient light(QPointF(kVisibleCentreX, FromWindowY(300)), 520);
    light.setColorAt(0, QColor(30, 138, 72));
    light.setColorAt(0.55, QColor(10, 84, 44));
    light.setColorAt(1, QColor(2, 40, 20));
    p.fillRect(felt, light);
    PaintFeltSpecks(p, felt);

    // The table's printed border, a faint gold line just inside the rails.
    const QRectF border = felt.adjusted(FromWindowX(4), 12, -14, -10);
    p.setPen(QPen(QColor(230, 190, 90, 60), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(border, 24, 24);
}

// Polished wood along the back of the table, padded leather along the front.
void PaintRails(QPainter& p) {
    const QRectF back(0, kWallBottom - 6, kBackdropWidth, 14);
    p.fillRect(back, Vertical(back.top(), back.bottom(), QColor(150, 90, 40), QColor(58, 28, 10)));
    p.fillRect(QRectF(0, back.bottom(), kBackdropWidth, 1.5), QColor(226, 184, 90, 150));

    const QRectF front(0, kRailTop, kBackdropWidth, kBackdropHeight - kRailTop);
    QLinearGradient leather =
        Vertical(front.top(), front.bottom(), QColor(70, 34, 20), QColor(12, 5, 3));
    leather.setColorAt(0.12, QColor(46, 20, 12));
    p.fillRect(front, leather);
    p.fillRect(QRectF(0, front.top(), kBackdropWidth, 2), QColor(226, 184, 90, 170));
    p.fillRect(QRectF(0, front.top() + 2, kBackdropWidth, 2), QColor(0, 0, 0, 120));
}

void PaintVignette(QPainter& p) {
    QRadialGradient shade(QPointF(kVisibleCentreX, kBackdropHeight * 0.52), 600);
    shade.setColorAt(0, QColor(0, 0, 0, 0));
    shade.setColorAt(0.6, QColor(0, 0, 0, 0));
    shade.setColorAt(1, QColor(0, 0, 0, 170));
    p.fillRect(QRectF(0, 0, kBackdropWidth, kBackdropHeight), shade);
}

void PaintTitle(QPainter& p) {
    const qreal logoLeft = kVisibleCentreX - 47;
    PaintLogo(p, QRectF(logoLeft, 10, 94, 55));

    const QRectF titleBox(0, 66, 0, 74);
    const QString title = "Verudu Vuro Verir Azivi";
    const QFont font = FitFont(fonts::Garamond(42), title, kBackdropWidth - 120);
    QLinearGradient gold = Vertical(82, 132, QColor(255, 240, 170), QColor(196, 132, 30));
    gold.setColorAt(0.5, QColor(244, 196, 80));
    const QRectF box(kVisibleCentreX - 400, titleBox.top(), 800, titleBox.height());
    DrawLettering(p, TextPath(title, font, box),
                  {gold, QColor(50, 10, 0), 1.6, QPointF(2, 3), QColor(0, 0, 0, 150)});

    QFont tagFont = fonts::Aardvark(10);
    tagFont.setLetterSpacing(QFont::AbsoluteSpacing, 3);
    const QRectF tagBox(kVisibleCentreX - 200, 146, 400, 24);
    DrawLettering(p, TextPath("DEUCES ARE WILD", tagFont, tagBox), {QColor(236, 200, 120)});
    p.setPen(QPen(QColor(226, 184, 90, 180), 1));
    p.drawLine(QPointF(kVisibleCentreX - 250, 158), QPointF(kVisibleCentreX - 110, 158));
    p.drawLine(QPointF(kVisibleCentreX + 110, 158), QPointF(kVisibleCentreX + 250, 158));
}

}  // namespace

QPixmap Backdrop(qreal dpr) {
    Canvas canvas(kBackdropWidth, kBackdropHeight, dpr);
    QPainter& p = canvas.painter();
    PaintWall(p);
    PaintFelt(p);
    PaintRails(p);
    PaintVignette(p);
    PaintTitle(p);
    return canvas.Finish();
}

}  // namespace artwork
