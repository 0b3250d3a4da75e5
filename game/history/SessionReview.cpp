// Grading each hand of a session and adding up skill and luck.
#include "game/history/SessionReview.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <stdexcept>

#include "engine/analysis/GameChart.h"

#include "game/history/HoldGrade.h"

namespace history {
namespace {

void SortCostliestFirst(std::vector<HandRecord>& hands) {
    std::stable_sort(hands.begin(), hands.end(),
                     [](const HandRecord& a, const HandRecord& b) { return a.Cost() > b.Cost(); });
}

// Only a hold costing enough to be a mistake asks the chart; records are whole hands, but a
// hand of repeated cards is no chart's hold.
bool IsChartHold(const HandRecord& hand) {
    if (hand.Cost() < kCloseCallCredits) return false;
    try {
        return modcards::analysis::GameChart().PlayHand(hand.dealt).keptSlots == hand.held;
    } catch (const std::invalid_argument&) {
        return false;
    }
}

std::string Credits(std::int64_t count) {
    return std::to_string(count) + (count == 1 ? " credit" : " credits");
}

std::string Opening(std::int64_t result) {
    if (result > 0) return "You won " + Credits(result);
    if (result < 0) return "You lost " + Credits(-result);
    return "You broke even";
}

std::string MistakesClause(std::size_t count, std::int64_t cost) {
    if (count == 0) return "you made no mistakes";
    const std::string which = count == 1 ? "1 mistake" : std::to_string(count) + " mistakes";
    return which + " cost " + (cost == 0 ? "less than a credit" : std::to_string(cost));
}

std::string LuckClause(std::int64_t luck) {
    if (luck > 0) return "good luck brought " + std::to_string(luck);
    if (luck < 0) return "bad luck cost " + std::to_string(-luck);
    return "luck evened out";
}

// The parts rounded to whole credits so that they add up to `total` exactly: each is rounded
// down, then those with the largest fractions rounded up until the sum is right, earlier parts
// first among equal fractions. No part moves by a credit or more.
constexpr std::size_t kParts = 5;
std::array<std::int64_t, kParts> WholeParts(std::int64_t total,
                                            const std::array<double, kParts>& parts) {
    std::array<std::int64_t, kParts> whole{};
    std::array<std::size_t, kParts> byFraction{0, 1, 2, 3, 4};
    std::int64_t sum = 0;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        whole[i] = static_cast<std::int64_t>(std::floor(parts[i]));
        sum += whole[i];
    }
    std::stable_sort(byFraction.begin(), byFraction.end(), [&](std::size_t a, std::size_t b) {
        return parts[a] - whole[a] > parts[b] - whole[b];
    });
    const std::int64_t missing = std::clamp<std::int64_t>(total - sum, 0, kParts);
    for (std::int64_t i = 0; i < missing; ++i) ++whole[byFraction[i]];
    return whole;
}

// "a, b and c".
std::string JoinClauses(const std::vector<std::string>& clauses) {
    std::string text;
    for (std::size_t i = 0; i < clauses.size(); ++i) {
        if (i > 0) text += i + 1 == clauses.size() ? " and " : ", ";
        text += clauses[i];
    }
    return text;
}

}  // namespace

SessionReview ReviewHands(std::span<const HandRecord> hands, int stake) {
    SessionReview review;
    review.balance.reserve(hands.size() + 1);
    review.balance.push_back({});
    for (const HandRecord& hand : hands) {
        ++review.handsPlayed;
        review.staked += stake;
        review.result += hand.pay - stake;
        review.heldExpected += hand.holdEv;
        review.perfectExpected += hand.bestEv;
        switch (GradeHold(hand.holdEv, hand.bestEv, IsChartHold(hand))) {
            case HoldGrade::Best:
                break;
            case HoldGrade::CloseCall:
                review.closeCallsCost += hand.Cost();
                review.closeCalls.push_back(hand);
                break;
            case HoldGrade::Mistake:
                review.mistakesCost += hand.Cost();
                review.mistakes.push_back(hand);
                break;
            case HoldGrade::ChartException:
                review.chartExceptionsCost += hand.Cost();
                review.chartExceptions.push_back(hand);
                break;
        }
        review.balance.push_back({review.result, review.PerfectResult()});
    }
    review.luck = static_cast<double>(review.result) - (review.heldExpected - review.staked);
    SortCostliestFirst(review.mistakes);
    SortCostliestFirst(review.closeCalls);
    SortCostliestFirst(review.chartExceptions);
    return review;
}

std::string ResultSentence(const SessionReview& review) {
    if (review.handsPlayed == 0) return "No hands played yet.";
    const auto [perfect, lostToMistakes, lostToCloseCalls, lostToChart, luck] = WholeParts(
        review.result, {review.PerfectResult(), -review.mistakesCost, -review.closeCallsCost,
                        -review.chartExceptionsCost, review.luck});
    std::vector<std::string> clauses;
    if (perfect != 0) {
        clauses.push_back("perfect play would have expected to " +
                          std::string(perfect > 0 ? "win " : "lose ") +
                          std::to_string(std::abs(perfect)) + " on these deals");
    }
    clauses.push_back(MistakesClause(review.mistakes.size(), -lostToMistakes));
    if (lostToCloseCalls != 0)
        clauses.push_back("close calls cost " + std::to_string(-lostToCloseCalls));
    if (lostToChart != 0)
        clauses.push_back("the chart's exceptions cost " + std::to_string(-lostToChart));
    clauses.push_back(LuckClause(luck));
    return Opening(review.result) + ": " + JoinClauses(clauses) + ".";
}

}  // namespace history
