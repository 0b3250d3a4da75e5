// A picture box that keeps its own canvas, so raster-op drawing changes exactly the pixels shown.
#include "controls/PictureBox.h"

#include <QMouseEvent>
#include <QPainter>

#include "controls/FocusRing.h"
#include "controls/Twips.h"

namespace {

QPainter::CompositionMode Composition(PenMode mode) {
    switch (mode) {
        case PenMode::XorPen:
            return QPainter::RasterOp_SourceXorDestination;
        case PenMode::NotXorPen:
            return QPainter::RasterOp_NotSourceXorDestination;
        case PenMode::CopyPen:
            break;
    }
    return QPainter::CompositionMode_Source;
}

bool UndoesItself(PenMode mode) {
    return mode != PenMode::CopyPen;
}

}  // namespace

PictureBox::PictureBox(int index, QWidget* parent) : QWidget(parent), index_(index) {
    setFocusPolicy(Qt::TabFocus);
}

void PictureBox::SetPicture(const PictureRef& picture) {
    picture_ = picture;
    strokes_.clear();
    Refresh();
}

void PictureBox::SetBackColor(const QColor& color) {
    backColor_ = color;
    Refresh();
}

void PictureBox::Line(int x1, int y1, int x2, int y2) {
    const auto px = [](int twips) { return qreal(twips) / kTwipsPerPixel; };
    const Stroke stroke{ForeColor, DrawMode, DrawWidth, QLineF(px(x1), px(y1), px(x2), px(y2))};
    // A self-inverse stroke drawn twice leaves no trace, so the replay list need not grow.
    if (UndoesItself(stroke.mode) && !strokes_.empty() && strokes_.back() == stroke)
        strokes_.pop_back();
    else
        strokes_.push_back(stroke);
    Paint(stroke);
    update();
}

void PictureBox::Refresh() {
    const qreal dpr = devicePixelRatioF();
    canvas_ = QImage(size() * dpr, QImage::Format_RGB32);
    canvas_.setDevicePixelRatio(dpr);
    canvas_.fill(backColor_);
    {
        QPainter painter(&canvas_);
        painter.drawPixmap(0, 0, picture_.Pixmap());
    }
    for (const Stroke& stroke : strokes_) Paint(stroke);
    update();
}

void PictureBox::Paint(const Stroke& stroke) {
    if (canvas_.isNull()) return;
    QPainter painter(&canvas_);
    painter.setCompositionMode(Composition(stroke.mode));
    painter.setPen(QPen(stroke.color, stroke.width, Qt::SolidLine, Qt::SquareCap));
    painter.drawLine(stroke.line);
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, canvas_);
    if (ShowsFocusRing(*this)) DrawFocusRing(painter, *this);
}

void PictureBox::resizeEvent(QResizeEvent*) {
    Refresh();
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit Click(index_);
}
