// The words and short card texts of the hint panel and the trainer's question.
#include "game/HintTexts.h"

#include <QStringList>

QString KeptCards(const modcards::Hand& dealt, const HoldHint& hold) {
    QStringList kept;
    for (int slot = 0; slot < 5; ++slot)
        if (hold.Keeps(slot)) kept << ShortCard(dealt[slot]);
    return kept.isEmpty() ? QStringLiteral("nothing") : kept.join(' ');
}

QString CreditsText(double credits) {
    return QString::number(credits, 'f', 2);
}

QString HintLine(const modcards::Hand& dealt, const HoldHint& hold, const QString& chartLine) {
    return QStringLiteral("Keep %1: %2 credits; %3")
        .arg(KeptCards(dealt, hold), CreditsText(hold.credits), chartLine);
}

TrainerQuestion AskAboutHold(const modcards::Hand& dealt, const HoldVerdict& verdict) {
    const QString text =
        QStringLiteral(
            "The best hold keeps %1 and pays %2 credits on average.\n"
            "Your hold keeps %3 and pays %4 credits: %5 credits less.\n\n"
            "Draw with your hold anyway?")
            .arg(KeptCards(dealt, verdict.best), CreditsText(verdict.best.credits),
                 KeptCards(dealt, verdict.played), CreditsText(verdict.played.credits),
                 CreditsText(verdict.CreditsLost()));
    return {text, QStringLiteral("Trainer"), QStringLiteral("&Draw Anyway"),
            QStringLiteral("&Change Hold")};
}
