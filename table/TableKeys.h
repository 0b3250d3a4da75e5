// The table's keys: 1 to 5 act like clicks on the cards, Enter and Space like the deal button.
#pragma once

class frmMain;

// Adds the keys to `window`. They are the table's own: typed in a window over it (even one it
// owns) they never play. A key held down acts once, and the screen reader's keys are left alone.
void AddTableKeys(frmMain& window);
