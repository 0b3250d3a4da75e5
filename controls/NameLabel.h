// A label for a player's name: the name is shown as typed, never read as markup, and a name too
// wide for the label is lettered smaller until it fits, so no letter is cut off.
#pragma once

#include <QLabel>
#include <QPainter>
#include <algorithm>

class NameLabel : public QLabel {
public:
    explicit NameLabel(const QString& text, QWidget* parent = nullptr) : QLabel(text, parent) {
        setTextFormat(Qt::PlainText);
    }

    // The font the text is lettered in: the label's own, or smaller when the text needs it.
    QFont FittedFont() const {
        QFont fitted = font();
        const int room = TextRect().width();
        for (int need = QFontMetrics(fitted).horizontalAdvance(text()); need > room && room > 0;
             need = QFontMetrics(fitted).horizontalAdvance(text())) {
            const int pixels = QFontInfo(fitted).pixelSize();
            if (pixels <= 1) break;
            fitted.setPixelSize(std::max(1, std::min(pixels - 1, pixels * room / need)));
        }
        return fitted;
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        const QFont fitted = FittedFont();
        if (fitted == font()) {
            QLabel::paintEvent(event);
            return;
        }
        QPainter painter(this);
        drawFrame(&painter);
        painter.setFont(fitted);
        painter.setPen(palette().color(foregroundRole()));
        painter.drawText(TextRect(), int(alignment()), text());
    }

private:
    // Where QLabel letters its text: inside the frame and margin, and, beside a frame, indented
    // by half an x on the side the text is aligned to.
    QRect TextRect() const {
        QRect rect = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
        int indentBy = indent();
        if (indentBy < 0)
            indentBy = frameWidth() > 0 ? fontMetrics().horizontalAdvance(u'x') / 2 : 0;
        if (alignment() & Qt::AlignLeft) rect.setLeft(rect.left() + indentBy);
        if (alignment() & Qt::AlignRight) rect.setRight(rect.right() - indentBy);
        return rect;
    }
};
