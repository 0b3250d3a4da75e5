// A numbered stock of pictures, reached as ListImages(n) from 1, painted when first asked for.
#pragma once

#include <QPixmap>
#include <functional>
#include <vector>

class ImageList {
public:
    // Paints picture n (1..count) at the given device pixel ratio.
    using Painter = std::function<QPixmap(int n, qreal dpr)>;

    ImageList() = default;
    ImageList(int count, Painter painter);

    int Count() const { return static_cast<int>(cache_.size()); }
    qreal DevicePixelRatio() const { return dpr_; }

    // Picture n, 1..Count(); a null pixmap for any other n.
    const QPixmap& ListImages(int n) const;

    // Forgets every painted picture; they are painted again at the new ratio when asked for.
    void SetDevicePixelRatio(qreal dpr);

private:
    Painter painter_;
    qreal dpr_ = 1.0;
    mutable std::vector<QPixmap> cache_;
};

// Which picture of which list a control shows; no picture while list is null.
struct PictureRef {
    const ImageList* list = nullptr;
    int number = 0;

    const QPixmap& Pixmap() const;
    friend bool operator==(const PictureRef&, const PictureRef&) = default;
};
