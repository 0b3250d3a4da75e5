// An image control: no background of its own, so what lies beneath shows around the picture.
#include "controls/ImageBox.h"

#include <QPainter>

ImageBox::ImageBox(Fit fit, QWidget* parent) : QWidget(parent), fit_(fit) {
    // Images sit on the window's surface: clicks go to whatever is beneath.
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ImageBox::SetPicture(const ImageList& list, int n) {
    picture_ = {&list, n};
    update();
}

void ImageBox::paintEvent(QPaintEvent*) {
    const QPixmap& pixmap = picture_.Pixmap();
    if (pixmap.isNull()) return;
    QPainter painter(this);
    if (fit_ == Fit::Stretch) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(rect(), pixmap);
    } else {
        painter.drawPixmap(0, 0, pixmap);
    }
}
