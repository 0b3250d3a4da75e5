// A DealSource that deals given hands: five for the table, then the replacements for
// positions 0..4 ("9c 9d 2s 4h Kd 3c 5c 6c 9h 9s").
#pragma once

#include <deque>
#include <string_view>

#include "engine/CardText.h"
#include "game/DealSource.h"

class ScriptedDeals final : public DealSource {
public:
    void Queue(std::string_view tenCards) { deals_.push_back(tenCards); }
    DealtCards Deal() override {
        const std::string_view cards = deals_.front();
        deals_.pop_front();
        return {modcards::ParseHand(cards.substr(0, 14)), modcards::ParseHand(cards.substr(15))};
    }

private:
    std::deque<std::string_view> deals_;
};
