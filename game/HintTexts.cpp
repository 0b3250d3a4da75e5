// The words and short card texts of the hint panel and the trainer's question.
#include "game/HintTexts.h"

#include <QStringList>
#include <array>

QString ShortCard(const modcards::Card& card) {
    static const std::array<const char*, 13> kRanks{"A", "2", "3",  "4", "5", "6", "7",
                                                    "8", "9", "10", "J", "Q", "K"};
    static const std::array<const char16_t*, 4> kSuits{u"\u2660", u"\u2666", u"\u2663", u"\u2665"};
    if (card.Value < 1 || card.Value > 13 || card.Suit < 0 || card.Suit > 3) return "?";
    return QLatin1String(kRanks[card.Value - 1]) + QString::fromUtf16(kSuits[card.Suit]);
}

QString KeptCards(const modcards::Hand& dealt, const HoldHint& hold) {
    QStringList kept;
    for (int slot = 0; slot < 5; ++slot)
        if (hold.Keeps(slot)) kept << ShortCard(dealt[slot]);
    return kept.isEmpty() ? QStringLiteral("nothing") : kept.join(' ');
}

QString CreditsText(double credits) {
    return QString::number(credits, 'f', 2);
}

QString HintLine(const modcards::Hand& dealt, const HoldHint& hold) {
    return QStringLiteral("Keep %1: %2 credits")
        .arg(KeptCards(dealt, hold), CreditsText(hold.credits));
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
