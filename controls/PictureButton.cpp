// A command button drawn entirely by its picture.
#include "controls/PictureButton.h"

#include <QPainter>

#include "controls/FocusRing.h"

PictureButton::PictureButton(QWidget* parent) : QAbstractButton(parent) {
    setFocusPolicy(Qt::StrongFocus);
}

void PictureButton::SetPicture(const ImageList& list, int n) {
    picture_ = {&list, n};
    update();
}

void PictureButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRect face = isDown() ? rect().translated(1, 1) : rect();
    painter.drawPixmap(face, picture_.Pixmap());
    if (ShowsFocusRing(*this)) DrawFocusRing(painter, *this);
}
