// The words and short card texts of the hint panel and the trainer's question.
#pragma once

#include <QString>
#include <vector>

#include "engine/Card.h"
#include "game/CardNames.h"
#include "game/HoldHints.h"
#include "game/history/HoldGrade.h"

// The kept cards in table order, "9♣ 9♦ 9♥", or "nothing" for a hold that keeps no card.
QString KeptCards(const modcards::Hand& dealt, const HoldHint& hold);

// A mean pay in credits, with two decimals unless told: "9.44".
QString CreditsText(double credits, int decimals = 2);

// The decimals (2 to 6) it takes for `value` and `best`, each rounded, to be as far apart as
// they are against `threshold`: no nearer when the gap is the threshold or more, no farther
// when it is less, and apart at all when they differ. A hold 0.0106 worse needs three.
int EdgeDecimals(double value, double best, double threshold = history::kCloseCallCredits);

// What a hold gave up, in credits, with EdgeDecimals against nothing: "0.011", "0.0042".
QString CostText(double cost, double threshold = history::kCloseCallCredits);

// The decimals for showing `holds` (best first) side by side: the most any of them needs
// against the first.
int HoldsDecimals(const std::vector<HoldHint>& holds,
                  double threshold = history::kCloseCallCredits);

// One row of the hint for screen readers, with the chart line naming the hold:
// "Keep 9♣ 9♦ 9♥: 9.44 credits; Line 5: Three of a kind" (none with no chart at hand).
QString HintLine(const modcards::Hand& dealt, const HoldHint& hold, const QString& chartLine,
                 int decimals = 2);

// " (Line 5: Three of a kind)", to follow a hold's kept cards: the line of the verdict's chart
// that plays `hold` on `dealt`; empty when the verdict has no chart.
QString ChartLineOf(const ChartVerdict& chart, const modcards::Hand& dealt, const HoldHint& hold);

// Where the chart judged by plays a hold worth less than the best, says so: "the chart plays
// Line 10 here; perfect play keeps the deuces: this deal is one of the chart's exceptions
// (0.17 credit)". Empty where the chart's hold is a best one.
QString ChartExceptionText(const modcards::Hand& dealt, const ChartVerdict& chart);

// A clause as a sentence: its first letter a capital, a full stop after it; empty stays empty.
QString AsSentence(const QString& clause);

// The best hold and the one played, each with its cards, chart line (when the verdict has a
// chart) and mean pay, and what the played one gives up; a word on the chart's exception where
// the hold is the chart's.
QString HoldComparisonText(const modcards::Hand& dealt, const HoldVerdict& verdict,
                           double threshold = history::kCloseCallCredits);

// What the trainer asks when a hold is a mistake or the chart's exception, naming the chart
// lines of both holds.
struct TrainerQuestion {
    QString text;
    QString title;
    QString drawAnyway;  // the answer that lets the draw go on
    QString changeHold;  // the answer that goes back to the holds
};
TrainerQuestion AskAboutHold(const modcards::Hand& dealt, const HoldVerdict& verdict,
                             double threshold = history::kCloseCallCredits);
