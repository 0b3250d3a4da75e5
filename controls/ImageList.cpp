// A numbered stock of pictures, painted lazily so start-up paints only what it shows.
#include "controls/ImageList.h"

#include <utility>

ImageList::ImageList(int count, Painter painter)
    : painter_(std::move(painter)), cache_(static_cast<std::size_t>(count)) {}

const QPixmap& ImageList::ListImages(int n) const {
    static const QPixmap kNone;
    if (n < 1 || n > Count()) return kNone;
    QPixmap& picture = cache_[static_cast<std::size_t>(n - 1)];
    if (picture.isNull()) picture = painter_(n, dpr_);
    return picture;
}

void ImageList::SetDevicePixelRatio(qreal dpr) {
    if (dpr == dpr_) return;
    dpr_ = dpr;
    for (QPixmap& picture : cache_) picture = QPixmap();
}

const QPixmap& PictureRef::Pixmap() const {
    static const QPixmap kNone;
    return list ? list->ListImages(number) : kNone;
}
