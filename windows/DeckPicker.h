// The 52 cards as small buttons, a row per suit, for picking a hand: a click picks a card or puts
// it back. Five cards at most, kept in the order picked.
#pragma once

#include <QPixmap>
#include <QToolButton>
#include <QWidget>
#include <array>
#include <vector>

#include "engine/Card.h"

// A card's face painted at `size` logical pixels, for a screen of ratio `dpr`.
QPixmap CardPicture(const modcards::Card& card, const QSize& size, qreal dpr);

class DeckPicker : public QWidget {
    Q_OBJECT
public:
    explicit DeckPicker(QWidget* parent);

    const std::vector<modcards::Card>& Picked() const { return picked_; }
    // Picks `cards` (at most five, distinct, all in the deck) in place of the cards picked.
    void SetPicked(const std::vector<modcards::Card>& cards);

    // The button of a card of the deck.
    QToolButton* Button(const modcards::Card& card) const;

signals:
    void PickedChanged();  // a click picked a card or put one back
    void HandFull();       // a sixth card was clicked: nothing changed

private:
    void Click(const modcards::Card& card);
    void ShowPicked();
    void PaintSuit(std::int16_t suit);

    std::array<QToolButton*, 52> buttons_{};  // suit by suit, ace to king
    std::vector<modcards::Card> picked_;
};
