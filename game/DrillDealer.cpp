// Choosing a drill's deals by the exact values of their holds.
#include "game/DrillDealer.h"

#include <algorithm>
#include <array>
#include <numeric>

#include "game/HoldHints.h"
#include "game/history/HoldGrade.h"

namespace {

using history::LeakKey;
using modcards::Hand;

// Deals kept for a group met while looking for another; more would only age.
constexpr std::size_t kKeptPerGroup = 4;

// The groups `dealt` teaches among `wanted`.
std::vector<LeakKey> FittingGroups(const modcards::analysis::HoldAdvisor& advisor,
                                   const modcards::analysis::StrategyChart& chart,
                                   const Hand& dealt, const std::vector<LeakKey>& wanted) {
    std::vector<LeakKey> fits;
    const std::vector<HoldHint> holds = TopHolds(advisor, dealt, modcards::analysis::kHoldCount);
    const int bestLine = chart.LineOfHold(dealt, holds.front().kept);
    if (std::none_of(wanted.begin(), wanted.end(),
                     [&](const LeakKey& group) { return group.chartLine == bestLine; }))
        return fits;
    for (const HoldHint& hold : holds) {
        if (holds.front().credits - hold.credits < history::kCloseCallCredits) continue;
        const LeakKey group{chart.LineOfHold(dealt, hold.kept), bestLine};
        if (std::find(wanted.begin(), wanted.end(), group) != wanted.end() &&
            std::find(fits.begin(), fits.end(), group) == fits.end())
            fits.push_back(group);
    }
    return fits;
}

}  // namespace

bool DealFitsLeak(const modcards::analysis::HoldAdvisor& advisor,
                  const modcards::analysis::StrategyChart& chart, const Hand& dealt,
                  LeakKey group) {
    return !FittingGroups(advisor, chart, dealt, {group}).empty();
}

DrillDealer::DrillDealer(const history::DrillPlan& plan,
                         const modcards::analysis::HoldAdvisor& advisor,
                         const modcards::analysis::StrategyChart& chart,
                         modcards::RandomSource& random)
    : plan_(plan), advisor_(advisor), chart_(chart), random_(random) {}

std::vector<LeakKey> DrillDealer::GroupsOfDeal(const Hand& dealt) const {
    std::vector<LeakKey> wanted;
    for (const history::LeakGroup& group : plan_.Groups()) wanted.push_back(KeyOf(group));
    return FittingGroups(advisor_, chart_, dealt, wanted);
}

DealtCards DrillDealer::Deal() {
    const history::LeakGroup& due = plan_.Next();
    const LeakKey group = KeyOf(due);
    std::vector<Hand>& kept = found_[group];
    if (!kept.empty()) {
        const Hand hand = kept.back();
        kept.pop_back();
        random_.Reseed();
        return WithReserve(hand, group);
    }
    RandomDealer dealer(random_);
    for (int attempt = 0; attempt < kTries; ++attempt) {
        DealtCards dealt = dealer.Deal();
        bool fits = false;
        for (const LeakKey& other : GroupsOfDeal(dealt.hand)) {
            if (other == group) {
                fits = true;
            } else if (found_[other].size() < kKeptPerGroup) {
                found_[other].push_back(dealt.hand);
            }
        }
        if (fits) {
            dealt.lesson = group;
            return dealt;
        }
    }
    random_.Reseed();
    return WithReserve(Disguised(due.example.dealt), group);
}

// The suits renamed and the cards shuffled leave every hold's value as it was.
Hand DrillDealer::Disguised(const Hand& deal) {
    std::array<std::int16_t, 4> suits{0, 1, 2, 3};
    for (int i = 3; i > 0; --i) std::swap(suits[std::size_t(i)], suits[std::size_t(Below(i + 1))]);
    Hand hand = deal;
    for (modcards::Card& card : hand) card.Suit = suits[std::size_t(card.Suit)];
    for (int i = 4; i > 0; --i) std::swap(hand[std::size_t(i)], hand[std::size_t(Below(i + 1))]);
    return hand;
}

DealtCards DrillDealer::WithReserve(const Hand& hand, LeakKey group) {
    std::vector<modcards::Card> rest;
    for (std::int16_t suit = 0; suit < 4; ++suit)
        for (std::int16_t value = 1; value <= 13; ++value)
            if (std::find(hand.begin(), hand.end(), modcards::Card{suit, value}) == hand.end())
                rest.push_back({suit, value});
    DealtCards dealt{hand, {}, group};
    for (std::size_t i = 0; i < 5; ++i) {
        std::swap(rest[i], rest[i + std::size_t(Below(int(rest.size() - i)))]);
        dealt.reserve[i] = rest[i];
    }
    return dealt;
}

int DrillDealer::Below(int count) {
    return std::min(count - 1, static_cast<int>(random_.Next() * float(count)));
}
