// Where the cards of a deal come from: the random dealer at the table; a scripted or chosen
// source where a lesson or a practice table wants particular hands.
#pragma once

#include <optional>

#include "engine/Card.h"
#include "engine/RandomSource.h"
#include "game/history/LeakKey.h"

struct DealtCards {
    modcards::Hand hand;     // the five cards for the table, in dealt order
    modcards::Hand reserve;  // reserve[i] replaces hand[i] when it is not held
    std::optional<history::LeakKey> lesson =
        std::nullopt;  // a drill's deal: the leak group it was chosen for
};

class DealSource {
public:
    virtual ~DealSource() = default;
    // Ten distinct cards: the hand and its replacements.
    virtual DealtCards Deal() = 0;
};

// Ten cards from a fresh deck shuffled by `random`: the first five dealt are the hand, the next
// five the reserve.
class RandomDealer final : public DealSource {
public:
    explicit RandomDealer(modcards::RandomSource& random) : random_(random) {}
    DealtCards Deal() override;

private:
    modcards::RandomSource& random_;
};
