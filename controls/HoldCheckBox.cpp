// A picture-style check box: raised while its value is 0, pressed in while it is 1.
#include "controls/HoldCheckBox.h"

#include <QPainter>

#include "controls/FocusRing.h"

HoldCheckBox::HoldCheckBox(int index, QWidget* parent) : QAbstractButton(parent), index_(index) {
    // Checkable so that assistive tools read the hold state; the value itself lives in value_.
    // Their Toggle action sets the checked state alone, which then becomes the value as a
    // click would make it.
    setCheckable(true);
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QAbstractButton::toggled, this, [this](bool checked) { SetValue(checked); });
}

void HoldCheckBox::SetValue(int value) {
    const int newValue = value != 0 ? 1 : 0;
    if (newValue == value_) return;
    value_ = newValue;
    setChecked(value_ == 1);
    update();
    emit Click(index_);
}

void HoldCheckBox::nextCheckState() {
    SetValue(1 - value_);
}

void HoldCheckBox::SetPicture(const ImageList& list, int n) {
    picture_ = {&list, n};
    update();
}

void HoldCheckBox::SetDisabledPicture(const ImageList& list, int n) {
    disabledPicture_ = {&list, n};
    update();
}

void HoldCheckBox::SetFaceColor(const QColor& color) {
    faceColor_ = color;
    update();
}

void HoldCheckBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect face = rect();
    painter.fillRect(face, faceColor_);

    // A bevel: light top-left and dark bottom-right when raised, the other way when pressed.
    const bool pressed = value_ == 1 || isDown();
    const QColor light = faceColor_.lighter(160), dark = faceColor_.darker(220);
    painter.setPen(pressed ? dark : light);
    painter.drawLine(face.topLeft(), face.topRight());
    painter.drawLine(face.topLeft(), face.bottomLeft());
    painter.setPen(pressed ? light : dark);
    painter.drawLine(face.bottomLeft(), face.bottomRight());
    painter.drawLine(face.topRight(), face.bottomRight());

    const QPixmap& pixmap = ShownPicture().Pixmap();
    if (!pixmap.isNull()) {
        const QSizeF size = pixmap.deviceIndependentSize();
        QPointF at((width() - size.width()) / 2, (height() - size.height()) / 2);
        if (pressed) at += QPointF(1, 1);
        painter.drawPixmap(at, pixmap);
    }
    if (ShowsFocusRing(*this)) DrawFocusRing(painter, *this);
}
