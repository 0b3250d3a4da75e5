// Where a label's text leaves ink: the label drawn with its text and again without it.
#pragma once

#include <QImage>
#include <QLabel>
#include <utility>

// The first and last pixel columns that the text changes; (-1, -1) when it changes none.
inline std::pair<int, int> InkColumns(QLabel& label) {
    const QImage with = label.grab().toImage();
    const QString text = label.text();
    label.setText(QString());
    const QImage without = label.grab().toImage();
    label.setText(text);
    int first = -1, last = -1;
    for (int x = 0; x < with.width(); ++x)
        for (int y = 0; y < with.height(); ++y)
            if (with.pixel(x, y) != without.pixel(x, y)) {
                if (first < 0) first = x;
                last = x;
                break;
            }
    return {first, last};
}
