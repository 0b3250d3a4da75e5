// The caption strips: one line of blue lettering on a pale enamel plaque.
#include "assets/Artwork.h"
#include "assets/Fonts.h"
#include "assets/Painting.h"
#include "assets/PictureWords.h"

#include <array>

namespace artwork {
namespace {

constexpr int kCaptionWidth = 420;
constexpr int kCaptionHeight = 40;

constexpr std::array<const char*, 13> kCaptions = {
    "Press Deal To Start The Game", "Hold Any Cards And Draw",       "You Won With 3 of a Kind",
    "You Won With A Straight",      "You Won With A Flush",          "You Won With A Full House",
    "You Won With 4 of a Kind",     "You Won With A Straight Flush", "You Won With 5 of a Kind",
    "You Won a Royal Flush w/2's",  "You Won With 4 Deuces",         "You Won With A Royal Flush!",
    "Sorry, Not A Winning Hand"};

void PaintPlaque(QPainter& p) {
    const QRectF plaque(1, 1, kCaptionWidth - 2, kCaptionHeight - 2);
    p.setPen(QPen(QColor(196, 150, 56), 2));
    p.setBrush(
        Vertical(plaque.top(), plaque.bottom(), QColor(250, 251, 255), QColor(200, 210, 232)));
    p.drawRoundedRect(plaque, 9, 9);
    p.setPen(QPen(QColor(255, 255, 255, 200), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(plaque.adjusted(2.5, 2.5, -2.5, -2.5), 7, 7);
}

}  // namespace

QPixmap Caption(int picture, qreal dpr) {
    CheckPicture("Caption", picture, static_cast<int>(kCaptions.size()));
    Canvas canvas(kCaptionWidth, kCaptionHeight, dpr);
    QPainter& p = canvas.painter();
    PaintPlaque(p);
    const QString text = CaptionText(picture);
    const QRectF box(12, 2, kCaptionWidth - 24, kCaptionHeight - 4);
    const QFont font = FitFont(fonts::Aardvark(16), text, box.width());
    QLinearGradient blue = Vertical(8, 32, QColor(40, 90, 230), QColor(8, 30, 150));
    DrawLettering(p, TextPath(text, font, box),
                  {blue, Qt::transparent, 0, QPointF(0.8, 1.2), QColor(255, 255, 255, 220)});
    return canvas.Finish();
}

QString CaptionText(int picture) {
    if (picture < 1 || picture > static_cast<int>(kCaptions.size())) return QString();
    return QString::fromLatin1(kCaptions[picture - 1]);
}

}  // namespace artwork
