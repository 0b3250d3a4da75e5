// The whole game: deal counts, suit classes and the return under perfect play.
#include <gtest/gtest.h>

#include <array>

#include "engine/Deal.h"
#include "engine/analysis/GameAnalysis.h"
#include "engine/analysis/SuitClasses.h"
#include "tests/engine/analysis/SharedTables.h"

namespace modcards::analysis {
namespace {

// The tables classify one hand per suit class; every other hand must still get exactly the
// category EvaluateHand gives it, at its colex rank.
TEST(WholeGame, EveryHandKeepsItsOwnCategory) {
    const auto tables = SharedTables();
    CategoryCounts direct{};
    std::int32_t rank = 0;
    std::int64_t mismatches = 0;
    for (int e = 4; e < kDeckSize; ++e)
        for (int d = 3; d < e; ++d)
            for (int c = 2; c < d; ++c)
                for (int b = 1; b < c; ++b)
                    for (int a = 0; a < b; ++a, ++rank) {
                        Hand hand{CardOfIndex(a), CardOfIndex(b), CardOfIndex(c), CardOfIndex(d),
                                  CardOfIndex(e)};
                        SortByValue(hand);
                        const HandCategory category = EvaluateHand(hand);
                        ++direct[category];
                        if (tables->CategoryOf(rank) != category) ++mismatches;
                    }
    EXPECT_EQ(mismatches, 0);
    EXPECT_EQ(tables->DealCounts(), direct);
    EXPECT_EQ(rank, 2'598'960);
}

TEST(WholeGame, SuitClassesCoverEveryDealOnce) {
    const auto deals = DealsUpToSuits();
    EXPECT_EQ(deals.size(), 134'459u);
    std::int64_t weights = 0;
    CategoryCounts weighted{};
    for (const auto& deal : deals) {
        weights += deal.weight;
        Hand hand;
        for (int i = 0; i < kHandSize; ++i) hand[i] = CardOfIndex(deal.cards[i]);
        SortByValue(hand);
        weighted[EvaluateHand(hand)] += deal.weight;
    }
    EXPECT_EQ(weights, 2'598'960);
    // Weighted classes reproduce the count of every category, not just the total.
    EXPECT_EQ(weighted, SharedTables()->DealCounts());
}

TEST(WholeGame, FullPayTableReturnsThePublishedFigure) {
    const GameAnalysis game = AnalyzeGame(PaySums(SharedTables(), FullPays()), 2);
    EXPECT_EQ(game.expectedReturn.Decimal(6), "1.007620");
    EXPECT_NEAR(game.expectedReturn.ToDouble(), 1.0076196, 5e-8);
    Fraction sum;
    for (const Fraction& p : game.finalCategory)
        sum = Fraction::Of(sum.numerator * p.denominator + p.numerator * sum.denominator,
                           sum.denominator * p.denominator);
    EXPECT_EQ(sum, (Fraction{1, 1})) << "final categories must add up to 1";
    // Published frequencies under perfect play: a natural royal about 1 in 45,282 deals.
    EXPECT_NEAR(1 / game.finalCategory[kNaturalRoyalFlush].ToDouble(), 45282, 1);
}

TEST(WholeGame, GameTableGivesTheSameAnswerOnAnyNumberOfThreads) {
    PayTable table{};
    InitTables(table);
    const PaySums sums(SharedTables(), GamePays(table));
    const GameAnalysis one = AnalyzeGame(sums, 1);
    const GameAnalysis three = AnalyzeGame(sums, 3);
    EXPECT_EQ(one.expectedReturn, three.expectedReturn);
    EXPECT_EQ(one.finalCategory, three.finalCategory);
    EXPECT_LT(one.expectedReturn.ToDouble(), 1.0);
}

TEST(ExactFraction, DecimalsRoundHalfUpAndCarry) {
    EXPECT_EQ(Fraction::Of(2, 3).Decimal(4), "0.6667");
    EXPECT_EQ(Fraction::Of(19999, 20000).Decimal(3), "1.000");
    EXPECT_EQ(Fraction::Of(1, 8).Decimal(2), "0.13");
    EXPECT_EQ(Fraction::Of(7, 1).Decimal(0), "7");
    EXPECT_EQ(Fraction::Of(6, 4).Text(), "3/2");
    EXPECT_THROW(Fraction::Of(1, 0), std::invalid_argument);
}

}  // namespace
}  // namespace modcards::analysis
