// The leak groups and their trend in words.
#include "game/LeakTexts.h"

#include "game/HintTexts.h"
#include "game/ReviewTexts.h"

namespace {

QString Kept(const modcards::Hand& dealt, history::HeldSlots held) {
    return held == 0 ? QStringLiteral("nothing") : KeptCards(dealt, HoldHint{.kept = held});
}

}  // namespace

QString LeakSentence(const modcards::analysis::StrategyChart& chart,
                     const history::LeakGroup& group) {
    return QStringLiteral(
               "You played \u201c%1\u201d where \u201c%2\u201d comes first: %3, %4 credits")
        .arg(
            QString::fromStdString(history::LeakLineText(chart, group.yourLine)),
            QString::fromStdString(history::LeakLineText(chart, group.chartLine)),
            group.count == 1 ? QStringLiteral("once") : QStringLiteral("%1 times").arg(group.count),
            CreditsText(group.cost));
}

QString LeakExampleText(const history::LeakGroup& group) {
    const history::LeakExample& example = group.example;
    return QStringLiteral("Costliest: %1, you kept %2 for %3 (%4 credits)")
        .arg(HandText(example.dealt), Kept(example.dealt, example.held),
             Kept(example.dealt, example.bestHeld), CreditsText(example.cost));
}

QString SessionLeaksText(const history::SessionLeaks& session) {
    return QStringLiteral("Session %1: %2 credits per 100 hands, over %3 %4")
        .arg(session.session)
        .arg(CreditsText(session.PerHundredHands()))
        .arg(session.hands)
        .arg(session.hands == 1 ? QStringLiteral("hand") : QStringLiteral("hands"));
}
