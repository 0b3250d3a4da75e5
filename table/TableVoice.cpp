// What the table says aloud as a hand goes.
#include "table/TableVoice.h"

#include <QStringList>

#include "assets/PictureWords.h"
#include "controls/Announcer.h"
#include "engine/Deal.h"
#include "engine/HandEvaluation.h"
#include "engine/SettlementTable.h"
#include "game/CardNames.h"
#include "game/HintTexts.h"
#include "table/HintPanel.h"
#include "table/frmMain.h"

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

QString SettledSentence(const modcards::Hand& finalHand, const QString& balance) {
    modcards::Hand sorted = finalHand;
    modcards::SortByValue(sorted);
    const modcards::SettlementRow& row = modcards::SettlementResult(modcards::EvaluateHand(sorted));
    QString result = CaptionSentence(row.captionPicture);
    if (row.pay != 0) result += QStringLiteral(", %1 credits").arg(row.pay);
    return QStringLiteral("%1; balance %2. Your hand: %3")
        .arg(result, balance, CardList(finalHand));
}

QString HintSentence(const modcards::Hand& dealt, const HoldHint& best, const QString& chartLine) {
    QStringList kept;
    for (int slot = 0; slot < 5; ++slot)
        if (best.Keeps(slot)) kept << InSentence(dealt[static_cast<std::size_t>(slot)]);
    const QString hold = kept.isEmpty() ? QStringLiteral("draw five new cards")
                                        : QStringLiteral("keep ") + kept.join(QStringLiteral(", "));
    return QStringLiteral("Best hold: %1: %2 credits; %3")
        .arg(hold, CreditsText(best.credits), chartLine);
}

TableVoice::TableVoice(frmMain& window)
    : QObject(&window), window_(window), voice_(new Announcer(*window.centralWidget())) {
    connect(&window_, &frmMain::HandDealt, this, &TableVoice::SayDealt);
    connect(&window_, &frmMain::HoldChanged, this, &TableVoice::SayHold);
    connect(&window_, &frmMain::HandSettled, this, &TableVoice::SaySettled);
}

void TableVoice::SayDealt() {
    voice_->Say(DealtSentence(window_.HandCards().Hand));
}

void TableVoice::SayHold(int slot) {
    const auto index = static_cast<std::size_t>(slot);
    voice_->Say(HoldSentence(window_.HandCards().Hand[index],
                             window_.Controls().chkHold[index]->Value() == 1));
}

void TableVoice::SaySettled(const history::SettledHand& hand) {
    voice_->Say(SettledSentence(hand.finalHand, window_.Controls().lblCredits->text()));
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
