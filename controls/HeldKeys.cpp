// Keys held down act once: their repeats never reach a window's shortcuts or controls.
#include "controls/HeldKeys.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QWindow>

#include "controls/X11KeyRepeat.h"

HeldKeys::HeldKeys(QWidget& window, QSet<int> keys)
    : QObject(&window), window_(window), keys_(std::move(keys)) {
    AskX11ForPressOnlyRepeats();
    qApp->installEventFilter(this);
}

bool HeldKeys::Guards(const QObject& receiver, const QKeyEvent& key) const {
    if (!keys_.contains(key.key()) || key.modifiers() & ~Qt::KeypadModifier) return false;
    if (receiver.isWindowType()) return &receiver == window_.windowHandle();
    return receiver.isWidgetType() && static_cast<const QWidget&>(receiver).window() == &window_;
}

// Qt offers a press as a ShortcutOverride to one object (the window, or in tests a widget), which
// passes it on to the focused control and from there, unless taken, to each parent in turn: all
// with the same event. Only the first offer counts.
bool HeldKeys::Propagated(QObject& receiver, const QEvent& event) {
    QObject* before = lastReceiver_.data();
    bool propagated = false;
    if (&event == lastOverride_ && before && before != &receiver && receiver.isWidgetType()) {
        const auto& widget = static_cast<const QWidget&>(receiver);
        propagated = before->isWindowType()
                         ? widget.window()->windowHandle() == before
                         : before->isWidgetType() &&
                               widget.isAncestorOf(static_cast<const QWidget*>(before));
    }
    lastOverride_ = &event;
    lastReceiver_ = &receiver;
    return propagated;
}

bool HeldKeys::IsRepeat(const QKeyEvent& press) {
    const bool repeat = press.isAutoRepeat() || down_.contains(press.key());
    down_.insert(press.key());
    return repeat;
}

// A repeat's ShortcutOverride is taken, so no shortcut fires, and its KeyPress is dropped on its
// way to every control. Releases pass untouched: they only mark the key up.
bool HeldKeys::eventFilter(QObject* receiver, QEvent* event) {
    const QEvent::Type type = event->type();
    // A key let go while another window or program is active (a question put at the press, say)
    // may never be seen released here.
    if (type == QEvent::WindowDeactivate && receiver == &window_) {
        down_.clear();
        swallowing_ = 0;
        return false;
    }
    if (type != QEvent::ShortcutOverride && type != QEvent::KeyPress && type != QEvent::KeyRelease)
        return false;
    const auto& key = static_cast<const QKeyEvent&>(*event);
    if (type == QEvent::KeyRelease) {
        if (!key.isAutoRepeat()) down_.remove(key.key());
        swallowing_ = 0;
        return false;
    }
    if (!Guards(*receiver, key)) return false;
    if (type == QEvent::KeyPress) return swallowing_ == key.key();
    if (Propagated(*receiver, *event)) return false;
    swallowing_ = IsRepeat(key) ? key.key() : 0;
    if (swallowing_ == 0) return false;
    event->accept();
    return true;
}
