// The framed picture panel of the jack, queen and king: a figure whose lower half is the upper
// one turned half round.
#pragma once

#include <QPainter>
#include <QRectF>

namespace artwork {

// suit 0..3; value 11 jack, 12 queen, 13 king.
void PaintCourtPanel(QPainter& p, const QRectF& panel, int suit, int value);

}  // namespace artwork
