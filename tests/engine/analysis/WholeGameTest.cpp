// The whole game: deal counts, suit classes and the return under perfect play.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <vector>

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

// Renaming the suits of one set of each class must reach every set of that size exactly once.
TEST(WholeGame, SuitClassesCoverEverySetOnce) {
    for (int size = 0; size <= kHandSize; ++size) {
        SCOPED_TRACE(size);
        std::vector<std::uint8_t> seen(static_cast<std::size_t>(kBinomial(kDeckSize, size)));
        std::int64_t weights = 0;
        bool eachClassAsWeighed = true;
        for (const SuitClass& sets : SetsUpToSuits(size)) {
            weights += sets.weight;
            std::int32_t reached = 0;
            ForEachSuitRenaming(sets.set, [&](std::int32_t rank) {
                ++seen[static_cast<std::size_t>(rank)];
                ++reached;
            });
            eachClassAsWeighed = eachClassAsWeighed && reached == sets.weight;
        }
        EXPECT_TRUE(eachClassAsWeighed);
        EXPECT_EQ(weights, kBinomial(kDeckSize, size));
        EXPECT_EQ(std::count(seen.begin(), seen.end(), 1), kBinomial(kDeckSize, size));
    }
    EXPECT_EQ(SetsUpToSuits(kHandSize).size(), 134'459u);
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

// The game pays in credits over a stake of 5; per unit bet that is 600, 200, 25, 16, ...
TEST(WholeGame, GameTableGivesTheSameAnswerPerUnitAndOnAnyNumberOfThreads) {
    PayTable table{};
    InitTables(table);
    const GameAnalysis one = AnalyzeGame(PaySums(SharedTables(), GamePays(table)), 1);
    const GameAnalysis three =
        AnalyzeGame(PaySums(SharedTables(), PaysPerUnit({600, 200, 25, 16, 10, 4, 4, 3, 2, 1})), 3);
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
