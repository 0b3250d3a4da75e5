// On X11, held keys repeated as presses alone, without a release before each.
// Xlib's headers define macros (KeyPress, None, Bool) that clash with Qt's names, so they stay
// in this file, after Qt's.
#include "controls/X11KeyRepeat.h"

#include <QtGui/qguiapplication_platform.h>
#include <QGuiApplication>

#include <X11/XKBlib.h>

void AskX11ForPressOnlyRepeats() {
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->display()) return;
    Bool supported = False;
    XkbSetDetectableAutoRepeat(x11->display(), True, &supported);
    XFlush(x11->display());
}
