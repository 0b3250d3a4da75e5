// One hand's final hands per hold: probabilities that sum to one and expected pays that are the
// hold values, on deals of every shape and a table whose pays all differ.
#include <gtest/gtest.h>

#include "engine/CardText.h"
#include "engine/analysis/GameChart.h"
#include "engine/analysis/HandAnalysis.h"
#include "tests/engine/analysis/SharedTables.h"

namespace modcards::analysis {
namespace {

// No two categories pay alike, so counts put in the wrong category change the expected pay.
Pays DistinctPays() {
    return PaysPerUnit({997, 211, 53, 29, 17, 11, 7, 5, 3, 2});
}

TEST(HandAnalysis, EveryHoldsFinalHandsSumToOneAndPayItsExactValue) {
    PayTable table{};
    InitTables(table);
    for (const Pays& pays : {DistinctPays(), GamePays(table), FullPays()}) {
        const HoldAdvisor advisor(SharedTables(), pays);
        // Nothing, a lone deuce, two deuces and a flush draw, a pat royal, four deuces, a pair.
        for (const char* text : {"3c 5d 9s Jh Kd", "Ah 2c 5d 9s Kh", "7h 2c 8h 2d 9h",
                                 "Th Jh Qh Kh Ah", "2c 2d 2h 2s 9h", "Qs Qd 4c 7h 8s"}) {
            SCOPED_TRACE(text);
            const HandAnalysis analysis = AnalyzeHand(advisor, ParseHand(text), nullptr);
            const auto ranked = advisor.RankHolds(ParseHand(text));
            for (std::size_t i = 0; i < ranked.size(); ++i) {
                const HoldAnalysis& entry = analysis.holds[i];
                SCOPED_TRACE(int(entry.hold.keptSlots));
                EXPECT_EQ(entry.hold.keptSlots, ranked[i].keptSlots);
                EXPECT_EQ(entry.hold.rank, ranked[i].rank);
                WideInt ways = 0, pay = 0;
                for (int c = 0; c < kCategoryCount; ++c) {
                    ASSERT_GE(entry.finals[c], 0);
                    ways += entry.finals[c];
                    pay += WideInt(entry.finals[c]) * pays.perCategory[c];
                }
                EXPECT_EQ(ways, entry.hold.drawCount);
                EXPECT_EQ(Fraction::Of(pay, WideInt(ways) * pays.unit),
                          ranked[i].ExpectedPay(pays));
                EXPECT_EQ(entry.chartLine, -1);
                EXPECT_TRUE(entry.chartText.empty());
            }
        }
    }
}

// Four to the royal draws 47 cards: the ace, one straight flush, four deuces, six other hearts,
// six aces and nines of other suits; the rest pay nothing.
TEST(HandAnalysis, CountsTheDrawsOfFourToARoyalByHand) {
    const HoldAdvisor advisor(SharedTables(), FullPays());
    const HandAnalysis analysis = AnalyzeHand(advisor, ParseHand("3s Kh Th Qh Jh"), &GameChart());
    const HoldAnalysis& best = analysis.holds[0];
    EXPECT_EQ(best.hold.keptSlots, 0b11110);
    CategoryCounts expected{};
    expected[kNaturalRoyalFlush] = 1;
    expected[kDeuceRoyalFlush] = 4;
    expected[kStraightFlush] = 1;
    expected[kFlush] = 6;
    expected[kStraight] = 6;
    expected[kNoPayingHand] = 29;
    EXPECT_EQ(best.finals, expected);
    EXPECT_EQ(best.Probability(kFlush), Fraction::Of(6, 47));
    EXPECT_EQ(GameChart().Lines()[std::size_t(best.chartLine)].Text(), "Four to a royal flush");
    EXPECT_EQ(best.chartText, "Four to a royal flush");
    for (const HoldAnalysis& entry : analysis.holds) {
        EXPECT_EQ(entry.chartLine, GameChart().LineOfHold(analysis.dealt, entry.hold.keptSlots));
        EXPECT_FALSE(entry.chartText.empty());
    }
    EXPECT_THROW(AnalyzeHand(advisor, ParseHand("3s 3s Th Qh Jh"), nullptr), std::invalid_argument);
}

}  // namespace
}  // namespace modcards::analysis
