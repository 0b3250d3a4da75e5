// The words and figures of the session review window.
#include "game/ReviewTexts.h"

#include <QStringList>

#include "engine/CountText.h"

#include "game/CardNames.h"
#include "game/HintTexts.h"

namespace {

QString CountOf(std::int64_t count) {
    return QString::fromStdString(modcards::CountText(count));
}

QString CreditsOf(std::int64_t credits) {
    return QStringLiteral("%1%2 credits").arg(credits > 0 ? "+" : "", CountOf(credits));
}

// The kept cards; a hold that keeps none says so as players do.
QString HoldText(const modcards::Hand& dealt, history::HeldSlots held) {
    return held == 0 ? QStringLiteral("Discard all") : KeptCards(dealt, HoldHint{.kept = held});
}

}  // namespace

QString ReturnText(double perCredit) {
    return QString::number(perCredit * 100.0, 'f', 2) + u'%';
}

QString SignedCredits(double credits) {
    const QString text = CreditsText(credits);
    if (text == QStringLiteral("-0.00")) return QStringLiteral("0.00");
    return credits > 0 && text != QStringLiteral("0.00") ? u'+' + text : text;
}

std::vector<ReviewFigure> ReviewFigures(const history::SessionReview& review) {
    // No hands, no return: a dash rather than a misleading 0.00%.
    const auto returnOf = [&](double perCredit) {
        return review.handsPlayed > 0 ? ReturnText(perCredit) : QStringLiteral("\u2013");
    };
    return {
        {QStringLiteral("Hands Played"), CountOf(review.handsPlayed)},
        {QStringLiteral("Credits Won/Lost"), CreditsOf(review.result)},
        {QStringLiteral("Return With Your Holds"), returnOf(review.HeldReturn())},
        {QStringLiteral("Return With Perfect Play"), returnOf(review.PerfectReturn())},
        {QStringLiteral("Mistakes"), CountOf(review.mistakeCount)},
        {QStringLiteral("Lost To Mistakes"),
         CostText(review.mistakesCost) + QStringLiteral(" credits")},
        {QStringLiteral("Luck"), SignedCredits(review.luck) + QStringLiteral(" credits")},
    };
}

QString HandText(const modcards::Hand& hand) {
    QStringList cards;
    for (const modcards::Card& card : hand) cards << ShortCard(card);
    return cards.join(u' ');
}

ReviewRow ReviewRowOf(const history::HandRecord& hand) {
    return {HandText(hand.dealt), HoldText(hand.dealt, hand.held),
            HoldText(hand.dealt, hand.bestHeld), CostText(hand.Cost())};
}
