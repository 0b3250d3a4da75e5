// The deck to pick a hand from.
#include "windows/DeckPicker.h"

#include <QGridLayout>
#include <QIcon>
#include <QPainter>
#include <QTimer>
#include <algorithm>

#include "assets/Artwork.h"
#include "game/CardNames.h"

namespace {

constexpr QSize kCardSize(34, 48);  // the table's cards at less than half their size
const QColor kPickedFrame(214, 170, 60);

int IndexOf(const modcards::Card& card) {
    return card.Suit * 13 + card.Value - 1;
}

// The face at the button's size; a picked card greyed under a gold frame, so the hand stands out.
QIcon CardIcon(const modcards::Card& card, qreal dpr) {
    const QPixmap face = CardPicture(card, kCardSize, dpr);
    QPixmap picked = face;
    QPainter painter(&picked);
    painter.fillRect(QRect(QPoint(), kCardSize), QColor(40, 40, 40, 120));
    painter.setPen(QPen(kPickedFrame, 3));
    painter.drawRect(QRectF(1.5, 1.5, kCardSize.width() - 3, kCardSize.height() - 3));
    painter.end();
    QIcon icon;
    icon.addPixmap(face, QIcon::Normal, QIcon::Off);
    icon.addPixmap(picked, QIcon::Normal, QIcon::On);
    return icon;
}

}  // namespace

QPixmap CardPicture(const modcards::Card& card, const QSize& size, qreal dpr) {
    QPixmap face = artwork::CardFace(card.Suit, card.Value, dpr)
                       .scaled(size * dpr, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    face.setDevicePixelRatio(dpr);
    return face;
}

DeckPicker::DeckPicker(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("deck"));
    setAccessibleName(QStringLiteral("Deck: click five cards"));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(2);
    for (std::int16_t suit = 0; suit < 4; ++suit) {
        for (std::int16_t value = 1; value <= 13; ++value) {
            const modcards::Card card{suit, value};
            auto* button = new QToolButton(this);
            button->setObjectName(QStringLiteral("cmdCard_%1").arg(IndexOf(card)));
            button->setAccessibleName(CardName(card));
            button->setToolTip(CardName(card));
            button->setCheckable(true);
            button->setAutoRaise(true);
            // Typing the cards is the keyboard's way; 52 stops would bury the window's others.
            button->setFocusPolicy(Qt::NoFocus);
            button->setText(ShortCard(card));  // until its face is painted
            button->setIconSize(kCardSize);
            button->setFixedSize(kCardSize + QSize(2, 2));
            connect(button, &QToolButton::clicked, this, [this, card] { Click(card); });
            grid->addWidget(button, suit, value - 1);
            buttons_[std::size_t(IndexOf(card))] = button;
        }
        // The faces take a tenth of a second: painted a suit at a time once the window is up.
        QTimer::singleShot(0, this, [this, suit] { PaintSuit(suit); });
    }
}

void DeckPicker::PaintSuit(std::int16_t suit) {
    for (std::int16_t value = 1; value <= 13; ++value) {
        const modcards::Card card{suit, value};
        Button(card)->setIcon(CardIcon(card, devicePixelRatioF()));
    }
}

void DeckPicker::SetPicked(const std::vector<modcards::Card>& cards) {
    picked_ = cards;
    ShowPicked();
}

QToolButton* DeckPicker::Button(const modcards::Card& card) const {
    return buttons_.at(std::size_t(IndexOf(card)));
}

void DeckPicker::Click(const modcards::Card& card) {
    const auto at = std::find(picked_.begin(), picked_.end(), card);
    if (at != picked_.end()) {
        picked_.erase(at);
    } else if (picked_.size() < 5) {
        picked_.push_back(card);
    } else {
        ShowPicked();  // the button's own toggle undone
        emit HandFull();
        return;
    }
    ShowPicked();
    emit PickedChanged();
}

void DeckPicker::ShowPicked() {
    for (QToolButton* button : buttons_) button->setChecked(false);
    for (const modcards::Card& card : picked_) Button(card)->setChecked(true);
}
