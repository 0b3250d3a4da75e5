// A gold ring around a card the hint says to keep.
#include "table/KeepRing.h"

#include <QPainter>

namespace {

constexpr int kReach = 5;  // pixels the ring stands out from the card face
// The face fills the top left of its box; the box leaves a dark strip right and below.
const QSize kFace(77, 108);

}  // namespace

KeepRing::KeepRing(QWidget* card) : QWidget(card->parentWidget()) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(QRect(card->pos(), kFace).adjusted(-kReach, -kReach, kReach, kReach));
    setAccessibleName(QStringLiteral("Hint: keep this card"));
    raise();
    hide();
}

void KeepRing::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    // A soft glow outside, a bright line on the face's edge.
    const QRectF face = QRectF(rect()).adjusted(kReach, kReach, -kReach, -kReach);
    for (int glow = kReach; glow >= 3; --glow) {
        painter.setPen(QPen(QColor(255, 210, 60, 240 / glow), 2));
        painter.drawRoundedRect(face.adjusted(-glow, -glow, glow, glow), 6, 6);
    }
    painter.setPen(QPen(QColor(255, 206, 48), 3));
    painter.drawRoundedRect(face.adjusted(-1, -1, 1, 1), 4, 4);
}
