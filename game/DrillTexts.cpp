// The words of a drill.
#include "game/DrillTexts.h"

#include <QStringList>

#include "game/HintTexts.h"

QString DrillVerdictText(const modcards::Hand& dealt, const HoldVerdict& verdict) {
    if (verdict.IsMistake()) {
        return QStringLiteral("Wrong: it cost %1 credits.\n").arg(CostText(verdict.CreditsLost())) +
               HoldComparisonText(dealt, verdict);
    }
    const QString line = ChartLineOf(verdict.chart, dealt, verdict.played);
    QString text =
        QStringLiteral("Right: you kept %1%2, worth %3 credits")
            .arg(KeptCards(dealt, verdict.played), line, CreditsText(verdict.played.credits));
    if (verdict.CreditsLost() <= 0) return text + QStringLiteral(", the best.");
    if (verdict.IsChartException())
        return text + QStringLiteral(". ") + AsSentence(ChartExceptionText(dealt, verdict.chart));
    return text + QStringLiteral(": a close call, %1 credits below the best.")
                      .arg(CostText(verdict.CreditsLost()));
}

QString DrillTallyText(std::int64_t right, std::int64_t asked) {
    return QStringLiteral("Drill: %1 right of %2").arg(right).arg(asked);
}

QString NoLeaksText() {
    return QStringLiteral(
        "No leaks to drill yet: play some hands first. A drill deals the hands where your own "
        "mistakes were made, once the hand history holds some.");
}

QString GroupDrillsText(const std::vector<history::DrillTally>& tallies) {
    if (tallies.empty()) return QStringLiteral("Drills: none yet");
    std::int64_t asked = 0, right = 0;
    QStringList sessions;
    for (const history::DrillTally& tally : tallies) {
        asked += tally.asked;
        right += tally.right;
        sessions << QStringLiteral("session %1: %2 of %3")
                        .arg(tally.session)
                        .arg(tally.right)
                        .arg(tally.asked);
    }
    return QStringLiteral("Drills: %1 right of %2 (%3)")
        .arg(right)
        .arg(asked)
        .arg(sessions.join(QStringLiteral("; ")));
}
