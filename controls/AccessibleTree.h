// What screen readers are offered of our windows: the controls a player can see, in reading order.
#pragma once

#include <QList>
#include <QString>

class QLabel;
class QWidget;

namespace a11y {

// Installs, once per run, the accessible interfaces our windows need beyond Qt's own:
// - a plain container (a window, the table) offers only the children it shows that have something
//   to say, in reading order: hidden controls, unnamed pictures and the caption labels read
//   with the value they caption (QLabel::setBuddy, ReadWithValue) are left out; such a window
//   reads as a dialog;
// - a window's voice (Announcer) is offered as a notification;
// - a value beside its caption (ValueLabel) is offered as static text read with its caption;
// - a picture (ImageBox) is offered as static text named by its accessible name, and a picture
//   box (PictureBox, the cards) as a named graphic.
// Needs the QApplication; call it before the first window is shown.
void InstallAccessibleTree();

// The children `container` offers a screen reader, in reading order: line by line from the top,
// each line left to right, where widgets that stand half their height or more beside each other
// share a line.
QList<QWidget*> OfferedChildren(const QWidget& container);

// Leaves `caption` out of what screen readers are offered: a value label reads it.
void ReadWithValue(QLabel& caption);

// Sets a widget's accessible name or description only when it changes, so that a client hears
// each change once.
void Rename(QWidget& widget, const QString& name);
void Redescribe(QWidget& widget, const QString& description);

}  // namespace a11y
