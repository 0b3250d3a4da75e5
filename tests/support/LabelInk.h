// Where a label's text leaves ink: the label drawn with its text and again without it.
#pragma once

#include <QImage>
#include <QLabel>
#include <utility>

// The label's pixels that its text changes, as (x, y) -> changed.
inline auto InkMap(QLabel& label) {
    const QImage with = label.grab().toImage();
    const QString text = label.text();
    label.setText(QString());
    const QImage without = label.grab().toImage();
    label.setText(text);
    return [with, without](int x, int y) { return with.pixel(x, y) != without.pixel(x, y); };
}

// The first and last pixel columns that the text changes; (-1, -1) when it changes none.
inline std::pair<int, int> InkColumns(QLabel& label) {
    const auto inked = InkMap(label);
    int first = -1, last = -1;
    for (int x = 0; x < label.width(); ++x)
        for (int y = 0; y < label.height(); ++y)
            if (inked(x, y)) {
                if (first < 0) first = x;
                last = x;
                break;
            }
    return {first, last};
}

// The first and last pixel rows that the text changes; (-1, -1) when it changes none.
inline std::pair<int, int> InkRows(QLabel& label) {
    const auto inked = InkMap(label);
    int first = -1, last = -1;
    for (int y = 0; y < label.height(); ++y)
        for (int x = 0; x < label.width(); ++x)
            if (inked(x, y)) {
                if (first < 0) first = y;
                last = y;
                break;
            }
    return {first, last};
}
