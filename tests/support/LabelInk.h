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

// The first and last pixel columns, or rows, that the text changes; (-1, -1) when it changes
// none.
inline std::pair<int, int> InkSpan(QLabel& label, bool rows) {
    const auto inked = InkMap(label);
    const QSize size = rows ? label.size().transposed() : label.size();
    int first = -1, last = -1;
    for (int i = 0; i < size.width(); ++i)
        for (int j = 0; j < size.height(); ++j)
            if (rows ? inked(j, i) : inked(i, j)) {
                if (first < 0) first = i;
                last = i;
                break;
            }
    return {first, last};
}

inline std::pair<int, int> InkColumns(QLabel& label) {
    return InkSpan(label, false);
}
inline std::pair<int, int> InkRows(QLabel& label) {
    return InkSpan(label, true);
}
