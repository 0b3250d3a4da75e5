// The look the hint panel and the review's deal panel share: a dark panel in a gold frame with
// a heading, and rows of holds, the kept cards shown as chips, the best hold on a red bar.
#pragma once

#include <QColor>
#include <QPainter>
#include <QRect>
#include <QString>

#include "engine/Card.h"
#include "game/HoldHints.h"

namespace holdslook {

inline const QColor kHeading(255, 224, 192);
inline const QColor kFigures(255, 222, 80);
constexpr int kMargin = 10, kHeaderHeight = 30;

// The panel over the whole of `area`, its title on the left and "average pay for N credits" on
// the right, a rule under them.
void PaintFrame(QPainter& painter, const QRect& area, const QString& title, int stake);

// A message in place of the holds, under the heading.
void PaintMessage(QPainter& painter, const QRect& area, const QString& message);

// One hold across `row` (`tier` pixels high from its top): the red bar behind it when it is the
// best (over the whole row), its rank ("2=" for a tie), the five positions as chips (a kept card
// shows its corner, a discarded one an empty outline) and `figure` on the right.
void PaintHold(QPainter& painter, const QRectF& row, int tier, const modcards::Hand& dealt,
               const HoldHint& hold, const QString& figure);

// Red for diamonds and hearts, black otherwise.
QColor SuitInk(const modcards::Card& card);

}  // namespace holdslook
