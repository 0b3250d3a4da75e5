// The words and figures of the session review window, from the review's numbers.
#pragma once

#include <QString>
#include <vector>

#include "engine/Card.h"
#include "game/history/HandRecord.h"
#include "game/history/SessionReview.h"

// Which hands a review covers: the session of the player at the table, or all of theirs.
enum class ReviewScope { ThisSession, AllSessions };

// One figure of the review: its caption and its value, as the window shows them.
struct ReviewFigure {
    QString caption;
    QString value;
};

// Hands played, the result, the returns with the holds taken and with perfect play, the number
// of mistakes, the credits they lost, and luck, in that order.
std::vector<ReviewFigure> ReviewFigures(const history::SessionReview& review);

// A return per credit staked as a percentage with two decimals: "99.27%".
QString ReturnText(double perCredit);

// Credits with two decimals and a sign when they are won or lost: "+3.50", "-12.25", "0.00".
QString SignedCredits(double credits);

// The five cards left to right: "K♥ 2♣ Q♥ 7♠ 5♦".
QString HandText(const modcards::Hand& hand);

// One hand of the mistakes or close calls list: the deal, the hold taken, the best hold and
// what the hold taken gave up, in credits (CostText: a mistake never reads as a close call).
struct ReviewRow {
    QString dealt;
    QString held;
    QString best;
    QString cost;
};
ReviewRow ReviewRowOf(const history::HandRecord& hand);
