// Shared tools of the picture painters.
#include "assets/Painting.h"

#include <QFontMetricsF>

#include <stdexcept>
#include <string>

namespace artwork {

Canvas::Canvas(int width, int height, qreal dpr)
    : image_(qRound(width * dpr), qRound(height * dpr), QImage::Format_ARGB32_Premultiplied) {
    image_.setDevicePixelRatio(dpr);
    image_.fill(Qt::transparent);
    painter_.begin(&image_);
    painter_.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                            QPainter::SmoothPixmapTransform);
}

QPixmap Canvas::Finish() {
    painter_.end();
    return QPixmap::fromImage(image_);
}

void CheckPicture(const char* list, int picture, int count) {
    if (picture < 1 || picture > count)
        throw std::out_of_range(std::string(list) + ": picture " + std::to_string(picture) +
                                " is not in 1.." + std::to_string(count));
}

QFont FitFont(QFont font, const QString& text, qreal width) {
    while (font.pixelSize() > 6 && QFontMetricsF(font).horizontalAdvance(text) > width)
        font.setPixelSize(font.pixelSize() - 1);
    return font;
}

QPainterPath TextPath(const QString& text, const QFont& font, const QRectF& box,
                      Qt::Alignment align) {
    const QFontMetricsF metrics(font);
    const qreal width = metrics.horizontalAdvance(text);
    qreal x = box.left();
    if (align & Qt::AlignHCenter) x = box.center().x() - width / 2;
    if (align & Qt::AlignRight) x = box.right() - width;
    // Centre on the capital height, which looks centred for mixed-case lines.
    qreal baseline = box.center().y() + metrics.capHeight() / 2;
    if (align & Qt::AlignTop) baseline = box.top() + metrics.ascent();
    if (align & Qt::AlignBottom) baseline = box.bottom() - metrics.descent();
    QPainterPath path;
    path.addText(QPointF(x, baseline), font, text);
    return path;
}

void DrawLettering(QPainter& p, const QPainterPath& text, const TextStyle& style) {
    p.save();
    if (style.shadow.alpha() > 0) {
        p.setPen(Qt::NoPen);
        p.setBrush(style.shadow);
        p.drawPath(text.translated(style.shadowOffset));
    }
    if (style.outlineWidth > 0) {
        p.setPen(QPen(style.outline, style.outlineWidth * 2, Qt::SolidLine, Qt::RoundCap,
                      Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(text);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(style.fill);
    p.drawPath(text);
    p.restore();
}

QLinearGradient Vertical(qreal top, qreal bottom, const QColor& from, const QColor& to) {
    QLinearGradient gradient(0, top, 0, bottom);
    gradient.setColorAt(0, from);
    gradient.setColorAt(1, to);
    return gradient;
}

void DrawGloss(QPainter& p, const QRectF& face, qreal radius, int alpha) {
    const QRectF sheen(face.left() + 2, face.top() + 1.5, face.width() - 4, face.height() * 0.48);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(Vertical(sheen.top(), sheen.bottom(), QColor(255, 255, 255, alpha),
                        QColor(255, 255, 255, alpha / 6)));
    p.drawRoundedRect(sheen, radius * 0.8, radius * 0.8);
    p.restore();
}

}  // namespace artwork
