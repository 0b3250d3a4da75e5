// Court figures: each half shows the figure to the waist, with the rank's headwear, collar and
// attribute, and the suit's own livery: robe colours, metal, hair, a large suit medallion on the
// chest and the suit on the tip of what the figure holds. The lower half is the upper one
// turned half round, as on real cards, and the two meet at a rule across the middle.
#include "assets/CourtFigure.h"

#include "assets/Fonts.h"
#include "assets/Painting.h"
#include "assets/Suits.h"

#include <utility>

namespace artwork {
namespace {

// The figure is drawn on a 100 x 100 grid whose bottom edge is the panel's middle; the robe
// runs a little past it, under the clip, so the two halves meet without a gap.
constexpr qreal kGrid = 100;
constexpr qreal kPastMiddle = 6;
constexpr qreal kBottom = kGrid + kPastMiddle;

const QColor kCourtGold(222, 172, 46);
const QColor kInk(46, 30, 22);
const QColor kSkin(252, 222, 190);
const QColor kCream(255, 248, 228);
constexpr qreal kLine = 1.6;  // the outline of every shape, in grid units

// What tells the suits apart inside the figure, at a glance and without the corner: a robe of
// its own hue, the facing down the front, the metal of crown and chain, the hair and the
// king's beard.
struct Livery {
    QColor robe;
    QColor facing;
    QColor metal;
    QColor hair;
    QColor beard;
};

Livery LiveryOf(int suit) {
    switch (suit) {
        case 0:  // spades: midnight blue and silver
            return {QColor(34, 50, 122), QColor(214, 222, 236), QColor(196, 204, 218),
                    QColor(44, 38, 40), QColor(128, 124, 132)};
        case 1:  // diamonds: orange and violet
            return {QColor(242, 134, 20), QColor(112, 46, 150), kCourtGold, QColor(232, 182, 72),
                    QColor(250, 236, 196)};
        case 2:  // clubs: forest green and gold
            return {QColor(22, 112, 58), QColor(246, 204, 64), kCourtGold, QColor(118, 70, 34),
                    QColor(150, 88, 42)};
        default:  // hearts: crimson and white
            return {QColor(182, 16, 44), kCream, kCourtGold, QColor(150, 64, 30),
                    QColor(246, 246, 250)};
    }
}

QPen Outline(qreal width = kLine) {
    return QPen(kInk, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// Light falls from the upper left: lit on the left, in shade on the right.
QLinearGradient Across(qreal left, qreal right, const QColor& base) {
    QLinearGradient gradient(left, 0, right, 0);
    gradient.setColorAt(0, base.lighter(140));
    gradient.setColorAt(0.45, base);
    gradient.setColorAt(1, base.darker(150));
    return gradient;
}

QRadialGradient Shine(const QPointF& centre, qreal radius, const QColor& metal) {
    QRadialGradient shine(centre - QPointF(radius * 0.35, radius * 0.35), radius * 1.4);
    shine.setColorAt(0, metal.lighter(135));
    shine.setColorAt(1, metal.darker(130));
    return shine;
}

QPainterPath Torso() {
    QPainterPath torso;
    torso.moveTo(17, kBottom);
    torso.cubicTo(15, 94, 14, 88, 14, 82);
    torso.cubicTo(14, 70, 22, 64, 37, 61);
    torso.lineTo(63, 61);
    torso.cubicTo(78, 64, 86, 70, 86, 82);
    torso.cubicTo(86, 88, 85, 94, 83, kBottom);
    torso.closeSubpath();
    return torso;
}

void PaintRobe(QPainter& p, const Livery& livery) {
    p.setPen(Outline());
    p.setBrush(Across(13, 87, livery.robe));
    p.drawPath(Torso());
    p.setPen(QPen(livery.robe.darker(170), 1.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (const auto& [x, sway] : {std::pair{27.0, -3.0}, std::pair{73.0, 3.0}}) {
        QPainterPath fold;
        fold.moveTo(x, 70);
        fold.quadTo(x + sway, 88, x + sway / 2, kBottom);
        p.drawPath(fold);
    }
    // The facing down the front, edged in the livery's metal.
    const QPolygonF facing({{38, 61}, {62, 61}, {68, kBottom}, {32, kBottom}});
    p.setPen(QPen(livery.metal.darker(125), 2.2));
    p.setBrush(Across(32, 68, livery.facing));
    p.drawPolygon(facing);
}

// The suit, large, on a round medallion over the chest: the figure's own mark of its suit.
void PaintMedallion(QPainter& p, int suit, const Livery& livery) {
    const QPointF centre(50, 84);
    constexpr qreal kRadius = 15.5;
    p.setPen(Outline(1.2));
    p.setBrush(Shine(centre, kRadius, livery.metal));
    p.drawEllipse(centre, kRadius, kRadius);
    p.setBrush(kCream);
    p.drawEllipse(centre, kRadius - 3, kRadius - 3);
    p.setPen(Qt::NoPen);
    p.setBrush(SuitColour(suit));
    p.drawPath(SuitPath(suit, QRectF(centre.x() - 9.5, centre.y() - 10, 19, 20)));
}

// The sleeves in a deeper shade of the robe, cuffed in the facing colour.
void PaintSleeves(QPainter& p, const Livery& livery) {
    QPainterPath left;
    left.moveTo(22, 66);
    left.cubicTo(15, 70, 13, 78, 14, 86);
    left.lineTo(27, 86);
    left.cubicTo(27, 78, 29, 72, 31, 66);
    left.closeSubpath();
    QPainterPath right;
    right.moveTo(70, 64);
    right.cubicTo(80, 66, 86, 72, 88, 80);
    right.lineTo(79, 84);
    right.cubicTo(76, 77, 73, 73, 68, 70);
    right.closeSubpath();
    p.setPen(Outline());
    p.setBrush(Across(13, 88, livery.robe.darker(118)));
    p.drawPath(left);
    p.drawPath(right);
    p.setPen(QPen(livery.facing, 3, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(15, 84.3), QPointF(26.5, 84.3));
    p.drawLine(QPointF(80, 82.5), QPointF(87.5, 79));
    p.setPen(Outline(1.1));
    p.setBrush(kSkin);
    p.drawEllipse(QPointF(21, 90), 5, 4);  // the other hand rests at the waist
}

// Ermine for the king, a chain of the livery's metal for the queen, a white ruff for the jack.
void PaintCollar(QPainter& p, int value, const Livery& livery) {
    if (value == 13) {
        p.setPen(Outline(1.1));
        p.setBrush(Vertical(58, 67, Qt::white, QColor(214, 214, 222)));
        p.drawRoundedRect(QRectF(30, 58.5, 40, 8.5), 4, 4);
        p.setPen(QPen(kInk, 1.9, Qt::SolidLine, Qt::RoundCap));
        for (qreal x : {35.0, 42.0, 50.0, 58.0, 65.0}) p.drawPoint(QPointF(x, 62.5));
    } else if (value == 12) {
        p.setPen(QPen(livery.metal.darker(110), 2.4, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(36, 46, 28, 22), 200 * 16, 140 * 16);
    } else {
        p.setPen(Outline(1.1));
        p.setBrush(Vertical(57, 65, Qt::white, QColor(220, 220, 226)));
        QPainterPath ruff;
        ruff.moveTo(35, 62);
        for (int i = 0; i < 6; ++i) ruff.quadTo(37.5 + i * 5, 67, 40 + i * 5, 62);
        ruff.quadTo(50, 57, 35, 62);
        p.drawPath(ruff);
    }
}

void PaintHairBehind(QPainter& p, int value, const Livery& livery) {
    if (value != 12) return;  // the queen's long hair falls behind her shoulders
    QPainterPath hair;
    hair.moveTo(37, 30);
    hair.cubicTo(28, 44, 26, 56, 28, 68);
    hair.lineTo(72, 68);
    hair.cubicTo(74, 56, 72, 44, 63, 30);
    hair.closeSubpath();
    p.setPen(Outline());
    p.setBrush(Across(26, 74, livery.hair));
    p.drawPath(hair);
}

void PaintFace(QPainter& p, int value) {
    p.setPen(Outline());
    p.setBrush(Across(44, 56, kSkin));
    p.drawRect(QRectF(44.5, 50, 11, 11));  // the neck
    QRadialGradient skin(QPointF(46, 34), 16);
    skin.setColorAt(0, kSkin.lighter(106));
    skin.setColorAt(0.7, kSkin);
    skin.setColorAt(1, QColor(232, 186, 150));
    p.setBrush(skin);
    p.drawEllipse(QPointF(50, 40), 12.5, 14.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(236, 110, 110, 90));  // cheeks
    p.drawEllipse(QPointF(43, 45), 3, 2.2);
    p.drawEllipse(QPointF(57, 45), 3, 2.2);
    p.setBrush(kInk);
    p.drawEllipse(QPointF(45, 38.5), 1.7, 1.9);
    p.drawEllipse(QPointF(55, 38.5), 1.7, 1.9);
    p.setPen(QPen(kInk, 1.1, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(42, 34.5), QPointF(47.5, 34));  // brows
    p.drawLine(QPointF(52.5, 34), QPointF(58, 34.5));
    p.drawLine(QPointF(50, 39), QPointF(49, 44));  // nose
    if (value != 13) {
        p.setPen(QPen(QColor(190, 50, 50), 1.8, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(47, 48.5), QPointF(53, 48.5));
    }
}

void PaintHairAndBeard(QPainter& p, int value, const Livery& livery) {
    p.setPen(Outline(1.2));
    if (value == 11) {  // hair under the cap, cut square below the ears
        QPainterPath hair;
        hair.moveTo(37, 30);
        hair.lineTo(36, 47);
        hair.lineTo(40.5, 47);
        hair.lineTo(40.5, 34);
        hair.lineTo(59.5, 34);
        hair.lineTo(59.5, 47);
        hair.lineTo(64, 47);
        hair.lineTo(63, 30);
        hair.closeSubpath();
        p.setBrush(Across(36, 64, livery.hair));
        p.drawPath(hair);
    } else if (value == 12) {  // locks that frame the face
        p.setBrush(Across(36, 64, livery.hair.lighter(110)));
        p.drawChord(QRectF(37, 25, 26, 17), 0, 180 * 16);
    } else {  // the king's beard and moustache
        const QColor& beard = livery.beard;
        QPainterPath shape;
        shape.moveTo(37.5, 40);
        shape.cubicTo(38, 58, 45, 64, 50, 66);
        shape.cubicTo(55, 64, 62, 58, 62.5, 40);
        shape.cubicTo(58, 50, 42, 50, 37.5, 40);
        p.setBrush(Across(37, 63, beard));
        p.drawPath(shape);
        QPainterPath moustache;
        moustache.moveTo(50, 46);
        moustache.cubicTo(46, 44, 42, 46, 41, 49);
        moustache.cubicTo(45, 48, 48, 49, 50, 48);
        moustache.cubicTo(52, 49, 55, 48, 59, 49);
        moustache.cubicTo(58, 46, 54, 44, 50, 46);
        p.setBrush(beard.darker(108));
        p.drawPath(moustache);
    }
}

// A small suit in the suit's colour set on the headwear, edged in the livery's metal.
void PaintSuitJewel(QPainter& p, int suit, const Livery& livery, const QRectF& box) {
    p.setPen(QPen(livery.metal.lighter(120), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(SuitColour(suit));
    p.drawPath(SuitPath(suit, box));
    p.setPen(QPen(kInk, 0.7));
    p.setBrush(Qt::NoBrush);
    p.drawPath(SuitPath(suit, box));
}

// The king's crown: tall, closed by a cap of the robe's colour, with the suit on top.
void PaintCrown(QPainter& p, int suit, const Livery& livery) {
    QPainterPath cap;
    cap.moveTo(38, 27);
    cap.cubicTo(36, 12, 64, 12, 62, 27);
    p.setPen(Outline(1.1));
    p.setBrush(Across(36, 64, livery.robe));
    p.drawPath(cap);
    const QPolygonF crown({{36, 31}, {33, 11}, {42, 20}, {50, 10}, {58, 20}, {67, 11}, {64, 31}});
    p.setPen(Outline(1.3));
    p.setBrush(Across(33, 67, livery.metal));
    p.drawPolygon(crown);
    p.setBrush(Vertical(25, 32, livery.metal.lighter(125), livery.metal.darker(125)));
    p.drawRect(QRectF(35.5, 25.5, 29, 6));  // the band
    p.setBrush(livery.facing);
    for (const QPointF& pearl : {QPointF(33, 11), QPointF(67, 11)}) p.drawEllipse(pearl, 2.4, 2.4);
    PaintSuitJewel(p, suit, livery, QRectF(43.5, 0.5, 13, 13));
}

// The queen's tiara of the livery's metal, the suit set at its peak.
void PaintTiara(QPainter& p, int suit, const Livery& livery) {
    QPainterPath tiara;
    tiara.moveTo(36.5, 30);
    tiara.cubicTo(39, 21, 45, 21, 50, 16);
    tiara.cubicTo(55, 21, 61, 21, 63.5, 30);
    tiara.closeSubpath();
    p.setPen(Outline(1.3));
    p.setBrush(Across(36, 64, livery.metal));
    p.drawPath(tiara);
    p.setBrush(Qt::white);
    for (const QPointF& pearl : {QPointF(40.5, 24.5), QPointF(59.5, 24.5)})
        p.drawEllipse(pearl, 2, 2);
    PaintSuitJewel(p, suit, livery, QRectF(43, 8, 14, 14));
}

// The jack's cap in the robe's colour with a long feather of the facing's.
void PaintCap(QPainter& p, const Livery& livery) {
    QPainterPath feather;
    feather.moveTo(58, 19);
    feather.cubicTo(68, 8, 80, 5, 90, 1);
    feather.cubicTo(86, 14, 74, 19, 62, 23);
    feather.closeSubpath();
    p.setPen(Outline(1.2));
    p.setBrush(Vertical(1, 23, livery.facing.lighter(125), livery.facing.darker(115)));
    p.drawPath(feather);
    QPainterPath cap;
    cap.moveTo(33, 32);
    cap.cubicTo(30, 14, 48, 10, 60, 13);
    cap.cubicTo(70, 16, 72, 25, 67, 32);
    cap.closeSubpath();
    p.setBrush(Across(31, 70, livery.robe));
    p.drawPath(cap);
    p.setBrush(Vertical(27, 33, livery.metal.lighter(125), livery.metal.darker(125)));
    p.drawRect(QRectF(33.5, 27.5, 33, 5));
}

// What the figure holds at its side, topped by its suit: the king's sceptre, the queen's
// flower on a short stem, the jack's halberd whose blade is the suit itself.
void PaintStaff(QPainter& p, int suit, int value, const Livery& livery) {
    const qreal top = value == 12 ? 50 : 40;
    p.setPen(QPen(kInk, 3.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(85, kBottom), QPointF(85, top));
    const QColor shaft = value == 11 ? QColor(150, 96, 48) : livery.metal;
    p.setPen(QPen(Across(83, 87, shaft), 1.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(85, kBottom), QPointF(85, top));
    if (value == 12) {
        p.setPen(Outline(1));
        p.setBrush(livery.facing == kCream ? QColor(236, 70, 110) : livery.facing);
        for (int i = 0; i < 5; ++i) {
            p.save();
            p.translate(85, 44);
            p.rotate(i * 72);
            p.drawEllipse(QPointF(0, -4.2), 3.2, 4.2);
            p.restore();
        }
        p.setBrush(livery.metal);
        p.drawEllipse(QPointF(85, 44), 2.4, 2.4);
    } else if (value == 13) {
        p.setPen(Outline(1));
        p.setBrush(Shine(QPointF(85, 38), 4, livery.metal));
        p.drawEllipse(QPointF(85, 38), 4, 4);
        PaintSuitJewel(p, suit, livery, QRectF(78.5, 22, 13, 14));
    } else {
        p.setPen(Outline(1.1));
        p.setBrush(Across(76, 94, QColor(214, 220, 230)));
        p.drawPath(SuitPath(suit, QRectF(76.5, 22, 17, 19)));
    }
    p.setPen(Outline(1.1));
    p.setBrush(Across(80, 90, kSkin));
    p.drawEllipse(QPointF(85, 82), 4.4, 3.8);  // the hand that holds it
}

void PaintRankAndSuit(QPainter& p, int suit, int value) {
    const char* letter = value == 13 ? "K" : value == 12 ? "Q" : "J";
    p.setPen(Qt::NoPen);
    p.setBrush(SuitColour(suit));
    p.drawPath(TextPath(letter, fonts::Garamond(24), QRectF(2, 3, 26, 28), Qt::AlignHCenter));
    p.drawPath(SuitPath(suit, QRectF(7, 37, 14, 16)));
}

void PaintHalf(QPainter& p, int suit, int value) {
    const Livery livery = LiveryOf(suit);
    PaintHairBehind(p, value, livery);
    PaintRobe(p, livery);
    PaintSleeves(p, livery);
    PaintMedallion(p, suit, livery);
    PaintCollar(p, value, livery);
    PaintFace(p, value);
    PaintHairAndBeard(p, value, livery);
    if (value == 13) PaintCrown(p, suit, livery);
    if (value == 12) PaintTiara(p, suit, livery);
    if (value == 11) PaintCap(p, livery);
    PaintStaff(p, suit, value, livery);
    PaintRankAndSuit(p, suit, value);
}

// The rule where the two halves meet: the livery's metal between two lines of the suit colour.
void PaintMiddleRule(QPainter& p, const QRectF& inner, qreal middle, int suit) {
    const QColor metal = LiveryOf(suit).metal;
    p.setPen(Qt::NoPen);
    p.setBrush(SuitColour(suit));
    p.drawRect(QRectF(inner.left(), middle - 1.1, inner.width(), 2.2));
    p.setBrush(Vertical(middle - 0.6, middle + 0.6, metal.lighter(130), metal));
    p.drawRect(QRectF(inner.left(), middle - 0.6, inner.width(), 1.2));
}

}  // namespace

void PaintCourtPanel(QPainter& p, const QRectF& panel, int suit, int value) {
    p.save();
    p.setPen(QPen(kCourtGold, 1.2));
    p.setBrush(QColor(255, 251, 238));
    p.drawRect(panel);
    const QRectF inner = panel.adjusted(1.5, 1.5, -1.5, -1.5);
    const qreal middle = inner.center().y();
    for (int half = 0; half < 2; ++half) {
        p.save();
        if (half == 1) {
            p.translate(inner.center());
            p.rotate(180);
            p.translate(-inner.center());
        }
        p.setClipRect(QRectF(inner.left(), inner.top(), inner.width(), middle - inner.top()));
        p.translate(inner.left(), inner.top());
        p.scale(inner.width() / kGrid, (middle - inner.top()) / kGrid);
        PaintHalf(p, suit, value);
        p.restore();
    }
    PaintMiddleRule(p, inner, middle, suit);
    p.setPen(QPen(SuitColour(suit), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawRect(inner);
    p.restore();
}

}  // namespace artwork
