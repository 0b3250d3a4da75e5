// The words and short card texts of the hint panel and the trainer's question.
#pragma once

#include <QString>

#include "engine/Card.h"
#include "game/CardNames.h"
#include "game/HoldHints.h"

// The kept cards in table order, "9♣ 9♦ 9♥", or "nothing" for a hold that keeps no card.
QString KeptCards(const modcards::Hand& dealt, const HoldHint& hold);

// A mean pay in credits with two decimals: "9.44".
QString CreditsText(double credits);

// One row of the hint for screen readers, with the chart line naming the hold:
// "Keep 9♣ 9♦ 9♥: 9.44 credits; Line 5: Three of a kind".
QString HintLine(const modcards::Hand& dealt, const HoldHint& hold, const QString& chartLine);

// What the trainer asks when a hold is worth less than the best one.
struct TrainerQuestion {
    QString text;
    QString title;
    QString drawAnyway;  // the answer that lets the draw go on
    QString changeHold;  // the answer that goes back to the holds
};
TrainerQuestion AskAboutHold(const modcards::Hand& dealt, const HoldVerdict& verdict);
