// The leak groups and their trend in words.
#include "game/LeakTexts.h"

#include "game/HintTexts.h"
#include "game/ReviewTexts.h"

namespace {

QString Kept(const modcards::Hand& dealt, history::HeldSlots held) {
    return held == 0 ? QStringLiteral("nothing") : KeptCards(dealt, HoldHint{.kept = held});
}

// “A pair”, or for a hold no line names, words that say so.
QString Played(const modcards::analysis::StrategyChart& chart, int line) {
    if (line == history::kNoChartLine) return QStringLiteral("a hold on no chart line");
    return u'\u201c' + QString::fromStdString(history::LeakLineText(chart, line)) + u'\u201d';
}

}  // namespace

QString LeakSentence(const modcards::analysis::StrategyChart& chart,
                     const history::LeakGroup& group) {
    return QStringLiteral("You played %1 where %2 comes first: %3, %4 credits")
        .arg(
            Played(chart, group.yourLine), Played(chart, group.chartLine),
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

QString OtherTablesLeaksText(std::int64_t mistakes) {
    return (mistakes == 1 ? QStringLiteral("1 mistake at a practice table is")
                          : QStringLiteral("%1 mistakes at practice tables are").arg(mistakes)) +
           QStringLiteral(
               " left out: the groups are lines of the game's own chart, which plays the "
               "game's table only.");
}
