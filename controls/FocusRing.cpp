// The mark of the control that has the keyboard.
#include "controls/FocusRing.h"

#include <QPainter>
#include <QWidget>

namespace {
const QColor kRingShadow(0, 0, 0);
const QColor kRingDots(255, 255, 255);
}  // namespace

bool ShowsFocusRing(const QWidget& control) {
    return control.hasFocus() && control.window()->testAttribute(Qt::WA_KeyboardFocusChange);
}

void DrawFocusRing(QPainter& painter, const QWidget& control) {
    const QRect ring = control.rect().adjusted(1, 1, -2, -2);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kRingShadow, 1));
    painter.drawRect(ring);
    painter.setPen(QPen(kRingDots, 1, Qt::DotLine));
    painter.drawRect(ring);
    painter.restore();
}
