// A gold ring around a card that the hint says to keep. It lies over the card's edge and lets
// every click through, so the card and its picture stay exactly as they are.
#pragma once

#include <QWidget>

class KeepRing : public QWidget {
    Q_OBJECT
public:
    // A ring for `card`, a sibling on the same table; hidden until shown.
    explicit KeepRing(QWidget* card);

protected:
    void paintEvent(QPaintEvent* event) override;
};
