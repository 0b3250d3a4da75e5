// A window's place on the screen's free area: resizable windows shrink to it (not below their
// minimum), fixed ones keep their size, and every frame is moved the least way inside.
#include <gtest/gtest.h>

#include "controls/OnScreen.h"

namespace {

// A second screen right of a 1366-pixel one, a panel 24 pixels high along its top.
const QRect kArea(1366, 24, 1280, 1000);
const QMargins kFrame(4, 30, 4, 4);
const QSize kMinimum(520, 420);

TEST(FitInArea, ShrinksAResizableWindowToTheAreaAndMovesItsFrameInside) {
    // 780x744 at a scale of 1.5, opened at the first screen's corner.
    EXPECT_EQ(FitInArea(QRect(0, 0, 1170, 1116), kFrame, kMinimum, true, kArea),
              QRect(1370, 54, 1170, 966));
    // Never below its minimum, and then its title bar stays on the area.
    EXPECT_EQ(
        FitInArea(QRect(3000, 900, 600, 500), kFrame, kMinimum, true, QRect(10, 20, 400, 300)),
        QRect(14, 50, 520, 420));
}

TEST(FitInArea, KeepsAFixedWindowsSizeAndMovesItTheLeastWayInside) {
    const QRect inside(1500, 300, 545, 406);
    EXPECT_EQ(FitInArea(inside, kFrame, inside.size(), false, kArea), inside);
    // Past the bottom right: moved up and left until the frame's far edges meet the area's.
    EXPECT_EQ(FitInArea(QRect(2500, 900, 545, 406), kFrame, {}, false, kArea),
              QRect(2097, 614, 545, 406));
    // Wider than the area: its left edge at the area's.
    EXPECT_EQ(FitInArea(QRect(2000, 100, 1300, 500), kFrame, {}, false, kArea),
              QRect(1370, 100, 1300, 500));
}

}  // namespace
