// Every window opens wholly on the screen its table is on: a resizable one shrinks to the
// screen's free area, a fixed one keeps its size, and both are moved inside that area.
#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>

class QWidget;

// The client rectangle `client` moved the least distance that puts its frame (`frame` round it)
// inside `area`; a resizable window is first shrunk to fit, never below `minimum`. A frame
// larger than `area` keeps its title bar's corner at the area's top-left.
QRect FitInArea(QRect client, const QMargins& frame, const QSize& minimum, bool resizable,
                const QRect& area);

// From now on, each time `window` (a top-level widget) is shown it is fitted into the free area
// of the screen its table is on: its parent's window, or else the active window. A window its
// own code has not placed opens centred on that table.
void KeepOnScreen(QWidget& window);
