// A window over the table hands the keyboard back to the table when it closes. A window
// manager usually does this; without one (or with one that leaves it), the keys of a player
// who closed the window by Escape would go nowhere until the mouse picks a window.
#pragma once

class QWidget;

// From now on, each time `window` (a top-level widget with a parent) is hidden by our code, its
// parent's window is raised and made active, when it is shown.
void GiveFocusBackOnClose(QWidget& window);
