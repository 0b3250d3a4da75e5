// A label for a player's name: the name is shown as typed, never read as markup, and a name too
// wide for the label is lettered smaller until it fits, so no letter is cut off.
#pragma once

#include <QLabel>
#include <QPainter>
#include <QStyle>
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
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        drawFrame(&painter);
        const QFont fitted = FittedFont();
        painter.setFont(fitted);
        style()->drawItemText(&painter, InkRect(fitted), int(alignment()), palette(), isEnabled(),
                              text(), foregroundRole());
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

    // The text rectangle shrunk by the ink that reaches past the font's line box, and a pixel
    // more for the edge of that ink: the accent of a capital (É, Å) rises above the ascent, and
    // a label aligned to its top would cut it off.
    QRect InkRect(const QFont& fitted) const {
        const QFontMetrics metrics(fitted);
        const QRect ink = metrics.tightBoundingRect(text());
        const int above = -ink.top() - metrics.ascent();
        const int below = ink.bottom() - metrics.descent();
        return TextRect().adjusted(0, above > 0 ? above + 1 : 0, 0, below > 0 ? -below - 1 : 0);
    }
};
