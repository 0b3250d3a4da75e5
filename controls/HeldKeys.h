// Keys held down act once: their repeats never reach a window's shortcuts or controls.
#pragma once

#include <QObject>
#include <QPointer>
#include <QSet>
#include <QWidget>

class QKeyEvent;

class HeldKeys : public QObject {
public:
    // Guards `keys` (Qt::Key values) on `window` from the moment it is made, for as long as both
    // live. A repeat is a press the window system marks as auto-repeated (QKeyEvent::isAutoRepeat)
    // or a press of a key already down; a key is down from its press at `window` until its
    // release or until `window` stops being the active window. On X11 the server is asked to send
    // repeats as presses alone, without the release before each, which Qt 6.4 does not always
    // recognise as repeats.
    HeldKeys(QWidget& window, QSet<int> keys);

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override;

private:
    bool Guards(const QObject& receiver, const QKeyEvent& key) const;
    bool Propagated(QObject& receiver, const QEvent& event);
    bool IsRepeat(const QKeyEvent& press);

    QWidget& window_;
    QSet<int> keys_;
    QSet<int> down_;                        // pressed and not yet released
    int swallowing_ = 0;                    // the key whose present press is a repeat; 0 for none
    const QEvent* lastOverride_ = nullptr;  // the ShortcutOverride last offered, and to whom
    QPointer<QObject> lastReceiver_;
};
