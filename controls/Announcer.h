// Sentences spoken by screen readers without moving the focus.
#pragma once

#include <QString>
#include <QWidget>

// A window's voice: an invisible one-pixel widget offered as a notification. Orca speaks a
// notification when it is shown, so each sentence hides it and shows it again with the new
// words; changes of name or description on controls without focus Orca leaves unspoken.
class Announcer : public QWidget {
    Q_OBJECT
public:
    // Speaks for `parent`, a window or a panel of it.
    explicit Announcer(QWidget& parent);

    // Spoken once, whatever was said before; an empty sentence says nothing.
    void Say(const QString& sentence);

    QString LastSentence() const { return accessibleName(); }

signals:
    void Spoken(const QString& sentence);

protected:
    void paintEvent(QPaintEvent*) override {}
};
