// Sentences spoken by screen readers without moving the focus.
#include "controls/Announcer.h"

#include "controls/AccessibleTree.h"

Announcer::Announcer(QWidget& parent) : QWidget(&parent) {
    a11y::InstallAccessibleTree();  // offers this widget as a notification
    setObjectName(QStringLiteral("announcer"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 1, 1);
    hide();
}

void Announcer::Say(const QString& sentence) {
    if (sentence.isEmpty()) return;
    hide();
    setAccessibleName(sentence);
    show();
    emit Spoken(sentence);
}
