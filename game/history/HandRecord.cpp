// The checks on a hand before it is written, and the text form of a hold.
#include "game/history/HandRecord.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <iomanip>
#include <sstream>

#include "accounts/NameKey.h"
#include "engine/HandEvaluation.h"
#include "game/history/LocalTime.h"

namespace history {
namespace {

// Five cards of the deck, all different.
bool IsHand(const modcards::Hand& hand) {
    for (auto card = hand.begin(); card != hand.end(); ++card) {
        if (!modcards::IsInDeck(*card)) return false;
        if (std::find(hand.begin(), card, *card) != card) return false;
    }
    return true;
}

bool IsCredits(double value) {
    return std::isfinite(value) && value >= 0 && value <= kMostPay;
}

// Ten numbers of no more than kMostPay, separated by single commas.
bool IsPaysText(const std::string& text) {
    int count = 0;
    for (std::size_t start = 0; start <= text.size(); ++count) {
        std::size_t end = text.find(',', start);
        if (end == std::string::npos) end = text.size();
        const std::string number = text.substr(start, end - start);
        char* rest = nullptr;
        const double value = std::strtod(number.c_str(), &rest);
        if (number.empty() || !std::isdigit(static_cast<unsigned char>(number.front())) ||
            *rest != '\0' || !(value <= kMostPay))
            return false;
        start = end + 1;
    }
    return count == 10;
}

bool IsMode(const std::string& mode) {
    return mode == kAccountMode || mode == kDrillMode || mode == kPracticeMode;
}

}  // namespace

std::string PaysText(const modcards::PayTable& table) {
    modcards::analysis::Pays pays;
    for (int category = 1; category < modcards::kCategoryCount; ++category)
        pays.perCategory[std::size_t(category)] = table[category];
    pays.unit = std::max<int>(table[0], 1);
    return PaysText(pays);
}

std::string PaysText(const modcards::analysis::Pays& pays) {
    std::ostringstream text;
    for (int category = 1; category < modcards::kCategoryCount; ++category) {
        const std::int64_t pay = pays.perCategory[std::size_t(category)];
        if (category > 1) text << ',';
        if (pay % pays.unit == 0) {
            text << pay / pays.unit;
        } else {
            text << std::setprecision(12) << double(pay) / double(pays.unit);
        }
    }
    return text.str();
}

bool AtGameTable(const HandRecord& hand) {
    static const std::string game = PaysText(modcards::GamePayTable());
    return hand.pays == game;
}

std::string NumbersProblem(const HandRecord& hand) {
    if (hand.session < 1) return "the hand belongs to no session";
    if (hand.category < 0 || hand.category >= modcards::kCategoryCount || hand.pay < 0 ||
        hand.pay > kMostPay)
        return "the hand's category or pay is out of range";
    if (!IsCredits(hand.holdEv) || !IsCredits(hand.bestEv) || hand.holdEv > hand.bestEv)
        return "the hand's expected pays are not those of a hold and the best hold";
    return {};
}

std::string RecordProblem(const HandRecord& hand) {
    if (std::string problem = NumbersProblem(hand); !problem.empty()) return problem;
    if (output::TrimSpaces(hand.player).empty()) return "the hand has no player";
    if (!IsLocalTimeText(hand.playedAt))
        return "the time \"" + hand.playedAt +
               "\" is not a date and time such as 2024-05-01T14:03:22";
    if (!IsHand(hand.dealt) || !IsHand(hand.finalHand))
        return "the hand's cards are not five different cards of the deck";
    if (hand.held > 0x1F || hand.bestHeld > 0x1F) return "a hold names a card beyond the fifth";
    if (!IsMode(hand.mode))
        return "the mode \"" + hand.mode + "\" is not account, drill or practice";
    if (!IsPaysText(hand.pays))
        return "the pays \"" + hand.pays + "\" are not ten numbers separated by commas";
    if (hand.drill && hand.mode != kDrillMode) return "a hand dealt for a drill is not a drill's";
    if (hand.drill && (hand.drill->yourLine < kNoChartLine || hand.drill->chartLine < kNoChartLine))
        return "the drill's chart lines are out of range";
    return {};
}

std::string HeldText(HeldSlots held) {
    std::string text(5, '0');
    for (int slot = 0; slot < 5; ++slot)
        if ((held >> slot) & 1u) text[slot] = '1';
    return text;
}

std::optional<HeldSlots> ParseHeld(std::string_view text) {
    if (text.size() != 5) return std::nullopt;
    HeldSlots held = 0;
    for (int slot = 0; slot < 5; ++slot) {
        if (text[slot] == '1') {
            held |= static_cast<HeldSlots>(1u << slot);
        } else if (text[slot] != '0') {
            return std::nullopt;
        }
    }
    return held;
}

}  // namespace history
