// Court figures: each half shows the figure to the waist, with the rank's headwear, collar and
// emblem, the rank letter and the suit; the lower half is the upper one turned half round, as
// on real cards, and the two meet at a gold rule across the middle.
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

const QColor kGold(222, 172, 46);
const QColor kInk(46, 30, 22);
const QColor kSkin(252, 222, 190);
constexpr qreal kLine = 1.6;  // the outline of every shape, in grid units

QPen Outline(qreal width = kLine) {
    return QPen(kInk, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// The figure's second colour, one per rank, so the three courts differ at a glance.
QColor Accent(int value) {
    if (value == 13) return QColor(38, 74, 178);   // king: royal blue
    if (value == 12) return QColor(236, 178, 36);  // queen: gold
    return QColor(32, 128, 76);                    // jack: green
}

QColor RobeColour(int suit) {
    return IsRedSuit(suit) ? SuitColour(suit) : QColor(40, 48, 84);
}

// Light falls from the upper left: lit on the left, in shade on the right.
QLinearGradient Across(qreal left, qreal right, const QColor& base) {
    QLinearGradient gradient(left, 0, right, 0);
    gradient.setColorAt(0, base.lighter(145));
    gradient.setColorAt(0.45, base);
    gradient.setColorAt(1, base.darker(150));
    return gradient;
}

QPainterPath Torso() {
    const qreal bottom = kGrid + kPastMiddle;
    QPainterPath torso;
    torso.moveTo(17, bottom);
    torso.cubicTo(15, 94, 14, 88, 14, 82);
    torso.cubicTo(14, 70, 22, 64, 37, 61);
    torso.lineTo(63, 61);
    torso.cubicTo(78, 64, 86, 70, 86, 82);
    torso.cubicTo(86, 88, 85, 94, 83, bottom);
    torso.closeSubpath();
    return torso;
}

void PaintRobe(QPainter& p, int suit, int value) {
    const QColor robe = RobeColour(suit);
    p.setPen(Outline());
    p.setBrush(Across(13, 87, robe));
    p.drawPath(Torso());
    // Folds of the cloth at the sides.
    p.setPen(QPen(robe.darker(170), 1.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (const auto& [x, sway] : {std::pair{27.0, -3.0}, std::pair{73.0, 3.0}}) {
        QPainterPath fold;
        fold.moveTo(x, 70);
        fold.quadTo(x + sway, 88, x + sway / 2, kGrid + kPastMiddle);
        p.drawPath(fold);
    }

    // The front panel in the rank's colour, edged in gold, with a row of gold buttons.
    const QPolygonF panel(
        {{41, 61}, {59, 61}, {63, kGrid + kPastMiddle}, {37, kGrid + kPastMiddle}});
    p.setPen(QPen(kGold.darker(115), 2.4));
    p.setBrush(Across(37, 63, Accent(value)));
    p.drawPolygon(panel);
    p.setPen(QPen(kInk, 0.8));
    p.setBrush(Vertical(68, 86, QColor(255, 236, 150), kGold.darker(120)));
    for (qreal y : {71.0, 80.0}) p.drawEllipse(QPointF(50, y), 2.3, 2.3);
}

// The sleeves in a deeper shade of the robe, gold at the cuffs.
void PaintSleeves(QPainter& p, int suit) {
    const QColor sleeve = RobeColour(suit).darker(120);
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
    p.setBrush(Across(13, 88, sleeve));
    p.drawPath(left);
    p.drawPath(right);
    p.setPen(QPen(kGold, 2.6, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(15, 84.5), QPointF(26.5, 84.5));
    p.drawLine(QPointF(80, 82.5), QPointF(87.5, 79));
    // The other hand rests at the waist.
    p.setPen(Outline(1.1));
    p.setBrush(kSkin);
    p.drawEllipse(QPointF(21, 90), 5, 4);
}

// Ermine for the king, a gold chain with the suit's jewel for the queen, a white ruff for the
// jack.
void PaintCollar(QPainter& p, int suit, int value) {
    if (value == 13) {
        p.setPen(Outline(1.1));
        p.setBrush(Vertical(58, 66, Qt::white, QColor(214, 214, 222)));
        p.drawRoundedRect(QRectF(33, 58.5, 34, 7.5), 3.5, 3.5);
        p.setPen(QPen(kInk, 1.8, Qt::SolidLine, Qt::RoundCap));
        for (qreal x : {38.0, 44.5, 50.0, 55.5, 62.0}) p.drawPoint(QPointF(x, 62));
    } else if (value == 12) {
        p.setPen(QPen(kGold, 2.2, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(40, 50, 20, 18), 200 * 16, 140 * 16);
        p.setPen(Outline(0.9));
        p.setBrush(SuitColour(suit));
        p.drawPath(SuitPath(suit, QRectF(46.5, 64, 7, 7.5)));
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

void PaintHairBehind(QPainter& p, int value) {
    if (value != 12) return;  // the queen's long hair falls behind her shoulders
    QPainterPath hair;
    hair.moveTo(37, 32);
    hair.cubicTo(30, 44, 28, 56, 30, 68);
    hair.lineTo(70, 68);
    hair.cubicTo(72, 56, 70, 44, 63, 32);
    hair.closeSubpath();
    p.setPen(Outline());
    p.setBrush(Across(28, 72, QColor(204, 140, 36)));
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

void PaintHairAndBeard(QPainter& p, int value) {
    p.setPen(Outline(1.2));
    if (value == 11) {  // short dark hair under the cap
        p.setBrush(Across(37, 63, QColor(110, 64, 32)));
        p.drawChord(QRectF(37.5, 25.5, 25, 18), 0, 180 * 16);
    } else if (value == 12) {  // locks that frame the face
        p.setBrush(Across(36, 64, QColor(212, 148, 40)));
        p.drawChord(QRectF(37, 26, 26, 16), 0, 180 * 16);
    } else {  // the king's white beard and moustache
        QPainterPath beard;
        beard.moveTo(37.5, 40);
        beard.cubicTo(38, 58, 45, 64, 50, 66);
        beard.cubicTo(55, 64, 62, 58, 62.5, 40);
        beard.cubicTo(58, 50, 42, 50, 37.5, 40);
        p.setBrush(Across(37, 63, QColor(244, 244, 248)));
        p.drawPath(beard);
        QPainterPath moustache;
        moustache.moveTo(50, 46);
        moustache.cubicTo(46, 44, 42, 46, 41, 49);
        moustache.cubicTo(45, 48, 48, 49, 50, 48);
        moustache.cubicTo(52, 49, 55, 48, 59, 49);
        moustache.cubicTo(58, 46, 54, 44, 50, 46);
        p.setBrush(QColor(226, 226, 232));
        p.drawPath(moustache);
    }
}

void PaintCrown(QPainter& p) {
    const QPolygonF crown({{37, 31}, {35, 12}, {43, 21}, {50, 5}, {57, 21}, {65, 12}, {63, 31}});
    p.setPen(Outline(1.3));
    p.setBrush(Across(35, 65, QColor(250, 204, 70)));
    p.drawPolygon(crown);
    p.setBrush(Vertical(26, 32, QColor(255, 236, 150), kGold.darker(125)));
    p.drawRect(QRectF(36.5, 26, 27, 5.5));  // the band
    p.setBrush(QColor(210, 20, 40));
    for (const QPointF& jewel : {QPointF(35, 12), QPointF(50, 5), QPointF(65, 12)})
        p.drawEllipse(jewel, 2.4, 2.4);
    p.setBrush(QColor(30, 110, 200));
    p.drawEllipse(QPointF(50, 28.7), 2, 1.8);
}

void PaintTiara(QPainter& p) {
    QPainterPath tiara;
    tiara.moveTo(37, 31);
    tiara.cubicTo(39, 20, 46, 20, 50, 14);
    tiara.cubicTo(54, 20, 61, 20, 63, 31);
    tiara.closeSubpath();
    p.setPen(Outline(1.3));
    p.setBrush(Across(37, 63, QColor(252, 210, 80)));
    p.drawPath(tiara);
    p.setBrush(Qt::white);
    for (const QPointF& pearl : {QPointF(41, 23), QPointF(50, 13), QPointF(59, 23)})
        p.drawEllipse(pearl, 2.2, 2.2);
}

void PaintCap(QPainter& p, int suit) {
    QPainterPath feather;
    feather.moveTo(60, 18);
    feather.cubicTo(70, 8, 80, 6, 88, 2);
    feather.cubicTo(84, 14, 74, 18, 63, 22);
    feather.closeSubpath();
    p.setPen(Outline(1.2));
    p.setBrush(Vertical(2, 22, QColor(255, 236, 150), kGold.darker(120)));
    p.drawPath(feather);
    QPainterPath cap;
    cap.moveTo(35, 32);
    cap.cubicTo(32, 16, 48, 12, 60, 15);
    cap.cubicTo(68, 18, 70, 26, 66, 32);
    cap.closeSubpath();
    p.setBrush(Across(33, 68, SuitColour(suit)));
    p.drawPath(cap);
    p.setBrush(Vertical(27, 33, QColor(255, 236, 150), kGold.darker(125)));
    p.drawRect(QRectF(35.5, 27.5, 31, 5));
}

// What the figure holds at its side: sceptre, flower or halberd.
void PaintEmblem(QPainter& p, int value) {
    p.setPen(QPen(kInk, 3.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(84, kGrid + kPastMiddle), QPointF(84, 44));
    p.setPen(QPen(Across(82, 86, kGold), 1.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(84, kGrid + kPastMiddle), QPointF(84, 44));
    p.setPen(Outline(1.1));
    if (value == 13) {
        QRadialGradient orb(QPointF(82.5, 39.5), 5);
        orb.setColorAt(0, QColor(255, 244, 190));
        orb.setColorAt(1, kGold.darker(120));
        p.setBrush(orb);
        p.drawEllipse(QPointF(84, 41), 4.8, 4.8);
    } else if (value == 12) {
        p.setBrush(QColor(220, 30, 60));
        for (int i = 0; i < 5; ++i) {
            p.save();
            p.translate(84, 42);
            p.rotate(i * 72);
            p.drawEllipse(QPointF(0, -3.6), 2.7, 3.5);
            p.restore();
        }
        p.setBrush(kGold);
        p.drawEllipse(QPointF(84, 42), 2, 2);
    } else {
        const QPolygonF blade({{84, 28}, {90.5, 41}, {84, 48}, {77.5, 41}});
        p.setBrush(Across(77, 91, QColor(210, 216, 226)));
        p.drawPolygon(blade);
    }
    p.setBrush(Across(79, 89, kSkin));
    p.drawEllipse(QPointF(84, 82), 4.4, 3.8);  // the hand that holds it
}

void PaintRankAndSuit(QPainter& p, int suit, int value) {
    const char* letter = value == 13 ? "K" : value == 12 ? "Q" : "J";
    p.setPen(Qt::NoPen);
    p.setBrush(SuitColour(suit));
    p.drawPath(TextPath(letter, fonts::Garamond(26), QRectF(3, 4, 28, 30), Qt::AlignHCenter));
    p.drawPath(SuitPath(suit, QRectF(9, 40, 14, 16)));
}

void PaintHalf(QPainter& p, int suit, int value) {
    PaintHairBehind(p, value);
    PaintRobe(p, suit, value);
    PaintSleeves(p, suit);
    PaintCollar(p, suit, value);
    PaintFace(p, value);
    PaintHairAndBeard(p, value);
    if (value == 13) PaintCrown(p);
    if (value == 12) PaintTiara(p);
    if (value == 11) PaintCap(p, suit);
    PaintEmblem(p, value);
    PaintRankAndSuit(p, suit, value);
}

// The rule where the two halves meet: gold between two ink lines.
void PaintMiddleRule(QPainter& p, const QRectF& inner, qreal middle, int suit) {
    p.setPen(Qt::NoPen);
    p.setBrush(SuitColour(suit));
    p.drawRect(QRectF(inner.left(), middle - 1.1, inner.width(), 2.2));
    p.setBrush(Vertical(middle - 0.6, middle + 0.6, QColor(255, 230, 140), kGold));
    p.drawRect(QRectF(inner.left(), middle - 0.6, inner.width(), 1.2));
}

}  // namespace

void PaintCourtPanel(QPainter& p, const QRectF& panel, int suit, int value) {
    p.save();
    p.setPen(QPen(kGold, 1.2));
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
