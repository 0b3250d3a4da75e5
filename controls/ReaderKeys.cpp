// The screen reader's keys stay the screen reader's.
#include "controls/ReaderKeys.h"

#include <QGuiApplication>
#include <QKeyEvent>

#include "controls/X11KeyRepeat.h"

namespace {

bool IsReaderModifier(int key) {
    return key == Qt::Key_Insert || key == Qt::Key_CapsLock;
}

}  // namespace

ReaderKeys::ReaderKeys(QObject& owner) : QObject(&owner) {
    qApp->installEventFilter(this);
    connect(qApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) {
                if (state != Qt::ApplicationActive) down_.clear();
            });
}

bool ReaderKeys::BelongsToReader(const QKeyEvent& key, bool readerModifierDown) {
    if (IsReaderModifier(key.key())) return false;  // the modifier alone is no shortcut of ours
    const bool keypadEnter = key.key() == Qt::Key_Enter && key.modifiers() & Qt::KeypadModifier;
    return readerModifierDown || keypadEnter;
}

// The X server knows which keys are down even when the screen reader took their events; elsewhere
// the presses and releases seen here tell.
bool ReaderKeys::ModifierDown() const {
    if (const std::optional<bool> x11 = X11ReaderModifierDown()) return *x11;
    return !down_.isEmpty();
}

// A taken ShortcutOverride fires no shortcut, and the press goes on to the focused control
// through the accessibility bridge, which offers it to the screen reader first.
bool ReaderKeys::eventFilter(QObject*, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::ShortcutOverride && type != QEvent::KeyPress && type != QEvent::KeyRelease)
        return false;
    const auto& key = static_cast<const QKeyEvent&>(*event);
    if (IsReaderModifier(key.key())) {
        if (type == QEvent::KeyRelease && !key.isAutoRepeat())
            down_.remove(key.key());
        else if (type != QEvent::KeyRelease)
            down_.insert(key.key());
        return false;
    }
    if (type != QEvent::ShortcutOverride || !BelongsToReader(key, ModifierDown())) return false;
    event->accept();
    return true;
}
