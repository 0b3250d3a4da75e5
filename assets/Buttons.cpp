// The button faces and the two black panels: deal, draw, the hold lamps, "End Game".
#include "assets/Artwork.h"
#include "assets/Fonts.h"
#include "assets/Painting.h"

namespace artwork {
namespace {

void PaintBlackPanel(QPainter& p, const QSize& size) {
    const QRectF panel(0.5, 0.5, size.width() - 1, size.height() - 1);
    p.setPen(QPen(QColor(88, 88, 96), 1));
    p.setBrush(Vertical(0, size.height(), QColor(26, 26, 30), Qt::black));
    p.drawRoundedRect(panel, 4, 4);
    p.setPen(QPen(QColor(40, 40, 46), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(panel.adjusted(2, 2, -2, -2), 3, 3);
}

QPixmap CreditsPanel(qreal dpr) {
    Canvas canvas(128, 93, dpr);
    QPainter& p = canvas.painter();
    PaintBlackPanel(p, {128, 93});
    DrawLettering(p, TextPath("Credits", fonts::Aardvark(18), QRectF(0, 0, 128, 93)),
                  {QColor(255, 224, 192)});
    return canvas.Finish();
}

QPixmap PlainPanel(qreal dpr) {
    Canvas canvas(105, 62, dpr);
    PaintBlackPanel(canvas.painter(), {105, 62});
    return canvas.Finish();
}

// A round-cornered arcade push button in a dark bezel; top and bottom are the face's colours.
QPixmap PushButton(const QString& word, const QColor& top, const QColor& bottom, const QColor& ink,
                   qreal dpr) {
    Canvas canvas(74, 68, dpr);
    QPainter& p = canvas.painter();
    const QRectF bezel(0.5, 0.5, 73, 67);
    p.setPen(QPen(QColor(10, 10, 12), 1));
    p.setBrush(Vertical(0, 68, QColor(110, 110, 118), QColor(24, 24, 28)));
    p.drawRoundedRect(bezel, 12, 12);

    const QRectF face = bezel.adjusted(5, 5, -5, -5);
    QRadialGradient glow(face.center() - QPointF(0, 8), face.width() * 0.75);
    glow.setColorAt(0, top);
    glow.setColorAt(1, bottom);
    p.setPen(QPen(bottom.darker(170), 1.2));
    p.setBrush(glow);
    p.drawRoundedRect(face, 9, 9);
    DrawGloss(p, face, 9, 150);

    const QFont font = FitFont(fonts::Aardvark(15), word, face.width() - 8);
    DrawLettering(p, TextPath(word, font, face.translated(0, 2)),
                  {ink, Qt::transparent, 0, QPointF(0, 1), QColor(255, 255, 255, 150)});
    return canvas.Finish();
}

// The hold lamp: a dark red lens with light lettering when off, glowing red when lit.
QPixmap HoldLamp(bool lit, qreal dpr) {
    Canvas canvas(70, 21, dpr);
    QPainter& p = canvas.painter();
    const QRectF lamp(0.5, 0.5, 69, 20);
    p.setPen(QPen(lit ? QColor(255, 214, 150) : QColor(24, 2, 2), 1));
    p.setBrush(lit ? Vertical(0, 21, QColor(255, 92, 70), QColor(206, 0, 0))
                   : Vertical(0, 21, QColor(104, 22, 22), QColor(52, 6, 6)));
    p.drawRoundedRect(lamp, 5, 5);
    DrawGloss(p, lamp, 5, lit ? 120 : 40);
    // Off, the letters are a pale rose that reads on the dark lens; lit, white with a red rim.
    const QColor ink = lit ? QColor(255, 255, 236) : QColor(246, 206, 192);
    const QColor edge = lit ? QColor(120, 0, 0, 220) : QColor(20, 0, 0, 200);
    const QFont font = fonts::Aardvark(10);
    DrawLettering(p, TextPath("HOLD", font, lamp.translated(0, 0.5)), {ink, edge, 0.8});
    return canvas.Finish();
}

}  // namespace

QPixmap OtherPicture(int picture, qreal dpr) {
    CheckPicture("OtherPicture", picture, 7);
    switch (picture) {
        case 1:
            return CreditsPanel(dpr);
        case 2:
            return PushButton("Deal", QColor(255, 236, 110), QColor(214, 140, 0), QColor(74, 34, 0),
                              dpr);
        case 3:
            return PushButton("Draw", QColor(150, 250, 140), QColor(10, 140, 40), QColor(0, 52, 12),
                              dpr);
        case 4:
            return PlainPanel(dpr);
        case 7:
            return HoldLamp(true, dpr);
        default:
            return HoldLamp(false, dpr);
    }
}

QPixmap EndGameButton(qreal dpr) {
    Canvas canvas(99, 20, dpr);
    QPainter& p = canvas.painter();
    const QRectF face(0.5, 0.5, 98, 19);
    p.setPen(QPen(QColor(0, 0, 80), 1));
    p.setBrush(Vertical(0, 20, QColor(60, 100, 240), QColor(0, 24, 150)));
    p.drawRoundedRect(face, 4, 4);
    DrawGloss(p, face, 4, 90);
    DrawLettering(p, TextPath("End Game", fonts::Aardvark(9), face),
                  {QColor(70, 255, 100), QColor(0, 30, 0, 200), 0.6});
    return canvas.Finish();
}

}  // namespace artwork
