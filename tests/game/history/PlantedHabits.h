// A scripted player with two habits, for the leak tests: the rows it leaves and, counted apart,
// the hands each habit was played on with their cost.
#pragma once

#include <algorithm>
#include <bit>
#include <random>
#include <string>
#include <vector>

#include "engine/CardText.h"
#include "game/history/HandRecord.h"
#include "game/history/HoldValues.h"
#include "tests/game/history/HistoryTestFiles.h"
#include "tests/support/GameAdvisor.h"

namespace history_test {

inline constexpr const char* kRanks = "23456789TJQKA";
inline constexpr const char* kSuits = "cdhs";

inline bool IsDeuce(const std::string& card) {
    return card[0] == '2';
}
inline bool IsHigh(const std::string& card) {
    return std::string("JQKA").find(card[0]) != std::string::npos;
}

// The habits planted, and the hands they were played on.
struct Planted {
    std::vector<history::HandRecord> rows;  // every hand, in the order played
    int fives = 0, highCards = 0;           // hands each habit was played on
    double fivesCost = 0, highCardsCost = 0;
};

// Hand i of `sessions` sessions: a player who draws five to every deal without a deuce whose best
// hold is a lone pair, keeps the only high card rather than the only deuce whenever perfect play
// keeps that deuce alone, and otherwise plays perfectly. Deals from a seeded shuffle.
inline Planted PlayWithHabits(int hands, int sessions) {
    std::vector<std::string> deck;
    for (const char* s = kSuits; *s; ++s)
        for (const char* r = kRanks; *r; ++r) deck.push_back(std::string{*r, *s});
    std::mt19937 shuffle(20);
    Planted planted;
    for (int i = 0; i < hands; ++i) {
        std::shuffle(deck.begin(), deck.end(), shuffle);
        const std::vector<std::string> cards(deck.begin(), deck.begin() + 5);
        std::string text;
        for (const auto& card : cards) text += card + " ";
        history::HandRecord hand;
        hand.id = i + 1;
        hand.session = 1 + i * sessions / hands;
        hand.player = "Alice";
        hand.playedAt = kNow;
        hand.dealt = modcards::ParseHand(text);
        hand.finalHand = hand.dealt;
        const auto best = history::ValueHold(GameAdvisor(), hand.dealt, 0);
        hand.bestHeld = best->bestHeld;
        hand.held = hand.bestHeld;
        const auto slotOf = [&](auto fits) {
            return int(std::find_if(cards.begin(), cards.end(), fits) - cards.begin());
        };
        const int deuces = int(std::count_if(cards.begin(), cards.end(), IsDeuce));
        const int highs = int(std::count_if(cards.begin(), cards.end(), IsHigh));
        const bool lonePair =
            deuces == 0 && std::popcount(unsigned(hand.bestHeld)) == 2 &&
            cards[std::min(std::countr_zero(unsigned(hand.bestHeld)), 4)][0] ==
                cards[std::max(31 - std::countl_zero(unsigned(hand.bestHeld)), 0)][0];
        const bool loneDeuce = deuces == 1 && highs == 1 && hand.bestHeld == 1u << slotOf(IsDeuce);
        if (lonePair) hand.held = 0;
        if (loneDeuce) hand.held = modcards::HoldMask(1u << slotOf(IsHigh));
        const auto values = history::ValueHold(GameAdvisor(), hand.dealt, hand.held);
        hand.holdEv = values->holdEv;
        hand.bestEv = values->bestEv;
        if (lonePair) ++planted.fives, planted.fivesCost += hand.Cost();
        if (loneDeuce) ++planted.highCards, planted.highCardsCost += hand.Cost();
        planted.rows.push_back(hand);
    }
    return planted;
}

inline const Planted& Played() {
    static const Planted planted = PlayWithHabits(6000, 3);
    return planted;
}

}  // namespace history_test
