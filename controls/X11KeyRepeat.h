// What the X server is asked and told of the keyboard: held keys repeated as presses alone, and
// whether the screen reader's modifier is down.
#pragma once

#include <optional>

// Asks the X server (XKB's detectable auto-repeat) to send a held key's repeats as presses
// alone. Without it each repeat comes as a release and a press, and Qt 6.4 takes the pair for
// a real release and a new press whenever the press reaches the program a moment later. Does
// nothing on other window systems.
void AskX11ForPressOnlyRepeats();

// Whether Insert (either one) or CapsLock is held down now, as the X server knows, also when
// their events went to the screen reader alone; none on other window systems.
std::optional<bool> X11ReaderModifierDown();
