// The farewell picture: green felt in a gold frame, the maker, the title, the thanks and an
// invitation to the maker's site, with a royal flush fanned at the foot.
#include "assets/Artwork.h"
#include "assets/Fonts.h"
#include "assets/LogoPainter.h"
#include "assets/Painting.h"
#include "assets/PictureWords.h"

namespace artwork {
namespace {

constexpr int kExitPictureWidth = 400;
constexpr int kExitPictureHeight = 300;

void PaintFeltAndFrame(QPainter& p) {
    QRadialGradient felt(QPointF(200, 130), 280);
    felt.setColorAt(0, QColor(34, 146, 78));
    felt.setColorAt(0.6, QColor(12, 92, 48));
    felt.setColorAt(1, QColor(2, 44, 22));
    p.fillRect(QRectF(0, 0, kExitPictureWidth, kExitPictureHeight), felt);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(226, 184, 80), 2));
    p.drawRoundedRect(QRectF(6, 6, kExitPictureWidth - 12, kExitPictureHeight - 12), 10, 10);
    p.setPen(QPen(QColor(226, 184, 80, 140), 1));
    p.drawRoundedRect(QRectF(10.5, 10.5, kExitPictureWidth - 21, kExitPictureHeight - 21), 7, 7);
}

// Ten to ace of hearts, fanned about a point below the cards.
void PaintFan(QPainter& p, qreal dpr) {
    const QPointF pivot(108, 430);
    const int values[] = {10, 11, 12, 13, 1};
    for (int i = 0; i < 5; ++i) {
        const QPixmap card = CardFace(3, values[i], dpr);
        p.save();
        p.translate(pivot);
        p.rotate(-16 + i * 8);
        p.scale(0.58, 0.58);
        p.drawPixmap(QPointF(-38.5, -390), card);
        p.restore();
    }
}

const char* const kTitle = "Verudu Vuro Verir Azivi";
const char* const kThanks = "Thank You For Playing";
const char* const kInvitation = "Visit Calvarro on the web for more games";

}  // namespace

QString ExitPictureText() {
    return QStringLiteral("%1. %2. %3.").arg(kTitle, kThanks, kInvitation);
}

QPixmap ExitPicture(qreal dpr) {
    Canvas canvas(kExitPictureWidth, kExitPictureHeight, dpr);
    QPainter& p = canvas.painter();
    PaintFeltAndFrame(p);
    PaintLogo(p, QRectF(153, 16, 94, 55));

    QLinearGradient gold = Vertical(80, 114, QColor(255, 240, 170), QColor(200, 136, 30));
    DrawLettering(p, TextPath(kTitle, fonts::Garamond(22), QRectF(0, 76, kExitPictureWidth, 40)),
                  {gold, QColor(40, 12, 0), 1.2, QPointF(1.5, 2), QColor(0, 0, 0, 140)});
    p.setPen(QPen(QColor(226, 184, 80, 170), 1));
    p.drawLine(QPointF(70, 121), QPointF(330, 121));

    DrawLettering(
        p, TextPath(kThanks, fonts::Aardvark(15), QRectF(0, 126, kExitPictureWidth, 30)),
        {QColor(255, 248, 230), QColor(0, 30, 10), 1, QPointF(1, 1.5), QColor(0, 0, 0, 120)});
    DrawLettering(
        p, TextPath(kInvitation, fonts::Aardvark(8.5), QRectF(0, 158, kExitPictureWidth, 20)),
        {QColor(255, 224, 192)});
    PaintFan(p, dpr);
    return canvas.Finish();
}

}  // namespace artwork
