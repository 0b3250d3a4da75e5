// The maker's mark, painted into any rectangle: the full logo with the name "Calvarro",
// and the emblem alone for small square uses (the icon).
#pragma once

#include <QPainter>
#include <QRectF>

namespace artwork {

void PaintLogo(QPainter& p, const QRectF& target);    // designed at 94 x 55, scaled to target
void PaintEmblem(QPainter& p, const QRectF& target);  // a square badge; target is made square

}  // namespace artwork
