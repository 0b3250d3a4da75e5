// Shared tools of the picture painters: a canvas at a device pixel ratio, lettering that
// fits its box, and the error for a picture number outside its list.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace artwork {

// A transparent picture of a logical size; the painter works in logical pixels and the
// image holds size * dpr device pixels.
class Canvas {
public:
    Canvas(int width, int height, qreal dpr);
    QPainter& painter() { return painter_; }
    QPixmap Finish();

private:
    QImage image_;
    QPainter painter_;
};

// Throws std::out_of_range naming the list when picture is not in 1..count.
void CheckPicture(const char* list, int picture, int count);

// The font made smaller, in whole pixels, until text is no wider than width.
QFont FitFont(QFont font, const QString& text, qreal width);

// The outline of text placed in box by alignment (horizontal and vertical), sized by the
// font's metrics so that lines of different letters sit on the same baseline.
QPainterPath TextPath(const QString& text, const QFont& font, const QRectF& box,
                      Qt::Alignment align = Qt::AlignCenter);

// Lettering with an optional dark outline and drop shadow, for text over pictures.
struct TextStyle {
    QBrush fill;
    QColor outline = Qt::transparent;
    qreal outlineWidth = 0;
    QPointF shadowOffset{0, 0};
    QColor shadow = Qt::transparent;
};
void DrawLettering(QPainter& p, const QPainterPath& text, const TextStyle& style);

QLinearGradient Vertical(qreal top, qreal bottom, const QColor& from, const QColor& to);

// A soft white sheen over the upper part of a rounded face, the look of a lit plastic button.
void DrawGloss(QPainter& p, const QRectF& face, qreal radius, int alpha);

}  // namespace artwork
