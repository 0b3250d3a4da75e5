// What the windows' plots share: the frame, grid and text colours, and round steps for axes.
#pragma once

#include <QColor>
#include <algorithm>
#include <cmath>

namespace plotlook {

inline const QColor kFrame(120, 120, 120);
inline const QColor kGrid(226, 226, 226);
inline const QColor kText(40, 40, 40);

// A round step for about `ticks` divisions of `span`, never below `smallest`: 1, 2 or 5 times a
// power of ten.
inline double NiceStep(double span, int ticks, double smallest) {
    const double rough = std::max(span / ticks, smallest);
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (const double factor : {1.0, 2.0, 5.0})
        if (rough <= factor * power) return factor * power;
    return 10.0 * power;
}

}  // namespace plotlook
