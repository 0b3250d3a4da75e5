// The words and figures of the hand analyser: typed cards read or refused in words, exact
// values shown in credits of one stake.
#pragma once

#include <QString>
#include <cstdint>
#include <optional>

#include "engine/Card.h"
#include "engine/HandEvaluation.h"
#include "engine/analysis/ExactFraction.h"

// Five cards typed as "Ah 2c 5d 9s Kh" (suit signs "A♥" and "10" read too), or why the text is
// no hand, as a sentence naming the bad card.
struct TypedHand {
    std::optional<modcards::Hand> hand;
    QString error;  // empty when `hand` is set
};
TypedHand ReadTypedHand(const QString& text);

// "Natural royal flush", "No paying hand".
QString FinalHandName(modcards::HandCategory category);

// An amount per unit bet as credits won on a stake of `stake` credits, exactly.
modcards::analysis::Fraction InCredits(const modcards::analysis::Fraction& perUnit, int stake);

// "9.4458" with `decimals` places, rounded; a whole number without them: "3000".
QString DecimalText(const modcards::analysis::Fraction& value, int decimals);

// A count with its thousands grouped: "16,215".
QString WaysText(std::int64_t ways);
