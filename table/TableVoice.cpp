// What the table says aloud as a hand goes.
#include "table/TableVoice.h"

#include <QStringList>

#include "assets/PictureWords.h"
#include "controls/Announcer.h"
#include "game/CardNames.h"
#include "game/HintTexts.h"
#include "game/ResultDisplay.h"
#include "game/TableHand.h"
#include "table/HintPanel.h"

namespace {

// Card names inside a sentence: "three of hearts".
QString InSentence(const modcards::Card& card) {
    QString name = CardName(card);
    if (!name.isEmpty()) name[0] = name[0].toLower();
    return name;
}

QString CardList(const modcards::Hand& cards) {
    QStringList names;
    for (const modcards::Card& card : cards) names << InSentence(card);
    return names.join(QStringLiteral(", "));
}

// The caption as a sentence: "You Won With A Flush" reads "You won with a flush".
QString CaptionSentence(int picture) {
    QString text = artwork::CaptionText(picture).toLower();
    text.replace(QStringLiteral("w/2's"), QStringLiteral("with deuces"));
    if (!text.isEmpty()) text[0] = text[0].toUpper();
    return text;
}

}  // namespace

QString DealtSentence(const modcards::Hand& dealt) {
    return QStringLiteral("Dealt: ") + CardList(dealt);
}

QString HoldSentence(const modcards::Card& card, bool held) {
    return CardName(card) + (held ? QStringLiteral(", held") : QStringLiteral(", released"));
}

QString SettledSentence(const history::SettledHand& hand, const QString& balance) {
    const auto category = static_cast<modcards::HandCategory>(hand.category);
    QString result = CaptionSentence(ResultDisplayOf(category).captionPicture);
    if (hand.pay != 0) result += QStringLiteral(", %1 credits").arg(hand.pay);
    return QStringLiteral("%1; balance %2. Your hand: %3")
        .arg(result, balance, CardList(hand.finalHand));
}

QString HintSentence(const modcards::Hand& dealt, const HoldHint& best, const QString& chartLine) {
    QStringList kept;
    for (int slot = 0; slot < 5; ++slot)
        if (best.Keeps(slot)) kept << InSentence(dealt[static_cast<std::size_t>(slot)]);
    const QString hold = kept.isEmpty() ? QStringLiteral("draw five new cards")
                                        : QStringLiteral("keep ") + kept.join(QStringLiteral(", "));
    const QString sentence =
        QStringLiteral("Best hold: %1: %2 credits").arg(hold, CreditsText(best.credits));
    return chartLine.isEmpty() ? sentence : sentence + QStringLiteral("; ") + chartLine;
}

TableVoice::TableVoice(QWidget& host, const TableHand& hand)
    : QObject(&host), hand_(hand), voice_(new Announcer(host)) {
    connect(&hand_, &TableHand::Dealt, this, &TableVoice::SayDealt);
    connect(&hand_, &TableHand::HoldChanged, this, &TableVoice::SayHold);
    connect(&hand_, &TableHand::Settled, this, &TableVoice::SaySettled);
}

void TableVoice::SayDealt() {
    voice_->Say(DealtSentence(hand_.Shown()));
}

// Only the player's holds are told: the draw releasing them all goes without a word.
void TableVoice::SayHold(int slot) {
    if (!hand_.InPlay()) return;
    voice_->Say(HoldSentence(hand_.Shown()[static_cast<std::size_t>(slot)], hand_.Holds(slot)));
}

void TableVoice::SaySettled(const history::SettledHand& hand) {
    voice_->Say(SettledSentence(hand, QString::number(hand_.ShownBalance())));
}

void TableVoice::SayHint(const HintPanel& panel, const modcards::Hand& dealt) {
    if (panel.Holds().empty())
        voice_->Say(panel.Text());
    else
        voice_->Say(HintSentence(dealt, panel.Holds().front(), panel.ChartLines().value(0)));
}

void TableVoice::SayTrainer(bool on) {
    voice_->Say(on ? QStringLiteral("Trainer on") : QStringLiteral("Trainer off"));
}
