// The screen reader's keys stay the screen reader's: Orca takes Insert and CapsLock as its
// modifier and keypad Enter as "Where am I", but Qt fires shortcuts before Orca sees a key.
#pragma once

#include <QObject>
#include <QSet>

class QKeyEvent;

class ReaderKeys : public QObject {
public:
    // From now on, for the whole application: no shortcut fires while Insert or CapsLock is held
    // down, nor on keypad Enter. The key press itself still goes on, to the screen reader first.
    explicit ReaderKeys(QObject& owner);

    // Whether a key pressed while `readerModifierDown` belongs to the screen reader.
    static bool BelongsToReader(const QKeyEvent& key, bool readerModifierDown);

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override;

private:
    bool ModifierDown() const;

    QSet<int> down_;  // Insert or CapsLock seen pressed and not yet released
};
