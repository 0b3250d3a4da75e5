// A trip hand by hand, the player's play modelled from their measured cost, and the chart
// levels picked from the frontier.
#include <gtest/gtest.h>

#include <numeric>
#include <vector>

#include "engine/analysis/ChartLevels.h"
#include "engine/analysis/GameAnalysis.h"
#include "engine/analysis/MeasuredPlay.h"
#include "engine/analysis/RiskOfRuin.h"
#include "tests/engine/analysis/SharedTables.h"

namespace modcards::analysis {
namespace {

double Mean(const std::vector<PayChance>& chances) {
    double mean = 0;
    for (const PayChance& chance : chances) mean += chance.probability * double(chance.pay);
    return mean;
}

TEST(TripCourse, EndsWhereTheRiskOfRuinDoesAndNeverComesBack) {
    const std::vector<PayChance> chances =
        PayChancesOf(FullPays(), AnalyzeGame(PaySums(SharedTables(), FullPays())));
    const std::vector<PayChance> made = {{0, 0.5}, {1, 0.2}, {3, 0.3}};
    for (const auto& table : {chances, made})
        for (const Trip& trip : std::vector<Trip>{
                 {20, 300, 0}, {20, 300, 45}, {7, 50, 12}, {150, 100, 0}, {12, 40, 12}}) {
            SCOPED_TRACE(testing::Message()
                         << trip.bankroll << " " << trip.hands << " " << trip.goal);
            const TripCourse course = CourseOfTrip(table, trip);
            const TripRisk risk = AnalyzeTrip(table, trip);
            ASSERT_EQ(course.broke.size(), std::size_t(trip.hands + 1));
            EXPECT_NEAR(course.broke.back(), risk.broke, 1e-12);
            EXPECT_NEAR(course.goal.back(), risk.goal, 1e-12);
            for (std::int64_t h = 1; h <= trip.hands; ++h) {
                // Within h hands holds for every longer trip too.
                EXPECT_LE(course.broke[h - 1], course.broke[h] + 1e-15);
                EXPECT_LE(course.goal[h - 1], course.goal[h] + 1e-15);
                EXPECT_NEAR(course.broke[h],
                            AnalyzeTrip(table, {trip.bankroll, h, trip.goal}).broke, 1e-12);
            }
        }
    // Asked to stop, it stops short.
    int steps = 0;
    const TripCourse stopped = CourseOfTrip(made, {5, 100, 0}, [&steps] { return ++steps < 10; });
    EXPECT_EQ(stopped.broke.size(), 10u);
}

TEST(MeasuredPlay, NoCostIsPerfectPlayAndACostLowersTheReturnByItself) {
    const std::vector<PayChance> perfect =
        PayChancesOf(FullPays(), AnalyzeGame(PaySums(SharedTables(), FullPays())));
    const std::vector<PayChance> same = WithMeasuredCost(perfect, 0);
    ASSERT_EQ(same.size(), perfect.size());
    for (std::size_t i = 0; i < same.size(); ++i) {
        EXPECT_EQ(same[i].pay, perfect[i].pay);
        EXPECT_EQ(same[i].probability, perfect[i].probability);
    }
    const Trip trip{40, 400, 80};
    EXPECT_EQ(AnalyzeTrip(same, trip).broke, AnalyzeTrip(perfect, trip).broke);

    for (const double cost : {0.002, 0.03, 0.25}) {
        const std::vector<PayChance> yours = WithMeasuredCost(perfect, cost);
        EXPECT_NEAR(Mean(yours), Mean(perfect) - cost, 1e-12);
        EXPECT_NEAR(
            std::accumulate(yours.begin(), yours.end(), 0.0,
                            [](double sum, const PayChance& c) { return sum + c.probability; }),
            1.0, 1e-12);
        EXPECT_GT(AnalyzeTrip(yours, trip).broke, AnalyzeTrip(perfect, trip).broke);
    }
    EXPECT_NEAR(Mean(WithMeasuredCost(perfect, 5)), 0.0, 1e-15);
}

TEST(ChartLevels, EachLevelIsTheShortestBudgetWithinItsCost) {
    const auto point = [](int lines, std::int64_t costPerMillion) {
        return FrontierPoint{lines, Fraction::Of(1, 1), Fraction::Of(costPerMillion, 1000000)};
    };
    // 1%, 0.1% and 0.02% are 10000, 1000 and 200 per million.
    const std::vector<FrontierPoint> frontier = {point(5, 90000), point(6, 10001), point(7, 10000),
                                                 point(8, 2000),  point(9, 999),   point(10, 150),
                                                 point(11, 120)};
    const auto chosen = LevelBudgets(frontier);
    EXPECT_EQ(chosen, (std::array<std::size_t, 4>{2, 4, 5, 6}));
    // A cost no budget meets: the full chart.
    EXPECT_EQ(LevelBudgets({point(5, 90000), point(6, 20000)}),
              (std::array<std::size_t, 4>{1, 1, 1, 1}));
}

}  // namespace
}  // namespace modcards::analysis
