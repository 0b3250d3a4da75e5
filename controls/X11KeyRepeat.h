// On X11, held keys repeated as presses alone, without a release before each.
#pragma once

// Asks the X server (XKB's detectable auto-repeat) to send a held key's repeats as presses
// alone. Without it each repeat comes as a release and a press, and Qt 6.4 takes the pair for
// a real release and a new press whenever the press reaches the program a moment later. Does
// nothing on other window systems.
void AskX11ForPressOnlyRepeats();
