// The four suit symbols as outlines, so they look the same on every system.
#pragma once

#include <QColor>
#include <QPainterPath>
#include <QRectF>

namespace artwork {

// suit 0..3: spades, diamonds, clubs, hearts. The symbol fills box.
QPainterPath SuitPath(int suit, const QRectF& box);
QColor SuitColour(int suit);  // red for diamonds and hearts, near-black for the others
bool IsRedSuit(int suit);

}  // namespace artwork
