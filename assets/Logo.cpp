// The maker's logo as a picture of its own.
#include "assets/Artwork.h"
#include "assets/LogoPainter.h"
#include "assets/Painting.h"

namespace artwork {

QPixmap Logo(qreal dpr) {
    Canvas canvas(94, 55, dpr);
    PaintLogo(canvas.painter(), QRectF(0, 0, 94, 55));
    return canvas.Finish();
}

}  // namespace artwork
