// Grading each hand of a session and adding up skill and luck.
#include "game/history/SessionReview.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <stdexcept>

#include "engine/CountText.h"
#include "game/history/HoldGrade.h"

namespace history {
namespace {

using modcards::CountText;

// Lists `hand` in its place among the costliest, the list kept to kListedHands.
void List(std::vector<HandRecord>& listed, const HandRecord& hand) {
    const auto place = std::upper_bound(listed.begin(), listed.end(), hand,
                                        [](const HandRecord& a, const HandRecord& b) {
                                            return ListedBefore(a.Cost(), a.id, b.Cost(), b.id);
                                        });
    if (place == listed.end() && listed.size() >= kListedHands) return;
    listed.insert(place, hand);
    if (listed.size() > kListedHands) listed.pop_back();
}

std::string Credits(std::int64_t count) {
    return CountText(count) + (count == 1 ? " credit" : " credits");
}

std::string Opening(std::int64_t result) {
    if (result > 0) return "You won " + Credits(result);
    if (result < 0) return "You lost " + Credits(-result);
    return "You broke even";
}

// Credits of several tables are no one bankroll: the sentence says they are added up.
std::string AtTables(std::size_t tables) {
    if (tables < 2) return {};
    return " at " + CountText(static_cast<std::int64_t>(tables)) + " tables added together";
}

// A table's pays among those already counted; the last is nearly always the one.
void CountTable(std::vector<std::string>& tables, const std::string& pays) {
    if (!tables.empty() && tables.back() == pays) return;
    if (std::find(tables.begin(), tables.end(), pays) == tables.end()) tables.push_back(pays);
}

std::string MistakesClause(std::int64_t count, std::int64_t cost) {
    if (count == 0) return "you made no mistakes";
    const std::string which = count == 1 ? "1 mistake" : CountText(count) + " mistakes";
    return which + " cost " + (cost == 0 ? "less than a credit" : CountText(cost));
}

std::string LuckClause(std::int64_t luck) {
    if (luck > 0) return "good luck brought " + CountText(luck);
    if (luck < 0) return "bad luck cost " + CountText(-luck);
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

SessionReview ReviewHands(std::span<const HandRecord> hands, int stake,
                          const GradingChart& grading) {
    SessionReview review;
    review.balance.reserve(hands.size() + 1);
    for (const HandRecord& hand : hands) FoldHand(review, hand, stake, grading);
    return review;
}

bool IsChartHold(const HandRecord& hand, const GradingChart& grading) {
    // Only a hold costing enough to be a mistake asks the chart, and a chart plays its own
    // table only.
    if (hand.Cost() < kCloseCallCredits || !grading.Judges(hand)) return false;
    try {
        return grading.chart->PlayHand(hand.dealt).keptSlots == hand.held;
    } catch (const std::invalid_argument&) {
        return false;
    }
}

HoldGrade CountHand(SessionReview& review, const HandRecord& hand, int stake,
                    const GradingChart& grading) {
    ++review.handsPlayed;
    review.lastHand = hand.id;
    review.staked += stake;
    review.result += hand.pay - stake;
    review.heldExpected += hand.holdEv;
    review.perfectExpected += hand.bestEv;
    CountTable(review.tables, hand.pays);
    const HoldGrade grade = GradeHold(hand.holdEv, hand.bestEv, IsChartHold(hand, grading));
    if (grade == HoldGrade::CloseCall) {
        ++review.closeCallCount;
        review.closeCallsCost += hand.Cost();
    } else if (grade == HoldGrade::Mistake) {
        ++review.mistakeCount;
        review.mistakesCost += hand.Cost();
    } else if (grade == HoldGrade::ChartException) {
        ++review.chartExceptionCount;
        review.chartExceptionsCost += hand.Cost();
    }
    review.balance.push_back({review.result, review.PerfectResult()});
    review.luck = static_cast<double>(review.result) - (review.heldExpected - review.staked);
    return grade;
}

void FoldHand(SessionReview& review, const HandRecord& hand, int stake,
              const GradingChart& grading) {
    if (!hand.Reviewed()) return;
    switch (CountHand(review, hand, stake, grading)) {
        case HoldGrade::Best:
            break;
        case HoldGrade::CloseCall:
            List(review.closeCalls, hand);
            break;
        case HoldGrade::Mistake:
            List(review.mistakes, hand);
            break;
        case HoldGrade::ChartException:
            List(review.chartExceptions, hand);
            break;
    }
}

bool ListedBefore(double costA, std::int64_t idA, double costB, std::int64_t idB) {
    return costA != costB ? costA > costB : idA < idB;
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
                          CountText(std::abs(perfect)) + " on these deals");
    }
    clauses.push_back(MistakesClause(review.mistakeCount, -lostToMistakes));
    if (lostToCloseCalls != 0)
        clauses.push_back("close calls cost " + CountText(-lostToCloseCalls));
    if (lostToChart != 0)
        clauses.push_back("the chart's exceptions cost " + CountText(-lostToChart));
    clauses.push_back(LuckClause(luck));
    return Opening(review.result) + AtTables(review.tables.size()) + ": " + JoinClauses(clauses) +
           ".";
}

}  // namespace history
