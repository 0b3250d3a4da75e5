// What the X server is asked and told of the keyboard.
// Xlib's headers define macros (KeyPress, None, Bool) that clash with Qt's names, so they stay
// in this file, after Qt's.
#include "controls/X11KeyRepeat.h"

#include <QtGui/qguiapplication_platform.h>
#include <QGuiApplication>

#include <X11/XKBlib.h>
#include <X11/keysym.h>

namespace {

Display* X11Display() {
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->display() : nullptr;
}

}  // namespace

void AskX11ForPressOnlyRepeats() {
    Display* display = X11Display();
    if (!display) return;
    Bool supported = False;
    XkbSetDetectableAutoRepeat(display, True, &supported);
    XFlush(display);
}

std::optional<bool> X11ReaderModifierDown() {
    Display* display = X11Display();
    if (!display) return std::nullopt;
    char keys[32] = {};
    XQueryKeymap(display, keys);
    for (KeySym sym : {XK_Insert, XK_KP_Insert, XK_Caps_Lock}) {
        const KeyCode code = XKeysymToKeycode(display, sym);
        if (code != 0 && (keys[code / 8] >> (code % 8)) & 1) return true;
    }
    return false;
}
