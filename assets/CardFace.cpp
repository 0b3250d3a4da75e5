// The 52 card faces: white card, corner indices, pips in the standard layout, court panels,
// and the wild mark on every deuce.
#include "assets/Artwork.h"
#include "assets/CourtFigure.h"
#include "assets/Fonts.h"
#include "assets/Painting.h"
#include "assets/Suits.h"
#include "assets/WildMark.h"

#include <array>
#include <stdexcept>
#include <string>
#include <vector>

namespace artwork {
namespace {

constexpr int kCardFaceWidth = 77;
constexpr int kCardFaceHeight = 108;

QString RankText(int value) {
    static const std::array<const char*, 14> kRanks = {"",  "A", "2", "3",  "4", "5", "6",
                                                       "7", "8", "9", "10", "J", "Q", "K"};
    return QString::fromLatin1(kRanks[value]);
}

// Turns the painter half a turn about the card's centre, for the mirrored half.
void TurnAboutCentre(QPainter& p) {
    p.translate(kCardFaceWidth / 2.0, kCardFaceHeight / 2.0);
    p.rotate(180);
    p.translate(-kCardFaceWidth / 2.0, -kCardFaceHeight / 2.0);
}

void PaintBlank(QPainter& p) {
    const QRectF card(0.5, 0.5, kCardFaceWidth - 1, kCardFaceHeight - 1);
    p.setPen(QPen(QColor(120, 120, 128), 1));
    p.setBrush(Qt::white);
    p.drawRoundedRect(card, 5, 5);
}

// Rank over suit in the top-left corner, as large as the margin beside the pips allows, so it
// reads at the table's size; painted twice, the second time turned.
void PaintIndex(QPainter& p, int suit, int value) {
    QFont font = fonts::Arial(13.5, true);
    if (value == 10) font.setStretch(QFont::Condensed);
    font = FitFont(font, RankText(value), 15.5);
    const QColor colour = SuitColour(suit);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(TextPath(RankText(value), font, QRectF(0.5, 2, 16, 18), Qt::AlignHCenter));
    p.drawPath(SuitPath(suit, QRectF(2.5, 21.5, 12, 13)));
}

// Pip centres on a unit grid (x 0 left column .. 1 right column, y 0 top row .. 1 bottom).
std::vector<QPointF> PipLayout(int value) {
    const QPointF tl(0, 0), tr(1, 0), bl(0, 1), br(1, 1), ml(0, 0.5), mr(1, 0.5);
    switch (value) {
        case 2:
            return {{0.5, 0}, {0.5, 1}};
        case 3:
            return {{0.5, 0}, {0.5, 0.5}, {0.5, 1}};
        case 4:
            return {tl, tr, bl, br};
        case 5:
            return {tl, tr, {0.5, 0.5}, bl, br};
        case 6:
            return {tl, tr, ml, mr, bl, br};
        case 7:
            return {tl, tr, {0.5, 0.25}, ml, mr, bl, br};
        case 8:
            return {tl, tr, {0.5, 0.25}, ml, mr, {0.5, 0.75}, bl, br};
        case 9:
            return {tl, tr, {0, 1 / 3.0}, {1, 1 / 3.0}, {0.5, 0.5}, {0, 2 / 3.0}, {1, 2 / 3.0},
                    bl, br};
        default:
            return {tl,           tr,           {0.5, 1 / 6.0}, {0, 1 / 3.0}, {1, 1 / 3.0},
                    {0, 2 / 3.0}, {1, 2 / 3.0}, {0.5, 5 / 6.0}, bl,           br};
    }
}

void PaintPips(QPainter& p, int suit, int value) {
    const QRectF grid(24, 19, 29, 70);  // the pip centres span this box
    const QSizeF pip(13, 14.5);
    p.setPen(Qt::NoPen);
    p.setBrush(SuitColour(suit));
    for (const QPointF& at : PipLayout(value)) {
        const QPointF centre(grid.left() + at.x() * grid.width(),
                             grid.top() + at.y() * grid.height());
        p.save();
        p.translate(centre);
        if (at.y() > 0.5) p.rotate(180);  // pips in the lower half face the other player
        p.drawPath(SuitPath(suit, QRectF(QPointF(-pip.width() / 2, -pip.height() / 2), pip)));
        p.restore();
    }
}

void PaintAce(QPainter& p, int suit) {
    const QSizeF size = suit == 0 ? QSizeF(42, 46) : QSizeF(34, 38);
    const QRectF box(
        QPointF(kCardFaceWidth / 2.0 - size.width() / 2, kCardFaceHeight / 2.0 - size.height() / 2),
        size);
    QRadialGradient shade(box.center() - QPointF(size.width() * 0.2, size.height() * 0.25),
                          size.width());
    shade.setColorAt(0, SuitColour(suit).lighter(150));
    shade.setColorAt(0.6, SuitColour(suit));
    p.setPen(Qt::NoPen);
    p.setBrush(shade);
    p.drawPath(SuitPath(suit, box));
}

}  // namespace

QPixmap CardFace(int suit, int value, qreal dpr) {
    if (suit < 0 || suit > 3)
        throw std::out_of_range("CardFace: suit " + std::to_string(suit) + " is not in 0..3");
    CheckPicture("CardFace", value, 13);
    Canvas canvas(kCardFaceWidth, kCardFaceHeight, dpr);
    QPainter& p = canvas.painter();
    PaintBlank(p);
    if (value == 1) PaintAce(p, suit);
    if (value >= 2 && value <= 10) PaintPips(p, suit, value);
    if (value == 2) PaintWildMark(p);
    if (value >= 11) PaintCourtPanel(p, QRectF(16.5, 10.5, 44, 87), suit, value);
    PaintIndex(p, suit, value);
    p.save();
    TurnAboutCentre(p);
    PaintIndex(p, suit, value);
    p.restore();
    return canvas.Finish();
}

}  // namespace artwork
