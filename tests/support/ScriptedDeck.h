// A RandomSource that deals chosen cards: every value picks the wanted card from the deck left.
#pragma once

#include <algorithm>
#include <deque>
#include <numeric>
#include <stdexcept>
#include <string_view>
#include <vector>

#include "engine/CardText.h"
#include "engine/RandomSource.h"

class ScriptedDeck final : public modcards::RandomSource {
public:
    // Queues one deal: the cards in the order they are to be drawn ("Th Jh Qh Kh Ah 2c ...").
    void Queue(std::string_view cards) {
        std::vector<int> deck(52);
        std::iota(deck.begin(), deck.end(), 1);
        std::vector<float> values;
        for (modcards::CardCode code : modcards::ParseCodes(cards)) {
            const auto at = std::find(deck.begin(), deck.end(), code);
            const auto rank = at - deck.begin();
            values.push_back((float(rank) + 0.5f) / float(deck.size()));
            deck.erase(at);
        }
        deals_.push_back(std::move(values));
    }

    // A deal with nothing queued takes the smallest card left at every draw.
    void Reseed() override {
        current_.clear();
        if (deals_.empty()) return;
        current_.assign(deals_.front().begin(), deals_.front().end());
        deals_.pop_front();
    }

    float Next() override {
        if (current_.empty()) return 0.0f;
        const float value = current_.front();
        current_.pop_front();
        return value;
    }

private:
    std::deque<std::vector<float>> deals_;
    std::deque<float> current_;
};
