// The mark of the control that has the keyboard, alike on the cards, the deal button and the
// hold buttons.
#pragma once

class QPainter;
class QWidget;

// True while `control` has the focus and the player has moved it with the keyboard, the way
// Qt's own controls decide to show it.
bool ShowsFocusRing(const QWidget& control);

// A dotted ring just inside the control's edge: white dots over a dark line, so it reads on the
// white of a card as well as on the dark frame of a button.
void DrawFocusRing(QPainter& painter, const QWidget& control);
